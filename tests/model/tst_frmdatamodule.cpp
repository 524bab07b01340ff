#include "CompanyFiles.h"
#include "ECopyFileException.h"
#include "ERecordFileException.h"
#include "FileUtils.h"
#include "MsgBox.h"
#include "QmrkTestMain.h"
#include "TEFW2Client.h"
#include "TFailingWrites.h"
#include "TFrmDataModule.h"
#include "TPasswordDialog.h"
#include "TRecordBytes.h"
#include "TRecordIndex.h"
#include "TRecordSet.h"
#include "TScriptedInteraction.h"
#include "TUnprivilegedFiles.h"
#include "W3Totals.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>
#include <sys/resource.h>

namespace {

// "Secret1" in its stored form, written out by hand from the cipher table.
const QByteArray StoredSecret1 = "PshQsdf";

const char InUseMessage[]
    = " is already in use!\r\rThe file has been opened in browse only mode. You will not "
      "be able to record any changes.";

// An employer record as another copy of the program writes it: every filler
// and reserved byte set, so a rewrite that loses them shows.
QByteArray EmployerBytes(const QByteArray &StoredPassword = {}, const QByteArray &State = "IL",
    const QByteArray &StateID = "123456789")
{
    return TRecordBytes(608)
        .PutStr(0, "CN-1")
        .PutFlag(11, 1)
        .PutFlag(18, 1)
        .PutInt32(24, 2)
        .PutStr(33, "12-3456789")
        .PutStr(44, "ACME HARDWARE")
        .PutStr(126, "1 MAIN ST")
        .PutStr(149, "SPRINGFIELD")
        .PutStr(172, "IL")
        .PutStr(175, "62701")
        .PutMoney(240, 1234.56)
        .PutStr(384, State)
        .PutStr(387, StateID)
        .PutStr(593, StoredPassword)
        .Fill(234, 6, char(0xA5))
        .Fill(336, 8, char(0x5A))
        .Fill(375, 1, char(0xA5))
        .Fill(607, 1, char(0xA5));
}

QByteArray EmployeeBytes(const QByteArray &First, double Box1Wages = 0, double Box16StateWages_a = 0)
{
    return TRecordBytes(480)
        .PutStr(0, "123-45-6788")
        .PutStr(23, First)
        .PutStr(39, "SMITH")
        .PutMoney(160, Box1Wages)
        .PutMoney(400, Box16StateWages_a)
        .Fill(156, 4, char(0xA5))
        .Fill(276, 4, char(0xA5))
        .Fill(342, 2, char(0xA5))
        .Fill(478, 2, char(0xA5));
}

// Records what the interaction seam is asked into the same log as the events.
class TLoggedInteraction : public TScriptedInteraction {
public:
    QStringList *Log = nullptr;

    bool AskPassword(const QString &Caption, const QString &Prompt, int PasswordCase, QString &Typed) override
    {
        if (Log)
            Log->append(QStringLiteral("AskPassword ") + Prompt);
        return TScriptedInteraction::AskPassword(Caption, Prompt, PasswordCase, Typed);
    }
    int MessageBox(const QString &Text, const QString &Caption, int Flags) override
    {
        if (Log)
            Log->append(QStringLiteral("MsgBox ") + Text);
        return TScriptedInteraction::MessageBox(Text, Caption, Flags);
    }
};

// Runs Extra after (or before) what the data module already does on Event.
void Append(TRecordSetEvent &Event, const std::function<void(TRecordSet *)> &Extra)
{
    const TRecordSetEvent Inner = Event;
    Event = [Inner, Extra](TRecordSet *Sender) {
        if (Inner)
            Inner(Sender);
        Extra(Sender);
    };
}

void Prepend(TRecordSetEvent &Event, const std::function<void(TRecordSet *)> &Extra)
{
    const TRecordSetEvent Inner = Event;
    Event = [Inner, Extra](TRecordSet *Sender) {
        Extra(Sender);
        if (Inner)
            Inner(Sender);
    };
}

// Opens Path for writing with the lock the program takes: succeeds without
// falling back to read-only only when nobody holds the file.
bool FileIsFree(const QString &Path)
{
    TRecordSet Probe;
    Probe.SetFileName(Path);
    Probe.SetFileShareMode(TFileShareMode::smShareDenyWrite);
    Probe.SetAutoCreate(false);
    Probe.SetShowOpenMode(false);
    Probe.OpenRecSet();
    const bool Free = Probe.Active() && !Probe.BrowseOnly();
    Probe.CloseRecSet();
    return Free;
}

} // namespace

class TstFrmDataModule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void recordSetSettings();
    void instanceIsTheFirstModule();
    void openOrder();
    void closeOrder();
    void closeWritesBackUnchangedRecords();
    void newCompanyIsTwoZeroRecords();
    void missingEmployerFileIsCreated();
    void password_data();
    void password();
    void passwordSkippedOnReopen();
    void refusedPasswordCreatesNoEmployeeFile();
    void secondInstanceOpensReadOnly();
    void employerFileAloneReadOnlyIsAnnounced();
    void newEmployeeDefaults_data();
    void newEmployeeDefaults();
    void newAndDeleteMarkIndexDirty();
    void validEmployeeCount_data();
    void validEmployeeCount();
    void failedReadThenPostKeepsOtherEmployees_data();
    void failedReadThenPostKeepsOtherEmployees();
    void employeeFileUnopenable();
    void employerFileUnopenable();
    void openingClosesThePreviousPair();
    void failedEmployerWriteAtCloseLeavesNoPairOpen_data();
    void failedEmployerWriteAtCloseLeavesNoPairOpen();
    void filesWithoutACompleteRecordReadAsEmpty();
    void filesWithoutACompleteRecordKeepWhatIsWritten();
    void destroyingWritesNothing();
    void w3FileFor_data();
    void w3FileFor();
    void copyCompanyPair_data();
    void copyCompanyPair();

