#include "AppInfo.h"
#include "ERecordFileException.h"
#include "MsgBox.h"
#include "QmrkTestMain.h"
#include "TFailingWrites.h"
#include "THostileFiles.h"
#include "TRecordSet.h"
#include "TScriptedInteraction.h"
#include "TUnprivilegedFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int Size = 40;

// Record n of a fixture file: its number in the first byte, then a letter
// that tells the records apart when the bytes are printed.
QByteArray Record(int N, int RecSize = Size)
{
    QByteArray Bytes(RecSize, char('a' + (N - 1) % 26));
    Bytes[0] = char(N);
    return Bytes;
}

QByteArray Records(int Count, int RecSize = Size)
{
    QByteArray Bytes;
    for (int N = 1; N <= Count; ++N)
        Bytes += Record(N, RecSize);
    return Bytes;
}

QByteArray ReadFile(const QString &Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString &Path, const QByteArray &Bytes)
{
    QFile File(Path);
    QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(File.write(Bytes), Bytes.size());
}

// The number in the first byte of the record set's buffer: which record it holds.
int BufferRecord(const TRecordSet &Set)
{
    return int(quint8(Set.RecordBuffer()[0]));
}

// One step of a navigation table: N next, P prior, F first, L last, R root,
// U push, ! pop, G get.
void Perform(TRecordSet &Set, char Step)
{
    switch (Step) {
    case 'N':
        Set.NextRec();
        break;
    case 'P':
        Set.PriorRec();
        break;
    case 'F':
        Set.FirstRec();
        break;
    case 'L':
        Set.LastRec();
        break;
    case 'R':
        Set.RootRec();
        break;
    case 'U':
        Set.PushRec();
        break;
    case '!':
        Set.PopRec();
        break;
    case 'G':
        Set.GetRec();
        break;
    }
}

// A whole-file walk as the program's scans write it, held by the guard.
void GuardedWalk(TRecordSet &Set)
{
    Set.ScanRecords(Set.RecordCount(), [](int) {});
}

} // namespace

class TstRecordSet : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TScriptedInteraction> Person;
    QStringList Events;

    QString PathOf(const QString &Name) const { return Dir->filePath(Name); }
    // Records every notification, by name, into Events.
    void Listen(TRecordSet &Set);
    // An active set of Size-byte records on a file of Count fixture records.
    std::unique_ptr<TRecordSet> OpenOn(int Count, const QString &Name = QStringLiteral("data.dat"));

private Q_SLOTS:
    void init();
    void cleanup();

    void constructorDefaults();
    void recSize_data();
    void recSize();
    void createsMissingFileWithOneZeroRecord();
    void trailingPartialRecordIsIgnored();
    void emptyFileOpensWithNoRecords();
    void positioning_data();
    void positioning();
    void navigation_data();
    void navigation();
    void wholeFileWalkVisitsEveryRecordAndReturns();
    void pushKeepsOneLevel();
    void postWritesTheCurrentRecord();
    void newRecAppendsZeroRecord();
    void newRecAtLimitIsRefusedSilently();
    void deleteRec_data();
    void deleteRec();
    void veto_data();
    void veto();
    void inactiveSetIgnoresOperations();
    void openFailures_data();
    void openFailures();
    void unfitFilesAreNotOpened_data();
    void unfitFilesAreNotOpened();
    void captionsDefaultToTheApplicationTitle();
    void secondOpenerFallsBackToBrowseOnly();
    void browseOnlyWithoutMessage();
    void exclusiveOpenerLocksOthersOut();
    void fileWithoutWritePermissionOpensBrowseOnly();
    void failedWrites_data();
    void failedWrites();
    void failedAppendKeepsTheFileAndLastRecord();
    void failedReadLeavesTheCursor_data();
    void failedReadLeavesTheCursor();
    void scanCutShortReturnsWithoutReading_data();
    void scanCutShortReturnsWithoutReading();
    void finishedScanStillReadsOnPop();
    void vanishedFileFailsTheReopenAfterDelete();
    void deletedFileKeepsItsLockAndPermissions();
    void failedDeleteLosesNoRecord_data();
    void failedDeleteLosesNoRecord();
};

void TstRecordSet::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(Dir->isValid());
    Person = std::make_unique<TScriptedInteraction>();
    Events.clear();
}

void TstRecordSet::cleanup()
{
    const QString Problems = Person->Problems();
    Person.reset();
    Dir.reset();
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
}

void TstRecordSet::Listen(TRecordSet &Set)
{
    const auto Note = [this](const char *Name) { return [this, Name](TRecordSet *) { Events << Name; }; };
    Set.OnCreateFile = Note("CreateFile");
    Set.OnAfterClose = Note("AfterClose");
    Set.OnAfterDelete = Note("AfterDelete");
    Set.OnAfterNewRec = Note("AfterNewRec");
    Set.OnAfterOpen = Note("AfterOpen");
    Set.OnAfterPost = Note("AfterPost");
    Set.OnAfterRead = Note("AfterRead");
    Set.OnBeforeClose = Note("BeforeClose");
    Set.OnBeforeDelete = Note("BeforeDelete");
    Set.OnBeforeNewRec = Note("BeforeNewRec");
    Set.OnBeforeOpen = Note("BeforeOpen");
    Set.OnBeforePost = Note("BeforePost");
}

std::unique_ptr<TRecordSet> TstRecordSet::OpenOn(int Count, const QString &Name)
{
    WriteFile(PathOf(Name), Records(Count));
    auto Set = std::make_unique<TRecordSet>();
    Set->SetRecSize(Size);
    Set->SetFileName(PathOf(Name));
    Set->OpenRecSet();
    return Set;
}