private:
    void Instrument(TFrmDataModule &Module);
    void WritePair(const QString &Name, const QByteArray &Employer, const QList<QByteArray> &Employees);
    QString W2(const QString &Name) const { return FDir->filePath(Name + QStringLiteral(".W225")); }
    QString W3(const QString &Name) const { return FDir->filePath(Name + QStringLiteral(".W325")); }
    static QByteArray Bytes(const QString &Path) { return TRecordBytes::ReadFile(Path); }

    std::optional<QTemporaryDir> FDir;
    std::optional<TLoggedInteraction> FUser;
    QStringList FLog;
};

void TstFrmDataModule::init()
{
    FDir.emplace();
    QVERIFY(FDir->isValid());
    FLog.clear();
    FUser.emplace();
    FUser->Log = &FLog;
}

void TstFrmDataModule::cleanup()
{
    const QString Problems = FUser->Problems();
    FUser.reset();
    FDir.reset();
    QCOMPARE(Problems, QString());
}

void TstFrmDataModule::Instrument(TFrmDataModule &Module)
{
    TRecordSet *RSW3 = Module.RSW3;
    TRecordSet *RSW2 = Module.RSW2;
    RSW3->OnAfterOpen = [this](TRecordSet *) { FLog << QStringLiteral("RSW3 opened"); };
    RSW3->OnAfterClose = [this](TRecordSet *) { FLog << QStringLiteral("RSW3 closed"); };
    RSW3->OnAfterPost
        = [this](TRecordSet *S) { FLog << QStringLiteral("RSW3 posted %1").arg(S->CurrentRecord()); };
    Append(RSW3->OnAfterRead,
        [this](TRecordSet *S) { FLog << QStringLiteral("RSW3 read %1").arg(S->CurrentRecord()); });
    RSW2->OnAfterPost
        = [this](TRecordSet *S) { FLog << QStringLiteral("RSW2 posted %1").arg(S->CurrentRecord()); };
    Prepend(RSW2->OnAfterOpen, [this](TRecordSet *) { FLog << QStringLiteral("RSW2 opened"); });
    Prepend(RSW2->OnAfterClose, [this](TRecordSet *) { FLog << QStringLiteral("RSW2 closed"); });
    Append(RSW2->OnAfterRead, [this, &Module](TRecordSet *S) {
        FLog << QStringLiteral("RSW2 read %1%2")
                    .arg(S->CurrentRecord())
                    .arg(Module.RecordIndexDirty ? QStringLiteral(", index dirty") : QString());
    });
    connect(&Module, &TFrmDataModule::RecentFileClosed, this,
        [this](const QString &Path) { FLog << QStringLiteral("RecentFileClosed ") + Path; });
    connect(&Module, &TFrmDataModule::RecentMenuNeedsRefresh, this,
        [this] { FLog << QStringLiteral("RecentMenuNeedsRefresh"); });
}

void TstFrmDataModule::WritePair(
    const QString &Name, const QByteArray &Employer, const QList<QByteArray> &Employees)
{
    TRecordBytes::WriteFile(W3(Name), { Employer });
    TRecordBytes::WriteFile(W2(Name), Employees);
}

void TstFrmDataModule::recordSetSettings()
{
    TFrmDataModule Module;
    QCOMPARE(Module.RSW3->RecSize(), 608);
    QCOMPARE(Module.RSW2->RecSize(), 480);
    for (TRecordSet *Set : { Module.RSW3, Module.RSW2 }) {
        QCOMPARE(Set->FileOpenMode(), TFileOpenMode::omOpenReadWrite);
        QCOMPARE(Set->FileShareMode(), TFileShareMode::smShareDenyWrite);
        QCOMPARE(Set->AutoCreate(), true);
        QCOMPARE(Set->OpenErrText, QStringLiteral("Unable to open database file"));
        QCOMPARE(Set->NewErrText, TRecordSet().NewErrText);
    }
    QCOMPARE(Module.RSW3->MaxRec(), 1000);
    QCOMPARE(Module.RSW2->MaxRec(), 10000);
    QCOMPARE(Module.RSW3->ShowOpenMode(), false);
    QCOMPARE(Module.RSW2->ShowOpenMode(), true);
    QCOMPARE(Module.RSW3->DelErrText,
        QStringLiteral("Unable to delete current record~you cannot delete the first "
                       "record when~its the only record in the database."));
    QCOMPARE(Module.RSW2->DelErrText,
        QStringLiteral("Unable to delete current employee~you cannot delete the "
                       "first employee when~its the only record in the database."));
    QCOMPARE(Module.RSW3->DelMsgText, QStringLiteral("Confirm request~Delete current record from database?"));
    QCOMPARE(
        Module.RSW2->DelMsgText, QStringLiteral("Confirm request~Delete current employee from database?"));
    QCOMPARE(Module.PasswordDialog->Prompt, QStringLiteral("Enter File Password"));
    QCOMPARE(Module.PasswordDialog->Caption, QString());
    QCOMPARE(Module.PasswordDialog->PasswordCase, TPasswordCase::pcNormal);
    QCOMPARE(Module.CompanyFileOpen, false);
    QCOMPARE(Module.FormsReviewState, 0);
}

void TstFrmDataModule::instanceIsTheFirstModule()
{
    QCOMPARE(TFrmDataModule::Instance(), nullptr);
    {
        TFrmDataModule First;
        TFrmDataModule Second;
        QCOMPARE(TFrmDataModule::Instance(), &First);
    }
    QCOMPARE(TFrmDataModule::Instance(), nullptr);
}

// Employer file opened, employer record read, password asked, employee file
// opened, recent-files menu rebuilt, index marked dirty, employee 1 read.
void TstFrmDataModule::openOrder()
{
    const QByteArray Employer = EmployerBytes(StoredSecret1);
    const QList<QByteArray> Employees = { EmployeeBytes("ANN", 100), EmployeeBytes("BOB", 200) };
    WritePair(QStringLiteral("Acme"), Employer, Employees);
    TFrmDataModule Module;
    Instrument(Module);
    FUser->AnswerPassword(QStringLiteral("Secret1"));

    Module.OpenCompany(W2(QStringLiteral("Acme")));

    QCOMPARE(FLog,
        QStringList({ QStringLiteral("RSW3 opened"), QStringLiteral("RSW3 read 1"),
            QStringLiteral("AskPassword Enter File Password"), QStringLiteral("RSW2 opened"),
            QStringLiteral("RecentMenuNeedsRefresh"), QStringLiteral("RSW2 read 1, index dirty") }));
    QVERIFY(Module.CompanyFileOpen);
    QVERIFY(Module.RSW3->Active() && Module.RSW2->Active());
    QVERIFY(!Module.RSW2->BrowseOnly());
    QCOMPARE(Module.CurrentW2File, W2(QStringLiteral("Acme")));
    QCOMPARE(Module.CurrentW3File, W3(QStringLiteral("Acme")));
    QCOMPARE(Module.RSW3->FileName(), W3(QStringLiteral("Acme")));
    QCOMPARE(Module.CurrentEmployer.Bytes(), Employer);
    QCOMPARE(Module.CurrentEmployee.Bytes(), Employees.first());
    QCOMPARE(Module.CurrentEmployer.EmployerName(), QStringLiteral("ACME HARDWARE"));
    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))), Employer);
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))), Employees.join());
    Module.CloseCompany();
}

// Employee record written, employee file closed, the path to the recent files
// and the menu rebuilt, employer record written, employer file closed. The
// bytes no field covers and the tails after shortened texts stay as they were.
void TstFrmDataModule::closeOrder()
{
    const QByteArray Employer = EmployerBytes();
    WritePair(QStringLiteral("Acme"), Employer, { EmployeeBytes("ANN", 100), EmployeeBytes("BOBBY", 200) });
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    Module.RSW2->NextRec();
    Module.CurrentEmployee.SetFirstName(QStringLiteral("BO"));
    Module.CurrentEmployer.SetEmployerName(QStringLiteral("ACME"));
    Module.CurrentEmployer.SetTotalWages(99.5);
    Instrument(Module);

    Module.CloseCompany();

    QCOMPARE(FLog,
        QStringList({ QStringLiteral("RSW2 posted 2"), QStringLiteral("RSW2 closed"),
            QStringLiteral("RecentFileClosed ") + W2(QStringLiteral("Acme")),
            QStringLiteral("RecentMenuNeedsRefresh"), QStringLiteral("RSW3 posted 1"),
            QStringLiteral("RSW3 closed") }));
    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))),
        TRecordBytes(608).PutBytes(0, Employer).PutStr(44, "ACME HARDWARE", 4).PutMoney(240, 99.5).Bytes());
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))),
        EmployeeBytes("ANN", 100)
            + TRecordBytes(480).PutBytes(0, EmployeeBytes("BOBBY", 200)).PutStr(23, "BOBBY", 2).Bytes());
    QVERIFY(!Module.CompanyFileOpen);
    QVERIFY(Module.CurrentW2File.isEmpty());
    QVERIFY(Module.RSW2->FileName().isEmpty());
    QVERIFY(!Module.RSW3->Active() && !Module.RSW2->Active());
    QVERIFY(FileIsFree(W3(QStringLiteral("Acme"))));
    QVERIFY(FileIsFree(W2(QStringLiteral("Acme"))));
}

void TstFrmDataModule::closeWritesBackUnchangedRecords()
{
    const QByteArray Employer = EmployerBytes(StoredSecret1);
    const QList<QByteArray> Employees = { EmployeeBytes("ANN", 100), EmployeeBytes("BOB", 200) };
    WritePair(QStringLiteral("Acme"), Employer, Employees);
    TFrmDataModule Module;
    FUser->AnswerPassword(QStringLiteral("Secret1"));
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    Instrument(Module);
    Module.CloseCompany();
    QVERIFY(FLog.contains(QStringLiteral("RSW2 posted 1")));
    QVERIFY(FLog.contains(QStringLiteral("RSW3 posted 1")));
    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))), Employer);
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))), Employees.join());
}

void TstFrmDataModule::newCompanyIsTwoZeroRecords()
{
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("New Co")));
    QVERIFY(Module.CompanyFileOpen);
    QCOMPARE(Bytes(W3(QStringLiteral("New Co"))), QByteArray(608, '\0'));
    QCOMPARE(Bytes(W2(QStringLiteral("New Co"))), QByteArray(480, '\0'));
    QCOMPARE(Module.CurrentEmployer.Bytes(), QByteArray(608, '\0'));
    QCOMPARE(Module.CurrentEmployee.Bytes(), QByteArray(480, '\0'));

    Module.CurrentEmployee.SetFirstName(QStringLiteral("ANN"));
    Module.RSW2->PostRec();
    QCOMPARE(Bytes(W2(QStringLiteral("New Co"))), TRecordBytes(480).PutStr(23, "ANN").Bytes());
    Module.CloseCompany();
    QCOMPARE(Bytes(W3(QStringLiteral("New Co"))), QByteArray(608, '\0'));
    QCOMPARE(Bytes(W2(QStringLiteral("New Co"))).size(), 480);
}

void TstFrmDataModule::missingEmployerFileIsCreated()
{
    const QList<QByteArray> Employees = { EmployeeBytes("ANN", 100), EmployeeBytes("BOB", 200) };
    TRecordBytes::WriteFile(W2(QStringLiteral("Acme")), Employees);
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    QVERIFY(Module.CompanyFileOpen);
    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))), QByteArray(608, '\0'));
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))), Employees.join());
    Module.CloseCompany();
}