void TstRecordSet::constructorDefaults()
{
    TRecordSet Set;
    QCOMPARE(Set.RecSize(), 32);
    QCOMPARE(QByteArray(Set.RecordBuffer(), 32), QByteArray(32, '\0'));
    QCOMPARE(Set.FileName(), QString());
    QCOMPARE(Set.FileOpenMode(), TFileOpenMode::omOpenReadWrite);
    QCOMPARE(Set.FileShareMode(), TFileShareMode::smShareDenyNone);
    QCOMPARE(Set.FirstRecord(), 1);
    QCOMPARE(Set.PriorRecord(), 0);
    QCOMPARE(Set.LastRecord(), 0);
    QCOMPARE(Set.CurrentRecord(), 0);
    QCOMPARE(Set.MaxRec(), 10000);
    QCOMPARE(Set.RecordCount(), 0);
    QVERIFY(!Set.Active());
    QVERIFY(Set.AutoCreate());
    QVERIFY(Set.ShowOpenMode());
    QVERIFY(!Set.BrowseOnly());
    QCOMPARE(Set.OpenErrText, QStringLiteral("Unable to open database file"));
    QCOMPARE(Set.NewErrText,
        QStringLiteral("Unable to create new record.~You have reached the maximum number "
                       "of records that~can be created with this version of the program."));
    QCOMPARE(Set.DelErrText,
        QStringLiteral("Unable to delete current record~you cannot delete the first "
                       "record when~its the only record in the database."));
    QCOMPARE(Set.DelMsgText, QStringLiteral("Confirm request~Delete current record from database?"));
    for (const QString *Caption :
        { &Set.OpenErrCaption, &Set.NewErrCaption, &Set.DelErrCaption, &Set.DelMsgCaption, &Set.AppTitle })
        QVERIFY(Caption->isEmpty());
}

void TstRecordSet::recSize_data()
{
    QTest::addColumn<int>("NewSize");
    QTest::addColumn<int>("ExpectedSize");
    QTest::addColumn<bool>("BufferKept");
    QTest::newRow("below 32 ignored") << 31 << 40 << true;
    QTest::newRow("negative ignored") << -1 << 40 << true;
    QTest::newRow("same size keeps the contents") << 40 << 40 << true;
    QTest::newRow("32 accepted") << 32 << 32 << false;
    QTest::newRow("480 accepted") << 480 << 480 << false;
}

void TstRecordSet::recSize()
{
    QFETCH(int, NewSize);
    QFETCH(int, ExpectedSize);
    QFETCH(bool, BufferKept);
    TRecordSet Set;
    Set.SetRecSize(40);
    std::memset(Set.RecordBuffer(), 'x', 40);
    Set.SetRecSize(NewSize);
    QCOMPARE(Set.RecSize(), ExpectedSize);
    QCOMPARE(QByteArray(Set.RecordBuffer(), ExpectedSize), QByteArray(ExpectedSize, BufferKept ? 'x' : '\0'));
}

void TstRecordSet::createsMissingFileWithOneZeroRecord()
{
    TRecordSet Set;
    Set.SetRecSize(480);
    std::memset(Set.RecordBuffer(), 'x', 480);
    Set.SetFileName(PathOf(QStringLiteral("new.W225")));
    Listen(Set);
    Set.OpenRecSet();
    QVERIFY(Set.Active());
    QCOMPARE(ReadFile(Set.FileName()), QByteArray(480, '\0'));
    QCOMPARE(Set.LastRecord(), 1);
    QCOMPARE(Set.CurrentRecord(), 1);
    QCOMPARE(QByteArray(Set.RecordBuffer(), 480), QByteArray(480, '\0'));
    QCOMPARE(Events, QStringList({ "BeforeOpen", "CreateFile", "AfterOpen" }));
    Set.CloseRecSet();
}

void TstRecordSet::trailingPartialRecordIsIgnored()
{
    QByteArray Bytes = Records(2, 480) + QByteArray(40, 'z');
    QCOMPARE(Bytes.size(), 1000);
    WriteFile(PathOf(QStringLiteral("odd.dat")), Bytes);
    TRecordSet Set;
    Set.SetRecSize(480);
    Set.SetFileName(PathOf(QStringLiteral("odd.dat")));
    Set.OpenRecSet();
    QCOMPARE(Set.RecordCount(), 2);
    QCOMPARE(Set.LastRecord(), 2);
    Set.LastRec();
    QCOMPARE(QByteArray(Set.RecordBuffer(), 480), Record(2, 480));
    Set.NextRec();
    QCOMPARE(Set.CurrentRecord(), 1);
    QCOMPARE(QByteArray(Set.RecordBuffer(), 480), Record(1, 480));
    Set.CloseRecSet();
    QCOMPARE(ReadFile(PathOf(QStringLiteral("odd.dat"))), Bytes);
}

void TstRecordSet::emptyFileOpensWithNoRecords()
{
    WriteFile(PathOf(QStringLiteral("empty.dat")), QByteArray());
    TRecordSet Set;
    Set.SetRecSize(Size);
    Set.SetFileName(PathOf(QStringLiteral("empty.dat")));
    Listen(Set);
    Set.OpenRecSet();
    QVERIFY(Set.Active());
    QCOMPARE(Set.LastRecord(), 0);
    QCOMPARE(Set.CurrentRecord(), 1);
    std::memset(Set.RecordBuffer(), 'x', Size);
    Set.SetCurrentRecord(1);
    Set.GetRec();
    QCOMPARE(QByteArray(Set.RecordBuffer(), Size), QByteArray(Size, 'x'));
    QCOMPARE(Events, QStringList({ "BeforeOpen", "AfterOpen", "AfterRead" }));
    Set.CloseRecSet();
    QCOMPARE(ReadFile(PathOf(QStringLiteral("empty.dat"))), QByteArray());
}

void TstRecordSet::positioning_data()
{
    QTest::addColumn<int>("Target");
    QTest::addColumn<int>("ExpectedCursor");
    QTest::newRow("first") << 1 << 1;
    QTest::newRow("last") << 3 << 3;
    QTest::newRow("middle") << 2 << 2;
    QTest::newRow("zero refused") << 0 << 2;
    QTest::newRow("negative refused") << -5 << 2;
    QTest::newRow("past the last refused") << 4 << 2;
}

void TstRecordSet::positioning()
{
    QFETCH(int, Target);
    QFETCH(int, ExpectedCursor);
    auto Set = OpenOn(3);
    Set->SetCurrentRecord(2);
    Set->SetCurrentRecord(Target);
    QCOMPARE(Set->CurrentRecord(), ExpectedCursor);
    Set->GetRec();
    QCOMPARE(BufferRecord(*Set), ExpectedCursor);
    Set->CloseRecSet();
}