void TstFrmDataModule::password_data()
{
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("right") << std::optional<QString>(QStringLiteral("Secret1")) << true << QStringList();
    QTest::newRow("wrong") << std::optional<QString>(QStringLiteral("Secret2")) << false
                           << QStringList { QStringLiteral("Incorrect Password") };
    QTest::newRow("letter case differs") << std::optional<QString>(QStringLiteral("SECRET1")) << false
                                         << QStringList { QStringLiteral("Incorrect Password") };
    QTest::newRow("cancelled") << std::optional<QString>() << false << QStringList();
}

// A refused or cancelled password leaves no pair open and nothing written.
void TstFrmDataModule::password()
{
    QFETCH(std::optional<QString>, typed);
    QFETCH(bool, opens);
    QFETCH(QStringList, messages);
    const QByteArray Employer = EmployerBytes(StoredSecret1);
    const QList<QByteArray> Employees = { EmployeeBytes("ANN", 100) };
    WritePair(QStringLiteral("Acme"), Employer, Employees);
    TFrmDataModule Module;
    FUser->AnswerPassword(typed);

    Module.OpenCompany(W2(QStringLiteral("Acme")));

    QCOMPARE(FUser->MessageTexts(), messages);
    if (!messages.isEmpty())
        QCOMPARE(FUser->MessageBoxes().first().Flags, MsgFlag::IconError);
    QCOMPARE(Module.CompanyFileOpen, opens);
    QCOMPARE(Module.RSW3->Active(), opens);
    QCOMPARE(Module.RSW2->Active(), opens);
    QCOMPARE(Module.CurrentW2File.isEmpty(), !opens);
    QCOMPARE(Module.RSW2->FileName().isEmpty(), !opens);
    Module.CloseCompany();
    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))), Employer);
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))), Employees.join());
    QVERIFY(FileIsFree(W3(QStringLiteral("Acme"))));
}

void TstFrmDataModule::passwordSkippedOnReopen()
{
    WritePair(QStringLiteral("Acme"), EmployerBytes(StoredSecret1), { EmployeeBytes("ANN", 100) });
    TFrmDataModule Module;
    Module.SkipPasswordCheck = true;
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    QVERIFY(Module.CompanyFileOpen);
    QVERIFY(FUser->Calls().isEmpty());
    Module.CloseCompany();
}

void TstFrmDataModule::refusedPasswordCreatesNoEmployeeFile()
{
    TRecordBytes::WriteFile(W3(QStringLiteral("Acme")), { EmployerBytes(StoredSecret1) });
    TFrmDataModule Module;
    FUser->AnswerPassword(QStringLiteral("nope1"));
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    QCOMPARE(FUser->MessageTexts(), QStringList { QStringLiteral("Incorrect Password") });
    QVERIFY(!QFileInfo::exists(W2(QStringLiteral("Acme"))));
    QVERIFY(!Module.CompanyFileOpen);
}

// The pair held by the first instance is opened read-only by the second;
// whatever the second changes and closes never reaches the disk.
void TstFrmDataModule::secondInstanceOpensReadOnly()
{
    WritePair(
        QStringLiteral("Acme"), EmployerBytes(), { EmployeeBytes("ANN", 100), EmployeeBytes("BOB", 200) });
    TFrmDataModule First;
    First.OpenCompany(W2(QStringLiteral("Acme")));
    QVERIFY(First.CompanyFileOpen && !First.RSW2->BrowseOnly());
    const QByteArray EmployerOnDisk = Bytes(W3(QStringLiteral("Acme")));
    const QByteArray EmployeesOnDisk = Bytes(W2(QStringLiteral("Acme")));

    TFrmDataModule Second;
    Second.OpenCompany(W2(QStringLiteral("Acme")));
    QVERIFY(Second.CompanyFileOpen);
    QVERIFY(Second.RSW3->BrowseOnly());
    QVERIFY(Second.RSW2->BrowseOnly());
    QCOMPARE(FUser->MessageTexts(), QStringList { W2(QStringLiteral("Acme")) + QLatin1String(InUseMessage) });
    QCOMPARE(Second.CurrentEmployer.Bytes(), EmployerOnDisk);
    Second.CurrentEmployer.SetEmployerName(QStringLiteral("CHANGED"));
    Second.CurrentEmployee.SetFirstName(QStringLiteral("CHANGED"));
    Second.RSW3->PostRec();
    Second.RSW2->PostRec();
    Second.RSW2->NextRec();
    Second.CurrentEmployee.SetBox1Wages(1e6);
    Second.CloseCompany();

    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))), EmployerOnDisk);
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))), EmployeesOnDisk);
    First.CloseCompany();
}

// Only the employer file is held by another program: the employee file
// opens for writing and says nothing, so the person must hear that what is
// entered on the W-3 cannot be kept.
void TstFrmDataModule::employerFileAloneReadOnlyIsAnnounced()
{
    const QByteArray Employer = EmployerBytes();
    WritePair(QStringLiteral("Acme"), Employer, { EmployeeBytes("ANN", 100) });
    TRecordSet Holder;
    Holder.SetRecSize(608);
    Holder.SetFileName(W3(QStringLiteral("Acme")));
    Holder.SetFileShareMode(TFileShareMode::smShareExclusive);
    Holder.OpenRecSet();
    QVERIFY(Holder.Active());

    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    QVERIFY(Module.CompanyFileOpen);
    QVERIFY(Module.RSW3->BrowseOnly());
    QVERIFY(!Module.RSW2->BrowseOnly());
    QCOMPARE(FUser->MessageTexts(), QStringList { W3(QStringLiteral("Acme")) + QLatin1String(InUseMessage) });
    QCOMPARE(FUser->MessageBoxes().first().Flags, 64);
    Module.CurrentEmployer.SetEmployerName(QStringLiteral("CHANGED"));
    Module.CloseCompany();
    Holder.CloseRecSet();
    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))), Employer);
}

void TstFrmDataModule::newEmployeeDefaults_data()
{
    QTest::addColumn<QByteArray>("employerState");
    QTest::addColumn<QByteArray>("employerStateID");
    QTest::addColumn<QByteArray>("state");
    QTest::newRow("box 15 X: no state, the ID all the same")
        << QByteArray("X") << QByteArray("123456789012") << QByteArray();
    QTest::newRow("box 15 CA") << QByteArray("CA") << QByteArray("987654321") << QByteArray("CA");
    QTest::newRow("box 15 empty") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("lower-case x is a state code") << QByteArray("x") << QByteArray("55") << QByteArray("x");
}

// A new employee gets the employer's state and state ID on its first state
// line, nothing else; on disk it stays zero until it is posted.
void TstFrmDataModule::newEmployeeDefaults()
{
    QFETCH(QByteArray, employerState);
    QFETCH(QByteArray, employerStateID);
    QFETCH(QByteArray, state);
    WritePair(QStringLiteral("Acme"), EmployerBytes({}, employerState, employerStateID),
        { EmployeeBytes("ANN", 100) });
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("Acme")));

    Module.RSW2->NewRec();

    const QByteArray Expected = TRecordBytes(480).PutStr(368, state).PutStr(374, employerStateID);
    QCOMPARE(Module.RSW2->CurrentRecord(), 2);
    QCOMPARE(Module.CurrentEmployee.Bytes(), Expected);
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))).mid(480), QByteArray(480, '\0'));
    Module.RSW2->PostRec();
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))).mid(480), Expected);
    Module.CloseCompany();
}

void TstFrmDataModule::newAndDeleteMarkIndexDirty()
{
    WritePair(QStringLiteral("Acme"), EmployerBytes(), { EmployeeBytes("ANN", 100) });
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    QVERIFY(Module.RecordIndexDirty);
    Module.RecordIndexDirty = false;
    Module.RSW2->NewRec();
    QVERIFY(Module.RecordIndexDirty);
    Module.RecordIndexDirty = false;
    FUser->AnswerMsgBox(MsgResult::Ok);
    Module.RSW2->DeleteRec();
    QVERIFY(Module.RecordIndexDirty);
    QCOMPARE(Module.RSW2->RecordCount(), 1);
    Module.CloseCompany();
}

void TstFrmDataModule::validEmployeeCount_data()
{
    QTest::addColumn<QList<double>>("box1");
    QTest::addColumn<QList<double>>("box16");
    QTest::addColumn<int>("count");
    QTest::newRow("zero wages") << QList<double> { 0 } << QList<double> { 0 } << 0;
    QTest::newRow("0.004 rounds to nothing") << QList<double> { 0.004 } << QList<double> { 0 } << 0;
    QTest::newRow("0.005 rounds up to a cent") << QList<double> { 0.005 } << QList<double> { 0 } << 1;
    QTest::newRow("negative wages") << QList<double> { -100 } << QList<double> { 0 } << 0;
    QTest::newRow("minus half a cent") << QList<double> { -0.005 } << QList<double> { 0 } << 0;
    QTest::newRow("state wages 0.005 alone") << QList<double> { 0 } << QList<double> { 0.005 } << 1;
    QTest::newRow("both 0.004") << QList<double> { 0.004 } << QList<double> { 0.004 } << 0;
    QTest::newRow("negative wages, state wages") << QList<double> { -1 } << QList<double> { 50 } << 1;
    QTest::newRow("mixed file") << QList<double> { 1000, 0, 0.004, 0.005, -1, 0, -3 }
                                << QList<double> { 0, 0, 0, 0, 50, 0.01, -3 } << 4;
}

// Counted over the file in a walk that returns to the record it came from
// and writes nothing.
void TstFrmDataModule::validEmployeeCount()
{
    QFETCH(QList<double>, box1);
    QFETCH(QList<double>, box16);
    QFETCH(int, count);
    QList<QByteArray> Employees;
    for (int I = 0; I < box1.size(); ++I)
        Employees << EmployeeBytes(QByteArray("E") + QByteArray::number(I), box1[I], box16[I]);
    WritePair(QStringLiteral("Acme"), EmployerBytes(), Employees);
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    const int Current = qMin(2, int(Employees.size()));
    Module.RSW2->SetCurrentRecord(Current);
    Module.RSW2->GetRec();

    QCOMPARE(Module.ValidEmployeeCount(), count);

    QCOMPARE(Module.RSW2->CurrentRecord(), Current);
    QCOMPARE(Module.CurrentEmployee.Bytes(), Employees[Current - 1]);
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))), Employees.join());
    Module.CloseCompany();
}

void TstFrmDataModule::failedReadThenPostKeepsOtherEmployees_data()
{
    QTest::addColumn<QString>("Action");
    QTest::newRow("next employee") << "next";
    QTest::newRow("valid employee count") << "count";
    QTest::newRow("W-3 totals") << "totals";
    QTest::newRow("EFW2 client") << "efw2";
    QTest::newRow("record list index") << "index";
}