void TstRecordSet::navigation_data()
{
    QTest::addColumn<int>("Start");
    QTest::addColumn<QString>("Steps");
    QTest::addColumn<int>("ExpectedCursor");
    QTest::addColumn<bool>("Bof");
    QTest::addColumn<bool>("Eof");
    QTest::newRow("next") << 1 << "N" << 2 << false << false;
    QTest::newRow("next on the last wraps to the first") << 3 << "N" << 1 << true << false;
    QTest::newRow("prior") << 3 << "P" << 2 << false << false;
    QTest::newRow("prior on the first wraps to the last") << 1 << "P" << 3 << false << true;
    QTest::newRow("first") << 2 << "F" << 1 << true << false;
    QTest::newRow("last") << 2 << "L" << 3 << false << true;
    QTest::newRow("root then next gives the first") << 2 << "RN" << 1 << true << false;
    QTest::newRow("root then pop returns") << 2 << "RP!" << 2 << false << false;
    QTest::newRow("push, move, pop") << 3 << "UFN!" << 3 << false << true;
    QTest::newRow("full circle") << 2 << "NNN" << 2 << false << false;
}

// Steps: N next, P prior, F first, L last, R root, U push, ! pop; a "P"
// right after "R" stands for pop so the table reads as the callers write it.
void TstRecordSet::navigation()
{
    QFETCH(int, Start);
    QFETCH(QString, Steps);
    QFETCH(int, ExpectedCursor);
    QFETCH(bool, Bof);
    QFETCH(bool, Eof);
    auto Set = OpenOn(3);
    Set->SetCurrentRecord(Start);
    Set->GetRec();
    QChar Previous;
    for (QChar Step : Steps) {
        Perform(*Set, Previous == QLatin1Char('R') && Step == QLatin1Char('P') ? '!' : Step.toLatin1());
        Previous = Step;
    }
    QCOMPARE(Set->CurrentRecord(), ExpectedCursor);
    QCOMPARE(BufferRecord(*Set), ExpectedCursor);
    QCOMPARE(Set->Bof(), Bof);
    QCOMPARE(Set->Eof(), Eof);
    Set->CloseRecSet();
}

void TstRecordSet::wholeFileWalkVisitsEveryRecordAndReturns()
{
    auto Set = OpenOn(5);
    Set->SetCurrentRecord(4);
    Set->GetRec();
    QList<int> Seen;
    Set->OnAfterRead = [&Seen](TRecordSet *Sender) { Seen << BufferRecord(*Sender); };
    Set->RootRec();
    QCOMPARE(Set->CurrentRecord(), 0);
    QCOMPARE(Set->PriorRecord(), 4);
    const int Count = Set->RecordCount();
    for (int I = 0; I < Count; ++I)
        Set->NextRec();
    Set->PopRec();
    QCOMPARE(Seen, QList<int>({ 1, 2, 3, 4, 5, 4 }));
    QCOMPARE(Set->CurrentRecord(), 4);
    Set->CloseRecSet();
}

void TstRecordSet::pushKeepsOneLevel()
{
    auto Set = OpenOn(3);
    Set->SetCurrentRecord(1);
    Set->PushRec();
    Set->SetCurrentRecord(2);
    Set->PushRec();
    Set->LastRec();
    Set->PopRec();
    QCOMPARE(Set->CurrentRecord(), 2);
    Set->CloseRecSet();
}

void TstRecordSet::postWritesTheCurrentRecord()
{
    auto Set = OpenOn(3);
    Listen(*Set);
    Set->SetCurrentRecord(2);
    Set->GetRec();
    std::memset(Set->RecordBuffer() + 1, 'Q', Size - 1);
    Set->PostRec();
    QCOMPARE(Events, QStringList({ "AfterRead", "BeforePost", "AfterPost" }));
    QByteArray Expected = Records(3);
    Expected.replace(Size + 1, Size - 1, QByteArray(Size - 1, 'Q'));
    QCOMPARE(ReadFile(Set->FileName()), Expected);
    QCOMPARE(Set->CurrentRecord(), 2);
    Set->CloseRecSet();
}

void TstRecordSet::newRecAppendsZeroRecord()
{
    auto Set = OpenOn(2);
    Set->SetCurrentRecord(1);
    Set->GetRec();
    std::memset(Set->RecordBuffer(), 'x', Size);
    Listen(*Set);
    Set->NewRec();
    QCOMPARE(Events, QStringList({ "BeforeNewRec", "AfterRead", "AfterNewRec" }));
    QCOMPARE(Set->LastRecord(), 3);
    QCOMPARE(Set->CurrentRecord(), 3);
    QCOMPARE(QByteArray(Set->RecordBuffer(), Size), QByteArray(Size, '\0'));
    // The record that was current is not posted by the append.
    QCOMPARE(ReadFile(Set->FileName()), Records(2) + QByteArray(Size, '\0'));
    Set->CloseRecSet();
}

void TstRecordSet::newRecAtLimitIsRefusedSilently()
{
    auto Set = OpenOn(3);
    Set->SetMaxRec(3);
    Listen(*Set);
    Set->NewRec();
    QVERIFY(Events.isEmpty());
    QCOMPARE(Person->MessageBoxes().size(), 1);
    const TAskedCall Box = Person->MessageBoxes().first();
    QCOMPARE(Box.Text, TildeToCR(Set->NewErrText));
    QCOMPARE(Box.Caption, AppTitle());
    QCOMPARE(Box.Flags, 16);
    QCOMPARE(Set->NewErrCaption, AppTitle());
    QCOMPARE(Set->LastRecord(), 3);
    QCOMPARE(ReadFile(Set->FileName()), Records(3));
    Set->CloseRecSet();
}