// The W-2 window shows the first employee and keeps it while a read fails,
// either on the move to the next employee or in a walk over the file that
// fails on the third record. Its next post must write that employee back to
// the first record and leave every other employee's bytes as they were.
void TstFrmDataModule::failedReadThenPostKeepsOtherEmployees()
{
    QFETCH(QString, Action);
    const QList<QByteArray> Employees { EmployeeBytes("ANN", 100), EmployeeBytes("BOB", 200),
        EmployeeBytes("CAL", 300), EmployeeBytes("DOT", 400) };
    WritePair(QStringLiteral("Acme"), EmployerBytes(), Employees);
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("Acme")));
    TRecordSet &RSW2 = *Module.RSW2;
    QCOMPARE(RSW2.CurrentRecord(), 1);
    EmployeeRecord Shown = Module.CurrentEmployee;
    Shown.SetBox1Wages(150);

    bool Armed = Action != QLatin1String("next");
    Append(RSW2.OnAfterRead, [&Armed](TRecordSet *Sender) {
        if (Armed && Sender->CurrentRecord() == 2) {
            Armed = false;
            QVERIFY(MakeReadsFail(*Sender));
        }
    });
    if (!Armed)
        QVERIFY(MakeReadsFail(RSW2));
    Module.RecordIndexDirty = true;
    const QByteArray EmployerBefore = Module.CurrentEmployer.Bytes();
    try {
        if (Action == QLatin1String("next"))
            RSW2.NextRec();
        else if (Action == QLatin1String("count"))
            Module.ValidEmployeeCount();
        else if (Action == QLatin1String("totals"))
            ComputeW3Totals(Module);
        else if (Action == QLatin1String("efw2"))
            ReadEFW2Client(Module);
        else
            TRecordIndex::Instance().Build(Module, RSW2.RecordCount());
        QFAIL("the failed read passed silently");
    } catch (const ERecordFileException &) {
    }
    QVERIFY(!Armed);
    QCOMPARE(RSW2.CurrentRecord(), 1);
    // No total of some employees only.
    QCOMPARE(Module.CurrentEmployer.Bytes(), EmployerBefore);

    QVERIFY(RestoreReads(RSW2));
    Module.CurrentEmployee = Shown;
    RSW2.PostRec();
    Module.CloseCompany();
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))), Shown.Bytes() + Employees[1] + Employees[2] + Employees[3]);
}

// The employee file cannot be opened after the employer file was: the
// employer file is let go unwritten and no company counts as open.
void TstFrmDataModule::employeeFileUnopenable()
{
    const QByteArray Employer = EmployerBytes();
    TRecordBytes::WriteFile(W3(QStringLiteral("Acme")), { Employer });
    QVERIFY(QDir(FDir->path()).mkdir(QStringLiteral("Acme.W225")));
    TFrmDataModule Module;
    Instrument(Module);

    Module.OpenCompany(W2(QStringLiteral("Acme")));

    QCOMPARE(FLog,
        QStringList({ QStringLiteral("RSW3 opened"), QStringLiteral("RSW3 read 1"),
            QStringLiteral("MsgBox Unable to open database file"), QStringLiteral("RSW3 closed") }));
    QVERIFY(!Module.RSW2->Active());
    QVERIFY(!Module.RSW3->Active());
    QVERIFY(!Module.CompanyFileOpen);
    QVERIFY(Module.CurrentW2File.isEmpty());
    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))), Employer);
    QVERIFY(FileIsFree(W3(QStringLiteral("Acme"))));

    WritePair(QStringLiteral("Other"), EmployerBytes({}, "CA"), { EmployeeBytes("ANN", 100) });
    Module.OpenCompany(W2(QStringLiteral("Other")));
    QVERIFY(Module.CompanyFileOpen);
    QCOMPARE(Module.RSW3->FileName(), W3(QStringLiteral("Other")));
    QCOMPARE(Module.CurrentEmployer.Box15State(), QStringLiteral("CA"));
    Module.CloseCompany();
}

// No employer file, no company: the employee file is not touched, and the
// password of the company opened before is not asked for.
void TstFrmDataModule::employerFileUnopenable()
{
    WritePair(QStringLiteral("Locked"), EmployerBytes(StoredSecret1), { EmployeeBytes("ANN", 100) });
    QVERIFY(QDir(FDir->path()).mkdir(QStringLiteral("Acme.W325")));
    TFrmDataModule Module;
    FUser->AnswerPassword(QStringLiteral("Secret1"));
    Module.OpenCompany(W2(QStringLiteral("Locked")));
    Module.CloseCompany();
    FUser->Clear();

    Module.OpenCompany(W2(QStringLiteral("Acme")));

    QCOMPARE(FUser->MessageTexts(), QStringList { QStringLiteral("Unable to open database file") });
    QCOMPARE(FUser->Calls().size(), 1);
    QVERIFY(!Module.CompanyFileOpen);
    QVERIFY(!Module.RSW3->Active() && !Module.RSW2->Active());
    QVERIFY(!QFileInfo::exists(W2(QStringLiteral("Acme"))));
}

void TstFrmDataModule::openingClosesThePreviousPair()
{
    WritePair(QStringLiteral("First"), EmployerBytes(), { EmployeeBytes("ANN", 100) });
    WritePair(QStringLiteral("Second"), EmployerBytes({}, "CA"), { EmployeeBytes("BOB", 200) });
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("First")));
    Module.CurrentEmployee.SetFirstName(QStringLiteral("ANNA"));
    Instrument(Module);

    Module.OpenCompany(W2(QStringLiteral("Second")));

    QVERIFY(FLog.contains(QStringLiteral("RecentFileClosed ") + W2(QStringLiteral("First"))));
    QCOMPARE(Bytes(W2(QStringLiteral("First"))).mid(23, 5),
        QByteArray("\x04"
                   "ANNA"));
    QVERIFY(FileIsFree(W3(QStringLiteral("First"))));
    QVERIFY(Module.CompanyFileOpen);
    QCOMPARE(Module.CurrentW2File, W2(QStringLiteral("Second")));
    QCOMPARE(Module.CurrentEmployee.FirstName(), QStringLiteral("BOB"));
    Module.CloseCompany();
}

void TstFrmDataModule::failedEmployerWriteAtCloseLeavesNoPairOpen_data()
{
    QTest::addColumn<bool>("OpenAnother");
    QTest::newRow("close") << false;
    QTest::newRow("opening another company") << true;
}

// The employer record cannot be written once the employee file is closed:
// the failure is raised, and the employer file does not stay open alone,
// where the next company opened would take it for its own.
void TstFrmDataModule::failedEmployerWriteAtCloseLeavesNoPairOpen()
{
    QFETCH(bool, OpenAnother);
    const QByteArray First = EmployerBytes();
    WritePair(QStringLiteral("First"), First, { EmployeeBytes("ANN", 100) });
    WritePair(QStringLiteral("Second"), EmployerBytes({}, "CA"), { EmployeeBytes("BOB", 200) });
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("First")));
    Module.CurrentEmployee.SetFirstName(QStringLiteral("ANNA"));
    Module.CurrentEmployer.SetEmployerName(QStringLiteral("NOT WRITTEN"));
    QVERIFY(MakeWritesFail(*Module.RSW3));

    QString Raised;
    try {
        if (OpenAnother)
            Module.OpenCompany(W2(QStringLiteral("Second")));
        else
            Module.CloseCompany();
    } catch (const ERecordFileException &Error) {
        Raised = Error.Message();
    }

    QVERIFY2(Raised.contains(W3(QStringLiteral("First"))), qPrintable(Raised));
    QVERIFY(!Module.RSW2->Active());
    QVERIFY(!Module.RSW3->Active());
    QVERIFY(!Module.CompanyFileOpen);
    QVERIFY(Module.CurrentW2File.isEmpty());
    QVERIFY(FileIsFree(W3(QStringLiteral("First"))));
    QCOMPARE(Bytes(W3(QStringLiteral("First"))), First);
    QCOMPARE(Bytes(W2(QStringLiteral("First"))).mid(23, 5),
        QByteArray("\x04"
                   "ANNA"));

    Module.OpenCompany(W2(QStringLiteral("Second")));
    QVERIFY(Module.CompanyFileOpen);
    QCOMPARE(Module.CurrentEmployer.Box15State(), QStringLiteral("CA"));
    Module.CurrentEmployer.SetEmployerName(QStringLiteral("SECOND CO"));
    Module.CloseCompany();
    QCOMPARE(Bytes(W3(QStringLiteral("First"))), First);
    QCOMPARE(Bytes(W3(QStringLiteral("Second"))).mid(44, 10),
        QByteArray("\x09"
                   "SECOND CO"));
}

// Nothing of the company opened before shows through a file that holds no
// complete record, neither its data nor its password.
void TstFrmDataModule::filesWithoutACompleteRecordReadAsEmpty()
{
    WritePair(QStringLiteral("Locked"), EmployerBytes(StoredSecret1), { EmployeeBytes("ANN", 100) });
    TRecordBytes::WriteFile(W3(QStringLiteral("Bare")), {}, QByteArray(300, 'x'));
    TRecordBytes::WriteFile(W2(QStringLiteral("Bare")), {});
    TFrmDataModule Module;
    FUser->AnswerPassword(QStringLiteral("Secret1"));
    Module.OpenCompany(W2(QStringLiteral("Locked")));
    Module.CloseCompany();

    Module.OpenCompany(W2(QStringLiteral("Bare")));

    QVERIFY(Module.CompanyFileOpen);
    QCOMPARE(FUser->Calls().size(), 1);
    QCOMPARE(Module.CurrentEmployer.Bytes(), QByteArray(608, '\0'));
    QCOMPARE(Module.CurrentEmployee.Bytes(), QByteArray(480, '\0'));
    Module.CloseCompany();
}

// Every write of the working records goes to record 1 and is read back at
// the next open, however many times the records are written.
void TstFrmDataModule::filesWithoutACompleteRecordKeepWhatIsWritten()
{
    TRecordBytes::WriteFile(W3(QStringLiteral("Bare")), {}, QByteArray(300, 'x'));
    TRecordBytes::WriteFile(W2(QStringLiteral("Bare")), {});
    TFrmDataModule Module;
    Module.OpenCompany(W2(QStringLiteral("Bare")));
    for (const QString &Name : { QStringLiteral("FIRST"), QStringLiteral("SECOND") }) {
        Module.CurrentEmployer.SetEmployerName(Name);
        Module.RSW3->PostRec();
        Module.CurrentEmployee.SetFirstName(Name);
        Module.RSW2->PostRec();
    }
    Module.CurrentEmployer.SetEmployerName(QStringLiteral("LAST"));
    Module.CurrentEmployee.SetFirstName(QStringLiteral("LAST"));
    Module.CloseCompany();

    QCOMPARE(Bytes(W3(QStringLiteral("Bare"))).size(), 608);
    QCOMPARE(Bytes(W2(QStringLiteral("Bare"))).size(), 480);
    Module.OpenCompany(W2(QStringLiteral("Bare")));
    QCOMPARE(Module.CurrentEmployer.EmployerName(), QStringLiteral("LAST"));
    QCOMPARE(Module.CurrentEmployee.FirstName(), QStringLiteral("LAST"));
    QCOMPARE(Module.RSW2->RecordCount(), 1);
    Module.CloseCompany();
}

// The owner closes the company; a module destroyed with a pair open lets go
// of the files without writing the working records.
void TstFrmDataModule::destroyingWritesNothing()
{
    const QByteArray Employer = EmployerBytes();
    WritePair(QStringLiteral("Acme"), Employer, { EmployeeBytes("ANN", 100) });
    {
        TFrmDataModule Module;
        Module.OpenCompany(W2(QStringLiteral("Acme")));
        Module.CurrentEmployer.SetEmployerName(QStringLiteral("CHANGED"));
        Module.CurrentEmployee.SetFirstName(QStringLiteral("CHANGED"));
    }
    QCOMPARE(Bytes(W3(QStringLiteral("Acme"))), Employer);
    QCOMPARE(Bytes(W2(QStringLiteral("Acme"))), EmployeeBytes("ANN", 100));
    QVERIFY(FileIsFree(W3(QStringLiteral("Acme"))));
    QVERIFY(FileIsFree(W2(QStringLiteral("Acme"))));
}