void TstRecordSet::deleteRec_data()
{
    QTest::addColumn<int>("Count");
    QTest::addColumn<int>("Current");
    QTest::addColumn<int>("Answer"); // 0: no question expected
    QTest::addColumn<QList<int>>("ExpectedRecords");
    QTest::addColumn<int>("ExpectedCursor");
    QTest::addColumn<QStringList>("ExpectedEvents");
    const QStringList Moved2of3 = { "BeforeDelete", "AfterRead", "AfterRead", "AfterDelete" };
    QTest::newRow("only record refused") << 1 << 1 << 0 << QList<int>({ 1 }) << 1 << QStringList();
    QTest::newRow("cancelled") << 3 << 2 << 2 << QList<int>({ 1, 2, 3 }) << 2 << QStringList();
    QTest::newRow("middle of three") << 3 << 2 << 1 << QList<int>({ 1, 3 }) << 2 << Moved2of3;
    QTest::newRow("first of three") << 3 << 1 << 1 << QList<int>({ 2, 3 }) << 1
                                    << QStringList({ "BeforeDelete", "AfterRead", "AfterRead", "AfterRead",
                                           "AfterDelete" });
    QTest::newRow("last of three goes to the first")
        << 3 << 3 << 1 << QList<int>({ 1, 2 }) << 1
        << QStringList({ "BeforeDelete", "AfterRead", "AfterDelete" });
    QTest::newRow("one of two") << 2 << 1 << 1 << QList<int>({ 2 }) << 1 << Moved2of3;
}

void TstRecordSet::deleteRec()
{
    QFETCH(int, Count);
    QFETCH(int, Current);
    QFETCH(int, Answer);
    QFETCH(QList<int>, ExpectedRecords);
    QFETCH(int, ExpectedCursor);
    QFETCH(QStringList, ExpectedEvents);
    auto Set = OpenOn(Count);
    Set->SetCurrentRecord(Current);
    Set->GetRec();
    Listen(*Set);
    if (Answer)
        Person->AnswerMsgBox(Answer);
    Set->DeleteRec();

    QByteArray Expected;
    for (int N : ExpectedRecords)
        Expected += Record(N);
    QCOMPARE(ReadFile(Set->FileName()), Expected);
    QCOMPARE(Set->LastRecord(), int(ExpectedRecords.size()));
    QCOMPARE(Set->CurrentRecord(), ExpectedCursor);
    QCOMPARE(BufferRecord(*Set), ExpectedRecords.at(ExpectedCursor - 1));
    QCOMPARE(Events, ExpectedEvents);
    const TAskedCall Box = Person->MessageBoxes().value(0);
    if (Answer) {
        QCOMPARE(Box.Text, TildeToCR(Set->DelMsgText));
        QCOMPARE(Box.Flags, 289);
        QCOMPARE(Box.Caption, AppTitle());
        QCOMPARE(Set->DelMsgCaption, AppTitle());
    } else {
        QCOMPARE(Box.Text, TildeToCR(Set->DelErrText));
        QCOMPARE(Box.Flags, 16);
        QCOMPARE(Set->DelErrCaption, AppTitle());
    }
    QCOMPARE(Person->WaitCursorDepth(), 0);
    QCOMPARE(Person->WaitCursorShown(), int(ExpectedEvents.size() > 0));
    Set->CloseRecSet();
}

void TstRecordSet::veto_data()
{
    QTest::addColumn<QString>("Operation");
    QTest::newRow("open") << "open";
    QTest::newRow("close") << "close";
    QTest::newRow("post") << "post";
    QTest::newRow("new") << "new";
    QTest::newRow("delete") << "delete";
}

// A "before" handler that calls Cancel stops its operation, and the flag is
// consumed: the same operation goes through the next time.
void TstRecordSet::veto()
{
    QFETCH(QString, Operation);
    WriteFile(PathOf(QStringLiteral("data.dat")), Records(3));
    TRecordSet Set;
    Set.SetRecSize(Size);
    Set.SetFileName(PathOf(QStringLiteral("data.dat")));
    bool Refuse = true;
    const TRecordSetEvent Veto = [&Refuse](TRecordSet *Sender) {
        if (Refuse)
            Sender->Cancel();
    };
    if (Operation != QLatin1String("open"))
        Set.OpenRecSet();
    Set.SetCurrentRecord(2);
    std::memset(Set.RecordBuffer() + 1, 'Q', Size - 1);

    std::function<void()> Run;
    std::function<bool()> Happened;
    if (Operation == QLatin1String("open")) {
        Set.OnBeforeOpen = Veto;
        Run = [&] { Set.OpenRecSet(); };
        Happened = [&] { return Set.Active(); };
    } else if (Operation == QLatin1String("close")) {
        Set.OnBeforeClose = Veto;
        Run = [&] { Set.CloseRecSet(); };
        Happened = [&] { return !Set.Active(); };
    } else if (Operation == QLatin1String("post")) {
        Set.OnBeforePost = Veto;
        Run = [&] { Set.PostRec(); };
        Happened = [&] { return ReadFile(Set.FileName()) != Records(3); };
    } else if (Operation == QLatin1String("new")) {
        Set.OnBeforeNewRec = Veto;
        Run = [&] { Set.NewRec(); };
        Happened = [&] { return Set.LastRecord() == 4; };
    } else {
        Set.OnBeforeDelete = Veto;
        Run = [&] {
            Person->AnswerMsgBox(MsgResult::Ok);
            Set.DeleteRec();
        };
        Happened = [&] { return Set.LastRecord() == 2; };
    }
    Run();
    QVERIFY(!Happened());
    QCOMPARE(ReadFile(Set.FileName()), Records(3));
    Refuse = false;
    Run();
    QVERIFY(Happened());
    Set.OnBeforeClose = nullptr;
    Set.CloseRecSet();
}

void TstRecordSet::inactiveSetIgnoresOperations()
{
    WriteFile(PathOf(QStringLiteral("data.dat")), Records(2));
    TRecordSet Set;
    Set.SetRecSize(Size);
    Set.SetFileName(PathOf(QStringLiteral("data.dat")));
    Listen(Set);
    std::memset(Set.RecordBuffer(), 'x', Size);
    Set.CloseRecSet();
    Set.GetRec();
    Set.FirstRec();
    Set.LastRec();
    Set.NextRec();
    Set.PriorRec();
    Set.RootRec();
    Set.PushRec();
    Set.PopRec();
    Set.PostRec();
    Set.NewRec();
    Set.NewRecData();
    Set.DeleteRec();
    Set.SetCurrentRecord(1);
    QVERIFY(Events.isEmpty());
    QCOMPARE(Set.CurrentRecord(), 0);
    QCOMPARE(QByteArray(Set.RecordBuffer(), Size), QByteArray(Size, 'x'));
    QCOMPARE(ReadFile(Set.FileName()), Records(2));

    Set.OpenRecSet();
    Events.clear();
    Set.OpenRecSet();
    QVERIFY(Events.isEmpty());
    Set.CloseRecSet();
    QCOMPARE(Events, QStringList({ "BeforeClose", "AfterClose" }));
}

void TstRecordSet::openFailures_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<bool>("AutoCreate");
    QTest::newRow("empty name") << "" << true;
    QTest::newRow("blank name") << "   " << true;
    QTest::newRow("missing file, no create") << "@missing.dat" << false;
    QTest::newRow("missing folder") << "@no/such/folder/x.dat" << true;
    QTest::newRow("a folder, not a file") << "@" << true;
}

void TstRecordSet::openFailures()
{
    QFETCH(QString, Name);
    QFETCH(bool, AutoCreate);
    const QString FileName = Name.startsWith(QLatin1Char('@')) ? PathOf(Name.mid(1)) : Name;
    TRecordSet Set;
    Set.SetFileName(FileName);
    Set.SetAutoCreate(AutoCreate);
    Listen(Set);
    Set.OpenRecSet();
    QVERIFY(!Set.Active());
    QCOMPARE(Set.FileHandle(), -1);
    QCOMPARE(Events, QStringList({ "BeforeOpen" }));
    QCOMPARE(Person->MessageTexts(), QStringList({ "Unable to open database file" }));
    QCOMPARE(Person->MessageBoxes().first().Flags, 16);
    QVERIFY(!Set.LastOpenError().isEmpty());
    if (!FileName.trimmed().isEmpty())
        QVERIFY(!QFile::exists(FileName) || QFileInfo(FileName).isDir());
}

void TstRecordSet::unfitFilesAreNotOpened_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<int>("Access");
    QTest::addColumn<qint64>("Bytes");
    QTest::addColumn<bool>("Opens");
    // Ten records of 40 bytes and one more: a last record cut short still opens.
    QTest::newRow("at the limit") << "oversized" << 2 << qint64(440) << true;
    QTest::newRow("one byte over") << "oversized" << 2 << qint64(441) << false;
    QTest::newRow("sparse 64 GiB") << "oversized" << 2 << (qint64(64) << 30) << false;
    QTest::newRow("named pipe, read-write") << "fifo" << 2 << qint64(0) << false;
    QTest::newRow("named pipe, read only") << "fifo" << 0 << qint64(0) << false;
    QTest::newRow("endless device") << "zero" << 2 << qint64(0) << false;
    QTest::newRow("empty device, read only") << "null" << 0 << qint64(0) << false;
}

// A pipe, a device or a file far larger than any set of MaxRec records is
// refused at the open, with the reason, and never read or waited on.
void TstRecordSet::unfitFilesAreNotOpened()
{
    QFETCH(QString, Kind);
    QFETCH(int, Access);
    QFETCH(qint64, Bytes);
    QFETCH(bool, Opens);
    const QString FileName = PathOf(QStringLiteral("data.dat"));
    THostileFiles::Make(FileName, Kind, Bytes);
    TFifoReleaser Releaser(FileName);
    TRecordSet Set;
    Set.SetFileName(FileName);
    Set.SetRecSize(Size);
    Set.SetMaxRec(10);
    Set.SetFileOpenMode(TFileOpenMode(Access));
    Set.SetFileShareMode(TFileShareMode::smShareDenyWrite);
    Set.SetShowOpenMode(false);
    Set.OpenRecSet();
    QCOMPARE(Releaser.Released(), 0);
    QCOMPARE(Set.Active(), Opens);
    if (Opens) {
        QCOMPARE(Set.LastRecord(), 11);
        Set.CloseRecSet();
        return;
    }
    QCOMPARE(Set.FileHandle(), -1);
    QCOMPARE(Set.LastOpenError(), FileName + THostileFiles::Problem(Kind, Bytes, 440));
    QCOMPARE(Person->MessageTexts(), QStringList({ "Unable to open database file" }));
}

void TstRecordSet::captionsDefaultToTheApplicationTitle()
{
    TRecordSet Set;
    Set.OpenErrCaption = QStringLiteral("  ");
    Set.OpenRecSet();
    QCOMPARE(Set.OpenErrCaption, AppTitle());
    QCOMPARE(Set.AppTitle, AppTitle());
    QCOMPARE(Person->MessageBoxes().first().Caption, AppTitle());

    TRecordSet Own;
    Own.OpenErrCaption = QStringLiteral("Company");
    Own.OpenRecSet();
    QCOMPARE(Person->MessageBoxes().last().Caption, QStringLiteral("Company"));
}