void TstFrmDataModule::w3FileFor_data()
{
    QTest::addColumn<QString>("w2");
    QTest::addColumn<QString>("w3");
    QTest::newRow("plain") << QStringLiteral("/data/Acme.W225") << QStringLiteral("/data/Acme.W325");
    QTest::newRow("points in the name")
        << QStringLiteral("/data/Acme 2025.old.W225") << QStringLiteral("/data/Acme 2025.old.W325");
    QTest::newRow("lower-case extension")
        << QStringLiteral("/data/acme.w225") << QStringLiteral("/data/acme.W325");
    QTest::newRow("no extension, point in the folder")
        << QStringLiteral("/data.d/Acme") << QStringLiteral("/data.d/Acme.W325");
}

void TstFrmDataModule::w3FileFor()
{
    QFETCH(QString, w2);
    QFETCH(QString, w3);
    QCOMPARE(W3FileFor(w2), w3);
}

namespace {

// What a folder holds, file by file (a folder shows as "/"), hidden files too,
// so that a temporary file left behind shows.
QStringList FolderContents(const QString &Folder)
{
    QStringList Contents;
    for (const QFileInfo &Entry :
        QDir(Folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        Contents << Entry.fileName() + QLatin1Char('=')
                + (Entry.isDir() ? QByteArray("/") : TRecordBytes::ReadFile(Entry.filePath())).toHex();
    return Contents;
}

} // namespace

void TstFrmDataModule::copyCompanyPair_data()
{
    QTest::addColumn<QString>("Setup");
    QTest::addColumn<QString>("Reason"); // empty: the copy is made
    QTest::newRow("replaces the pair") << ""
                                       << "";
    QTest::newRow("makes a new pair") << "no target"
                                      << "";
    QTest::newRow("source employer file missing") << "no source W3"
                                                  << "No such file or directory";
    QTest::newRow("source employee file missing") << "no source W2"
                                                  << "No such file or directory";
    QTest::newRow("source employer file is a folder") << "source W3 folder"
                                                      << "Is a directory";
    QTest::newRow("second copy cut short by a full disk") << "disk full"
                                                          << "File too large";
    QTest::newRow("target employer file is read-only") << "read-only target W3"
                                                       << "Permission denied";
    // The employee file is already in place when the employer file cannot follow.
    QTest::newRow("last rename fails") << "target W3 folder"
                                       << "Is a directory";
    QTest::newRow("last rename fails, no old employee file") << "target W3 folder, no target W2"
                                                             << "Is a directory";
}

void TstFrmDataModule::copyCompanyPair()
{
    QFETCH(QString, Setup);
    QFETCH(QString, Reason);
    const QString From = FDir->filePath(QStringLiteral("from/Acme.W225"));
    const QString To = FDir->filePath(QStringLiteral("to/Acme.W225"));
    QVERIFY(QDir().mkpath(FDir->filePath(QStringLiteral("from"))));
    QVERIFY(QDir().mkpath(FDir->filePath(QStringLiteral("to"))));
    // The new employee file is smaller than the new employer file, the old one larger.
    TRecordBytes::WriteFile(From, { EmployeeBytes("NEWANN") });
    TRecordBytes::WriteFile(W3FileFor(From), { EmployerBytes({}, "TX") });
    if (!Setup.contains(QLatin1String("no target"))) {
        TRecordBytes::WriteFile(To, { EmployeeBytes("OLDANN"), EmployeeBytes("OLDBOB") });
        TRecordBytes::WriteFile(W3FileFor(To), { EmployerBytes() });
    }
    if (Setup == QLatin1String("no source W3") || Setup == QLatin1String("source W3 folder"))
        QVERIFY(QFile::remove(W3FileFor(From)));
    if (Setup == QLatin1String("source W3 folder"))
        QVERIFY(QDir().mkpath(W3FileFor(From)));
    if (Setup == QLatin1String("no source W2"))
        QVERIFY(QFile::remove(From));
    if (Setup.startsWith(QLatin1String("target W3 folder"))) {
        QFile::remove(W3FileFor(To));
        QVERIFY(QDir().mkpath(W3FileFor(To)));
    }
    const bool AsUser = Setup == QLatin1String("read-only target W3");
    if (AsUser) {
        const QFile::Permissions Open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
            | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(FDir->path(), Open));
        QVERIFY(QFile::setPermissions(FDir->filePath(QStringLiteral("to")), Open | QFile::WriteOther));
        QVERIFY(QFile::setPermissions(W3FileFor(To), QFile::ReadOwner | QFile::ReadOther));
    }
    const QStringList Sources = FolderContents(FDir->filePath(QStringLiteral("from")));
    const QStringList Targets = FolderContents(FDir->filePath(QStringLiteral("to")));

    rlimit Old;
    ::getrlimit(RLIMIT_FSIZE, &Old);
    rlimit Limit = Old;
    Limit.rlim_cur = 550;
    if (Setup == QLatin1String("disk full"))
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &Limit) == 0);
    CopyFailed = !Reason.isEmpty();
    QString Message;
    try {
        std::optional<TUnprivilegedFiles> Unprivileged;
        if (AsUser)
            Unprivileged.emplace();
        CopyCompanyPair(From, To);
    } catch (const ECopyFileException &Error) {
        Message = Error.Message();
    }
    ::setrlimit(RLIMIT_FSIZE, &Old);

    QCOMPARE(FolderContents(FDir->filePath(QStringLiteral("from"))), Sources);
    QCOMPARE(CopyFailed, !Reason.isEmpty());
    if (Reason.isEmpty()) {
        QCOMPARE(Message, QString());
        QCOMPARE(FolderContents(FDir->filePath(QStringLiteral("to"))), Sources);
        return;
    }
    QCOMPARE(Message, QStringLiteral("The following error occured during the copy file process:\r") + Reason);
    QCOMPARE(FolderContents(FDir->filePath(QStringLiteral("to"))), Targets);
}

QMRK_TEST_MAIN(TstFrmDataModule)
#include "tst_frmdatamodule.moc"