void TstRecordSet::secondOpenerFallsBackToBrowseOnly()
{
    auto First = OpenOn(2);
    First->SetFileShareMode(TFileShareMode::smShareDenyWrite);
    First->CloseRecSet();
    First->OpenRecSet();
    QVERIFY(First->Active());
    QVERIFY(!First->BrowseOnly());

    TRecordSet Second;
    Second.SetRecSize(Size);
    Second.SetFileName(First->FileName());
    Second.SetFileShareMode(TFileShareMode::smShareDenyWrite);
    Second.AppTitle = QStringLiteral("Payroll");
    Second.OpenRecSet();
    QVERIFY(Second.Active());
    QVERIFY(Second.BrowseOnly());
    QCOMPARE(Second.LastRecord(), 2);
    QCOMPARE(Second.CurrentRecord(), 1);
    QCOMPARE(Person->MessageBoxes().size(), 1);
    const TAskedCall Box = Person->MessageBoxes().first();
    QCOMPARE(Box.Text,
        First->FileName()
            + QStringLiteral(" is already in use!\r\rThe file has been opened in "
                             "browse only mode. You will not be able to record "
                             "any changes."));
    QCOMPARE(Box.Caption, QStringLiteral("Payroll"));
    QCOMPARE(Box.Flags, 64);

    // Reading works; posts are dropped without an error; adding and deleting refuse.
    Second.SetCurrentRecord(2);
    Second.GetRec();
    QCOMPARE(BufferRecord(Second), 2);
    std::memset(Second.RecordBuffer(), 'Q', Size);
    Second.PostRec();
    QVERIFY_THROWS_EXCEPTION(ERecordFileException, Second.NewRec());
    Person->AnswerMsgBox(MsgResult::Ok);
    QVERIFY_THROWS_EXCEPTION(ERecordFileException, Second.DeleteRec());
    QCOMPARE(Second.LastRecord(), 2);
    Second.CloseRecSet();
    First->CloseRecSet();
    QCOMPARE(ReadFile(First->FileName()), Records(2));

    // Once the first opener is gone, the file opens for writing again.
    Second.OpenRecSet();
    QVERIFY(!Second.BrowseOnly());
    Second.CloseRecSet();
}

void TstRecordSet::browseOnlyWithoutMessage()
{
    auto First = OpenOn(1);
    First->CloseRecSet();
    First->SetFileShareMode(TFileShareMode::smShareDenyWrite);
    First->OpenRecSet();
    TRecordSet Second;
    Second.SetRecSize(Size);
    Second.SetFileName(First->FileName());
    Second.SetFileShareMode(TFileShareMode::smShareDenyWrite);
    Second.SetShowOpenMode(false);
    Second.OpenRecSet();
    QVERIFY(Second.BrowseOnly());
    QVERIFY(Person->MessageBoxes().isEmpty());
    Second.CloseRecSet();
    First->CloseRecSet();
}

void TstRecordSet::exclusiveOpenerLocksOthersOut()
{
    auto First = OpenOn(1);
    First->CloseRecSet();
    First->SetFileShareMode(TFileShareMode::smShareExclusive);
    First->OpenRecSet();
    TRecordSet Second;
    Second.SetRecSize(Size);
    Second.SetFileName(First->FileName());
    Second.SetFileShareMode(TFileShareMode::smShareExclusive);
    Second.OpenRecSet();
    QVERIFY(!Second.Active());
    QCOMPARE(Person->MessageTexts(), QStringList({ "Unable to open database file" }));
    QVERIFY(Second.LastOpenError().contains(QStringLiteral("in use")));
    First->CloseRecSet();
}

void TstRecordSet::fileWithoutWritePermissionOpensBrowseOnly()
{
    QFile::setPermissions(Dir->path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::WriteOther
            | QFile::ExeOther);
    const QString Path = PathOf(QStringLiteral("locked.dat"));
    WriteFile(Path, Records(2));
    QFile::setPermissions(Path, QFile::ReadOwner | QFile::ReadOther);
    TRecordSet Set;
    Set.SetRecSize(Size);
    Set.SetFileName(Path);
    Set.SetFileShareMode(TFileShareMode::smShareDenyWrite);
    {
        TUnprivilegedFiles AsUser;
        Set.OpenRecSet();
    }
    QVERIFY2(Set.Active(), qPrintable(Set.LastOpenError()));
    QVERIFY(Set.BrowseOnly());
    QCOMPARE(Person->MessageBoxes().size(), 1);
    std::memset(Set.RecordBuffer(), 'Q', Size);
    Set.PostRec();
    Set.CloseRecSet();
    QCOMPARE(ReadFile(Path), Records(2));

    Set.SetFileShareMode(TFileShareMode::smShareExclusive);
    {
        TUnprivilegedFiles AsUser;
        Set.OpenRecSet();
    }
    QVERIFY(!Set.Active());
    QVERIFY(Set.LastOpenError().contains(QStringLiteral("Permission denied")));
}

void TstRecordSet::failedWrites_data()
{
    QTest::addColumn<QString>("Device");
    QTest::addColumn<QString>("Reason");
    QTest::newRow("made read-only behind the engine's back") << "readonly"
                                                             << "Bad file descriptor";
    QTest::newRow("full device") << "/dev/full"
                                 << "No space left on device";
}

// The descriptor under the engine is swapped for one that refuses writes:
// the post must raise with the file name and the reason, not pass silently.
void TstRecordSet::failedWrites()
{
    QFETCH(QString, Device);
    QFETCH(QString, Reason);
    auto Set = OpenOn(2);
    Set->SetCurrentRecord(2);
    Set->GetRec();
    const int Bad = Device == QLatin1String("readonly") ? ::open(QFile::encodeName(Set->FileName()), O_RDONLY)
                                                        : ::open(QFile::encodeName(Device), O_RDWR);
    QVERIFY(Bad >= 0);
    QVERIFY(::dup2(Bad, Set->FileHandle()) >= 0);
    ::close(Bad);
    Listen(*Set);
    std::memset(Set->RecordBuffer() + 1, 'Q', Size - 1);
    try {
        Set->PostRec();
        QFAIL("the failed write passed silently");
    } catch (const ERecordFileException &Error) {
        QVERIFY2(Error.Message().contains(Set->FileName()), qPrintable(Error.Message()));
        QVERIFY2(Error.Message().contains(Reason), qPrintable(Error.Message()));
        QVERIFY(Error.Message().contains(QStringLiteral("record 2")));
    }
    QCOMPARE(Events, QStringList({ "BeforePost" }));
    QCOMPARE(Set->CurrentRecord(), 2);
    QCOMPARE(Set->LastRecord(), 2);
    Set->CloseRecSet();
    QCOMPARE(ReadFile(Set->FileName()), Records(2));
}

// A disk that fills up while a record is appended: the file keeps exactly
// its old records and LastRecord and the cursor say so.
void TstRecordSet::failedAppendKeepsTheFileAndLastRecord()
{
    auto Set = OpenOn(3);
    Set->SetCurrentRecord(2);
    Set->GetRec();
    Listen(*Set);
    rlimit Old;
    ::getrlimit(RLIMIT_FSIZE, &Old);
    rlimit Limit = Old;
    Limit.rlim_cur = 3 * Size + Size / 2;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &Limit) == 0);
    bool Raised = false;
    QString Message;
    try {
        Set->NewRec();
    } catch (const ERecordFileException &Error) {
        Raised = true;
        Message = Error.Message();
    }
    ::setrlimit(RLIMIT_FSIZE, &Old);
    QVERIFY(Raised);
    QVERIFY2(Message.contains(QStringLiteral("File too large")), qPrintable(Message));
    QCOMPARE(Events, QStringList({ "BeforeNewRec" }));
    QCOMPARE(Set->LastRecord(), 3);
    QCOMPARE(Set->CurrentRecord(), 2);
    QCOMPARE(Set->RecordCount(), 3);
    QCOMPARE(ReadFile(Set->FileName()), Records(3));
    Set->NewRec();
    QCOMPARE(Set->LastRecord(), 4);
    Set->CloseRecSet();
}

void TstRecordSet::failedReadLeavesTheCursor_data()
{
    QTest::addColumn<int>("Start");
    QTest::addColumn<QChar>("Move");
    QTest::newRow("next") << 2 << QChar('N');
    QTest::newRow("next on the last, wrapping") << 4 << QChar('N');
    QTest::newRow("prior") << 3 << QChar('P');
    QTest::newRow("prior on the first, wrapping") << 1 << QChar('P');
    QTest::newRow("first") << 3 << QChar('F');
    QTest::newRow("last") << 2 << QChar('L');
    QTest::newRow("get") << 3 << QChar('G');
}

// The owner's copy is loaded only by a good read, so after a failed one it
// still belongs to the record the cursor was on: the cursor must stay there,
// and the next post must rewrite that record and no other.
void TstRecordSet::failedReadLeavesTheCursor()
{
    QFETCH(int, Start);
    QFETCH(QChar, Move);
    auto Set = OpenOn(4);
    Set->SetCurrentRecord(Start);
    Set->GetRec();
    Listen(*Set);
    QVERIFY(MakeReadsFail(*Set));
    try {
        Perform(*Set, Move.toLatin1());
        QFAIL("the failed read passed silently");
    } catch (const ERecordFileException &Error) {
        QVERIFY2(Error.Message().contains(Set->FileName()), qPrintable(Error.Message()));
        QVERIFY2(
            Error.Message().contains(QStringLiteral("Bad file descriptor")), qPrintable(Error.Message()));
    }
    QCOMPARE(Events, QStringList());
    QCOMPARE(Set->CurrentRecord(), Start);
    QCOMPARE(BufferRecord(*Set), Start);

    QVERIFY(RestoreReads(*Set));
    std::memset(Set->RecordBuffer() + 1, 'Q', Size - 1);
    Set->PostRec();
    QCOMPARE(Set->CurrentRecord(), Start);
    Set->CloseRecSet();
    QByteArray Expected;
    for (int N = 1; N <= 4; ++N) {
        QByteArray Bytes(Size, N == Start ? 'Q' : char('a' + N - 1));
        Bytes[0] = char(N);
        Expected += Bytes;
    }
    QCOMPARE(ReadFile(Set->FileName()), Expected);
}

void TstRecordSet::scanCutShortReturnsWithoutReading_data()
{
    QTest::addColumn<int>("Home");
    QTest::addColumn<int>("FailsAt");
    QTest::newRow("on the first record") << 2 << 1;
    QTest::newRow("past the record it came from") << 2 << 4;
    QTest::newRow("on the record it came from") << 3 << 3;
}

// A read that fails in a whole-file walk leaves the walk without its pop:
// the guard puts the cursor back on the record the walk started from, and
// reads nothing, so the owner's copy and the cursor are left as the failure
// found them apart from the cursor's place.
void TstRecordSet::scanCutShortReturnsWithoutReading()
{
    QFETCH(int, Home);
    QFETCH(int, FailsAt);
    auto Set = OpenOn(5);
    Set->SetCurrentRecord(Home);
    Set->GetRec();
    QList<int> Seen;
    Set->OnAfterRead = [&Seen, FailsAt](TRecordSet *Sender) {
        Seen << Sender->CurrentRecord();
        if (Sender->CurrentRecord() == FailsAt - 1)
            QVERIFY(MakeReadsFail(*Sender));
    };
    if (FailsAt == 1)
        QVERIFY(MakeReadsFail(*Set));
    bool Raised = false;
    try {
        GuardedWalk(*Set);
    } catch (const ERecordFileException &) {
        Raised = true;
    }
    QVERIFY(Raised);
    QList<int> Expected;
    for (int N = 1; N < FailsAt; ++N)
        Expected << N;
    QCOMPARE(Seen, Expected);
    QCOMPARE(Set->CurrentRecord(), Home);

    QVERIFY(RestoreReads(*Set));
    Set->OnAfterRead = nullptr;
    std::memset(Set->RecordBuffer() + 1, 'Q', Size - 1);
    Set->RecordBuffer()[0] = char(Home);
    Set->PostRec();
    Set->CloseRecSet();
    QByteArray Changed(Size, 'Q');
    Changed[0] = char(Home);
    QCOMPARE(ReadFile(Set->FileName()), Records(5).replace((Home - 1) * Size, Size, Changed));
}

// Without a failure the guard does nothing: the walk's own pop reads the
// record it came from, as before.
void TstRecordSet::finishedScanStillReadsOnPop()
{
    auto Set = OpenOn(3);
    Set->SetCurrentRecord(2);
    Set->GetRec();
    QList<int> Seen;
    Set->OnAfterRead = [&Seen](TRecordSet *Sender) { Seen << BufferRecord(*Sender); };
    GuardedWalk(*Set);
    QCOMPARE(Seen, QList<int>({ 1, 2, 3, 2 }));
    QCOMPARE(Set->CurrentRecord(), 2);
    Set->CloseRecSet();
}

void TstRecordSet::vanishedFileFailsTheReopenAfterDelete()
{
    auto Set = OpenOn(3);
    Set->SetCurrentRecord(2);
    Set->GetRec();
    Set->OnBeforeDelete = [](TRecordSet *Sender) { QFile::remove(Sender->FileName()); };
    Person->AnswerMsgBox(MsgResult::Ok);
    try {
        Set->DeleteRec();
        QFAIL("the lost file passed silently");
    } catch (const ERecordFileException &Error) {
        QVERIFY2(Error.Message().contains(QStringLiteral("reopen")), qPrintable(Error.Message()));
        QVERIFY(Error.Message().contains(Set->FileName()));
    }
    QVERIFY(!Set->Active());
    QCOMPARE(Person->WaitCursorDepth(), 0);
}

// The file without the deleted record takes the old one's place: it must be
// held against other openers as the old one was, and keep who may write it.
void TstRecordSet::deletedFileKeepsItsLockAndPermissions()
{
    auto First = OpenOn(3);
    First->CloseRecSet();
    const QFile::Permissions Mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(First->FileName(), Mode));
    First->SetFileShareMode(TFileShareMode::smShareDenyWrite);
    First->OpenRecSet();
    First->SetCurrentRecord(2);
    Person->AnswerMsgBox(MsgResult::Ok);
    First->DeleteRec();
    QCOMPARE(First->LastRecord(), 2);
    QCOMPARE(
        QFile::permissions(First->FileName()) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), Mode);

    TRecordSet Second;
    Second.SetRecSize(Size);
    Second.SetFileName(First->FileName());
    Second.SetFileShareMode(TFileShareMode::smShareDenyWrite);
    Second.SetShowOpenMode(false);
    Second.OpenRecSet();
    QVERIFY(Second.BrowseOnly());
    Second.CloseRecSet();

    // The set writes to the file under the name, not to the one it replaced.
    First->SetCurrentRecord(2);
    std::memset(First->RecordBuffer() + 1, 'Q', Size - 1);
    First->PostRec();
    First->CloseRecSet();
    QByteArray Changed(Size, 'Q');
    Changed[0] = char(3);
    QCOMPARE(ReadFile(First->FileName()), Record(1) + Changed);
}

void TstRecordSet::failedDeleteLosesNoRecord_data()
{
    QTest::addColumn<int>("SizeLimit"); // bytes a file may reach; 0: no limit
    QTest::addColumn<int>("RefusedAfter"); // moved records read before writes are refused; 0: never
    QTest::addColumn<bool>("ClosedFolder"); // no new file can be made beside it
    QTest::addColumn<QString>("Reason"); // empty: the deletion may go through
    QTest::newRow("disk full at the first moved record") << Size * 3 / 2 << 0 << false << "File too large";
    QTest::newRow("disk full at the second moved record") << Size * 5 / 2 << 0 << false << "File too large";
    QTest::newRow("disk full at the third moved record") << Size * 7 / 2 << 0 << false << "File too large";
    // The disk stops taking writes while the records are moved (a device
    // pulled out): the deletion may have been made whole before, or not at all.
    QTest::newRow("writes refused at the second moved record") << 0 << 2 << false << "";
    QTest::newRow("folder without write permission") << 0 << 0 << true << "Permission denied";
}

// Five employees, the second deleted, and the writes fail while the later
// records move down: the file must hold either the five records as they were
// or the four that remain, never one twice or one lost, and the cursor and
// buffer must belong to each other.
void TstRecordSet::failedDeleteLosesNoRecord()
{
    QFETCH(int, SizeLimit);
    QFETCH(int, RefusedAfter);
    QFETCH(bool, ClosedFolder);
    QFETCH(QString, Reason);
    auto Set = OpenOn(5);
    const QFile::Permissions Open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    Set->SetCurrentRecord(2);
    Set->GetRec();
    int Moved = 0;
    Set->OnAfterRead = [&Moved, RefusedAfter](TRecordSet *Sender) {
        if (++Moved == RefusedAfter)
            QVERIFY(MakeWritesFail(*Sender));
    };
    rlimit Old;
    ::getrlimit(RLIMIT_FSIZE, &Old);
    rlimit Limit = Old;
    Limit.rlim_cur = rlim_t(SizeLimit);
    if (SizeLimit > 0)
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &Limit) == 0);
    if (ClosedFolder)
        QVERIFY(QFile::setPermissions(Dir->path(), Open & ~QFile::Permissions(QFile::WriteOwner)));
    Person->AnswerMsgBox(MsgResult::Ok);
    QString Message;
    try {
        std::optional<TUnprivilegedFiles> AsUser;
        if (ClosedFolder)
            AsUser.emplace();
        Set->DeleteRec();
    } catch (const ERecordFileException &Error) {
        Message = Error.Message();
    }
    ::setrlimit(RLIMIT_FSIZE, &Old);
    QFile::setPermissions(Dir->path(), Open);
    Set->OnAfterRead = nullptr;
    const bool Raised = !Message.isEmpty();
    if (!Reason.isEmpty())
        QVERIFY2(Message.contains(Reason), qPrintable(Message));
    QCOMPARE(QDir(Dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList({ "data.dat" }));
    QByteArray Remaining = Records(5);
    Remaining.remove(Size, Size);
    if (Raised) {
        // Nothing was read out to the owner: its copy still is record 2.
        QCOMPARE(Moved, 0);
        QVERIFY2(Message.contains(Set->FileName()), qPrintable(Message));
        QCOMPARE(ReadFile(Set->FileName()), Records(5));
        QCOMPARE(Set->LastRecord(), 5);
        QCOMPARE(Set->CurrentRecord(), 2);
        QCOMPARE(BufferRecord(*Set), 2);
        // Once the disk takes writes again, the deletion goes through.
        QVERIFY(RestoreReads(*Set));
        Person->AnswerMsgBox(MsgResult::Ok);
        Set->DeleteRec();
    }
    QCOMPARE(ReadFile(Set->FileName()), Remaining);
    QCOMPARE(Set->LastRecord(), 4);
    QCOMPARE(Set->CurrentRecord(), 2);
    QCOMPARE(BufferRecord(*Set), 3);
    QCOMPARE(Person->WaitCursorDepth(), 0);
    Set->CloseRecSet();
}

QMRK_TEST_MAIN(TstRecordSet)
#include "tst_trecordset.moc"
