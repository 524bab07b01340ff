#include "EFW2ClientChecks.h"
#include "EFW2Files.h"
#include "EFW2Settings.h"
#include "EFileReadException.h"
#include "EInOutError.h"
#include "QmrkTestMain.h"
#include "SubmitterRules.h"
#include "TEFW2Client.h"
#include "TEFW2Fixtures.h"
#include "TEFW2Submission.h"
#include "THostileFiles.h"
#include "TRecordBytes.h"
#include "TSubmitterBreaks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace EFW2Fixtures;

Q_DECLARE_METATYPE(TSubmitterData)
Q_DECLARE_METATYPE(EmployerRecord)

class TstEFW2Rules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void submitterRulesInTableOrder_data();
    void submitterRulesInTableOrder();
    void submitterEdgeCases_data();
    void submitterEdgeCases();
    void requiredFieldMarks_data();
    void requiredFieldMarks();
    void clientChecks_data();
    void clientChecks();
    void totalsTooLargeAreRefused();
    void openingStates_data();
    void openingStates();
    void resetStates();
    void rfCount();
    void textFilesAreAnsiWithCrLf();
    void replacingKeepsTheReadOnlyMark();
    void failedReplaceLeavesTheOldFile();
    void submissionFiles();
    void unfitSubmissionFilesAreRefused_data();
    void unfitSubmissionFilesAreRefused();
};

void TstEFW2Rules::submitterRulesInTableOrder_data()
{
    QTest::addColumn<TSubmitterData>("Data");
    QTest::addColumn<QString>("Field");
    QTest::addColumn<QString>("Message");
    for (int Rule = 1; Rule <= SubmitterRuleCount; ++Rule) {
        const TSubmitterBreak &Break = SubmitterBreak(Rule);
        QTest::newRow(Break.Row) << BrokenFrom(Rule) << Break.Field << Break.Message;
    }
    QTest::newRow("all rules pass") << Submitter() << QString() << QString();
}

void TstEFW2Rules::submitterRulesInTableOrder()
{
    QFETCH(TSubmitterData, Data);
    QFETCH(QString, Field);
    QFETCH(QString, Message);
    const TSubmitterCheck Check = ValidateSubmitter(Data);
    QCOMPARE(Check.Field, Field);
    QCOMPARE(Check.Message, Message);
}

void TstEFW2Rules::submitterEdgeCases_data()
{
    QTest::addColumn<TSubmitterData>("Data");
    QTest::addColumn<QString>("Field");
    const auto With = [](auto Change) {
        TSubmitterData D = Submitter();
        Change(D);
        return D;
    };
    QTest::newRow("untouched EIN fails")
        << With([](TSubmitterData &D) { D.EIN = QStringLiteral("  -       "); }) << "EIN";
    QTest::newRow("EIN 12-3456789 passes")
        << With([](TSubmitterData &D) { D.EIN = QStringLiteral("12-3456789"); }) << "";
    QTest::newRow("user ID with blanks counts them")
        << With([](TSubmitterData &D) { D.UserID = QStringLiteral("AB12 D  "); }) << "";
    QTest::newRow("identifier not needed without the box")
        << With([](TSubmitterData &D) { D.ResubID.clear(); }) << "";
    QTest::newRow("blank company ZIP passes") << With([](TSubmitterData &D) {
        D.ZipCode.clear();
        D.ZipCodeExt.clear();
    }) << "";
    QTest::newRow("untouched fax passes")
        << With([](TSubmitterData &D) { D.ContactFax = QStringLiteral("   -   -    "); }) << "";
    QTest::newRow("empty fax passes") << With([](TSubmitterData &D) { D.ContactFax.clear(); }) << "";
    QTest::newRow("blank e-mail is required, not invalid")
        << With([](TSubmitterData &D) { D.ContactEmail = QStringLiteral("  "); }) << "ContactEmail";
    QTest::newRow("foreign fields and location addresses are optional") << With([](TSubmitterData &D) {
        D.LocationAddr.clear();
        D.SubmitAddr1.clear();
        D.ContactExt.clear();
        D.CountryCode.clear();
    }) << "";
}

void TstEFW2Rules::submitterEdgeCases()
{
    QFETCH(TSubmitterData, Data);
    QFETCH(QString, Field);
    const TSubmitterCheck Check = ValidateSubmitter(Data);
    QCOMPARE(Check.Field, Field);
    if (Field == QLatin1String("ContactEmail"))
        QCOMPARE(Check.Message, QStringLiteral("Contact Person's e-mail/internet address is required."));
}

void TstEFW2Rules::requiredFieldMarks_data()
{
    QTest::addColumn<TSubmitterData>("Data");
    QTest::addColumn<QStringList>("Marked");
    TSubmitterData Empty;
    Empty.EIN = QStringLiteral("  -       ");
    Empty.ContactPhone = QStringLiteral("   -   -    ");
    Empty.ContactFax = QStringLiteral("   -   -    ");
    QTest::newRow("first use") << Empty
                               << QStringList { "EIN", "UserID", "SubmitName", "SubmitAddr2", "SubmitCity",
                                      "SubmitState", "SubmitZip", "ContactName", "ContactPhone",
                                      "ContactEmail", "PreparerCode" };
    QTest::newRow("complete") << Submitter() << QStringList();
    TSubmitterData Resub = Submitter();
    Resub.ResubInd = true;
    Resub.SubmitZipExt = QStringLiteral("12");
    Resub.ContactEmail = QStringLiteral("not an address");
    QTest::newRow("resubmission, short extension, bad e-mail")
        << Resub << QStringList { "ResubID", "SubmitZipExt", "ContactEmail" };
    TSubmitterData CompanyZip = Submitter();
    CompanyZip.ZipCode = QStringLiteral("12");
    CompanyZip.ContactFax = QStringLiteral("12 -   -    ");
    QTest::newRow("company ZIP and fax are never marked") << CompanyZip << QStringList();
}

void TstEFW2Rules::requiredFieldMarks()
{
    QFETCH(TSubmitterData, Data);
    QFETCH(QStringList, Marked);
    QCOMPARE(MarkRequiredFields(Data), Marked);
    for (const QString &Field : Marked)
        QVERIFY(MarkableFields().contains(Field));
}

void TstEFW2Rules::clientChecks_data()
{
    QTest::addColumn<EmployerRecord>("Employer");
    QTest::addColumn<int>("BadRecord"); // 0: none; else which employee is spoilt
    QTest::addColumn<QString>("Spoil");
    QTest::addColumn<QString>("Text");

    EmployerRecord NoPayer = Employer();
    NoPayer.SetKindOfPayer941(false);
    QTest::newRow("W-3 without a kind of payer") << NoPayer << 0 << ""
                                                 << "Form W-3: The Kind of Payer box has not been checked.";
    EmployerRecord NoContact = Employer();
    NoContact.SetContactPerson(QString());
    QTest::newRow("W-3 without a contact") << NoContact << 0 << ""
                                           << "Form W-3: Employer's contact person name is missing.";
    QTest::newRow("W-2 with an invalid SSN")
        << Employer() << 3 << "ssn"
        << "Form W-2 of employee record 4 (Emp3 Worker): Social security number is invalid.";
    QTest::newRow("W-2 with a box 12 amount and no code")
        << Employer() << 2 << "box12"
        << "Form W-2 of employee record 3 (Emp2 Worker): Box 12a code is missing.";
    QTest::newRow("W-2 with an incomplete state line")
        << Employer() << 1 << "state"
        << "Form W-2 of employee record 2 (Emp1 Worker): State 1 data is incomplete.";
    QTest::newRow("box 1 whose cents do not fit 11 digits")
        << Employer() << 3 << "huge"
        << "Form W-2 of employee record 4 (Emp3 Worker): Box 1 (Wages, tips, other compensation) of "
           "1000000000.00 is too large for the EFW2 file.";
    QTest::newRow("box 12 code DD too large") << Employer() << 2 << "hugedd"
                                              << "Form W-2 of employee record 3 (Emp2 Worker): Box 12 code "
                                                 "DD of 1000000000.00 is too large for the "
                                                 "EFW2 file.";
    QTest::newRow("every check passes") << Employer() << 0 << ""
                                        << "";
}

void TstEFW2Rules::clientChecks()
{
    QFETCH(EmployerRecord, Employer);
    QFETCH(int, BadRecord);
    QFETCH(QString, Spoil);
    QFETCH(QString, Text);
    // Record 1 is an all-zero record from last year: it gets no RW line and no check.
    QList<EmployeeRecord> Records = Employees(3);
    Records.prepend(EmployeeRecord());
    if (BadRecord > 0) {
        EmployeeRecord &E = Records[BadRecord];
        if (Spoil == QLatin1String("ssn"))
            E.SetEmployeeSSN(QStringLiteral("000-12-3456"));
        else if (Spoil == QLatin1String("box12"))
            E.SetBox12Amt_a(10);
        else if (Spoil == QLatin1String("state"))
            E.SetStateID_a(QString());
        else if (Spoil == QLatin1String("huge"))
            E.SetBox1Wages(1e9);
        else if (Spoil == QLatin1String("hugedd")) {
            E.SetBox12Code_a(QStringLiteral("DD"));
            E.SetBox12Amt_a(1e9);
        }
    }
    const TEFW2Refusal Refusal = CheckEFW2Client(MakeEFW2Client(Employer, Records));
    QCOMPARE(Refusal.Refused(), !Text.isEmpty());
    QCOMPARE(Refusal.Refused() ? Refusal.Text() : QString(), Text);
    QCOMPARE(Refusal.RecordNumber, BadRecord > 0 ? BadRecord + 1 : 0);
}

void TstEFW2Rules::totalsTooLargeAreRefused()
{
    // Each fits its RW field; 10,001 of them do not fit the RT's 15 digits.
    EmployeeRecord Rich = Employee(QStringLiteral("Rich"), QStringLiteral("Person"), 50000);
    Rich.SetBox11NonqualifiedPlans(999999999.99);
    QList<EmployeeRecord> Records(10000, Rich);
    QVERIFY(!CheckEFW2Client(MakeEFW2Client(Employer(), Records)).Refused());
    Records.append(Rich);
    const TEFW2Refusal Refusal = CheckEFW2Client(MakeEFW2Client(Employer(), Records));
    QCOMPARE(Refusal.RecordNumber, 0);
    QCOMPARE(Refusal.Text(),
        QStringLiteral(
            "Form W-3: The total of Box 11 (Nonqualified plans) of 10000999999899.99 is too large for "
            "the EFW2 file."));
    EmployerRecord SickPay = Employer();
    SickPay.SetSickPayTaxWithheld(1e13);
    QCOMPARE(CheckEFW2Client(MakeEFW2Client(SickPay, { Rich })).Field, QStringLiteral("Box14"));
}

void TstEFW2Rules::openingStates_data()
{
    QTest::addColumn<int>("FormsReviewState");
    QTest::addColumn<int>("TotalRecords");
    QTest::addColumn<bool>("ExcludeSubmitter");
    QTest::addColumn<bool>("ExcludeFinal");
    QTest::addColumn<bool>("LastClientConfirmed");
    QTest::addColumn<QStringList>("Clients");
    QTest::addColumn<bool>("MasterHasLines");
    QTest::addColumn<QString>("Expected"); // Process Reset Submitter Final, 1 or 0
    QTest::addColumn<TEFW2ProcessBlock>("Block");
    using B = TEFW2ProcessBlock;
    QTest::newRow("first use") << 2 << 0 << false << false << false << QStringList() << false << "1011"
                               << B::None;
    QTest::newRow("forms reviewed once")
        << 1 << 0 << false << false << false << QStringList() << false << "0000" << B::FormsNotReviewed;
    QTest::newRow("forms not reviewed, client already processed")
        << 0 << 5 << true << true << false << QStringList { "ACME" } << true << "0100" << B::FormsNotReviewed;
    QTest::newRow("middle client") << 2 << 5 << true << true << false << QStringList { "ONE" } << true
                                   << "1101" << B::None;
    QTest::newRow("client already processed, any case")
        << 2 << 5 << true << true << false << QStringList { "acme" } << true << "0100" << B::ClientProcessed;
    QTest::newRow("last client confirmed") << 2 << 12 << true << false << true << QStringList { "ONE", "TWO" }
                                           << true << "0100" << B::SubmissionComplete;
    QTest::newRow("last client confirmed, forms not reviewed")
        << 1 << 12 << true << false << true << QStringList { "ONE", "TWO" } << true << "0100"
        << B::SubmissionComplete;
    QTest::newRow("single-client files")
        << 2 << 5 << false << false << false << QStringList { "ONE" } << false << "1100" << B::None;
    QTest::newRow("submitter only, master has lines")
        << 2 << 5 << true << false << false << QStringList { "ONE" } << true << "1111" << B::None;
}

void TstEFW2Rules::openingStates()
{
    QFETCH(int, FormsReviewState);
    QFETCH(int, TotalRecords);
    QFETCH(bool, ExcludeSubmitter);
    QFETCH(bool, ExcludeFinal);
    QFETCH(bool, LastClientConfirmed);
    QFETCH(QStringList, Clients);
    QFETCH(bool, MasterHasLines);
    QFETCH(QString, Expected);
    QFETCH(TEFW2ProcessBlock, Block);
    QTemporaryDir Dir;
    const QString ClientsFile = Dir.filePath(QStringLiteral("QMRK.CP"));
    if (!Clients.isEmpty())
        TRecordBytes::WriteFile(ClientsFile, { TextFileBytes(Clients) });
    QStringList Master;
    if (MasterHasLines)
        Master.append(QStringLiteral("RA"));
    TEFW2Submission Submission(Master, ClientsFile, Dir.filePath(QStringLiteral("FormsW2Report.txt")));
    Submission.Load();
    EFW2Settings Settings;
    Settings.SetTotalRecords(TotalRecords);
    Settings.SetExcludeSubmitter(ExcludeSubmitter);
    Settings.SetExcludeFinal(ExcludeFinal);
    Settings.SetLastClientConfirmed(LastClientConfirmed);
    const TEFW2ControlStates States
        = Submission.OpeningStates(FormsReviewState, Settings, QStringLiteral("ACME"));
    const auto Bit = [](bool B) { return B ? QLatin1Char('1') : QLatin1Char('0'); };
    QCOMPARE(QString() + Bit(States.Process) + Bit(States.Reset) + Bit(States.Submitter) + Bit(States.Final),
        Expected);
    QCOMPARE(States.Block, Block);
    QCOMPARE(EFW2ProcessBlockText(States.Block).isEmpty(), States.Process);
}

void TstEFW2Rules::resetStates()
{
    QCOMPARE(TEFW2Submission::ResetStates(2), (TEFW2ControlStates { true, false, true, true }));
    QCOMPARE(TEFW2Submission::ResetStates(1),
        (TEFW2ControlStates { false, false, false, false, TEFW2ProcessBlock::FormsNotReviewed }));
}

void TstEFW2Rules::rfCount()
{
    EFW2Settings Settings;
    Settings.SetTotalRecords(9);
    QCOMPARE(TEFW2Submission::RFCount(Settings, 3), 3);
    Settings.SetLastClientConfirmed(true);
    QCOMPARE(TEFW2Submission::RFCount(Settings, 3), 12);
}

void TstEFW2Rules::textFilesAreAnsiWithCrLf()
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("QMRK.CP"));
    ReplaceTextFile(Path, { u"Caf\u00e9 One"_qs, QStringLiteral("TWO") }, false);
    QCOMPARE(TRecordBytes::ReadFile(Path), QByteArray("Caf\xe9 One\r\nTWO\r\n"));
    QCOMPARE(ReadTextLines(Path, TEFW2Submission::MaxClientsFileSize),
        QStringList({ u"Caf\u00e9 One"_qs, QStringLiteral("TWO") }));
    TRecordBytes::WriteFile(Path, { QByteArray("A\nB\r\nC") });
    QCOMPARE(ReadTextLines(Path, TEFW2Submission::MaxClientsFileSize), QStringList({ "A", "B", "C" }));
    QCOMPARE(ClientFileName(QStringLiteral("/data/ACME.W325")), QStringLiteral("ACME.txt"));
    QCOMPARE(ClientFileName(QStringLiteral("/data/Acme 2025.old.W325")), QStringLiteral("Acme 2025.old.txt"));
}

void TstEFW2Rules::replacingKeepsTheReadOnlyMark()
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("ACME.txt"));
    ReplaceTextFile(Path, { QStringLiteral("OLD") }, true);
    QVERIFY(IsReadOnly(Path));
    ReplaceTextFile(Path, { QStringLiteral("NEW") }, true);
    QVERIFY(IsReadOnly(Path));
    QCOMPARE(TRecordBytes::ReadFile(Path), QByteArray("NEW\r\n"));
    QVERIFY(!QFile::exists(Path + QStringLiteral(".new")));
}

// A failed write replaces nothing: the old file stays whole and marked.
void TstEFW2Rules::failedReplaceLeavesTheOldFile()
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("ACME.txt"));
    ReplaceTextFile(Path, { QStringLiteral("OLD") }, true);
    // Something in the way of the new file, which even root cannot write over.
    QVERIFY(QDir().mkpath(Path + QStringLiteral(".new/blocker")));
    QVERIFY_THROWS_EXCEPTION(EInOutError, ReplaceTextFile(Path, { QStringLiteral("NEW") }, true));
    QCOMPARE(TRecordBytes::ReadFile(Path), QByteArray("OLD\r\n"));
    QVERIFY(IsReadOnly(Path));
}

void TstEFW2Rules::submissionFiles()
{
    QTemporaryDir Dir;
    const QString ClientsFile = Dir.filePath(QStringLiteral("QMRK.CP"));
    const QString MasterFile = Dir.filePath(QStringLiteral("FormsW2Report.txt"));
    QStringList Master;
    {
        TEFW2Submission Submission(Master, ClientsFile, MasterFile);
        Submission.Load();
        Submission.AddClient(QStringLiteral("ONE"));
        Submission.AppendToMaster({ QStringLiteral("RA"), QStringLiteral("RE") });
        Submission.Save();
        QVERIFY(Submission.ClientsProcessed().isEmpty());
    }
    QCOMPARE(TRecordBytes::ReadFile(ClientsFile), QByteArray("ONE\r\n"));
    QCOMPARE(TRecordBytes::ReadFile(MasterFile), QByteArray("RA\r\nRE\r\n"));
    QVERIFY(IsReadOnly(MasterFile));
    Master.clear();
    TEFW2Submission Again(Master, ClientsFile, MasterFile);
    Again.Load();
    QVERIFY(!IsReadOnly(MasterFile));
    QCOMPARE(Master, QStringList({ "RA", "RE" }));
    QVERIFY(Again.HasClient(QStringLiteral("one")));
    Again.Clear();
    QVERIFY(Master.isEmpty());
    QVERIFY(!QFile::exists(ClientsFile) && !QFile::exists(MasterFile));
}

void TstEFW2Rules::unfitSubmissionFilesAreRefused_data()
{
    QTest::addColumn<QString>("File");
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<qint64>("Size");
    QTest::addColumn<qint64>("MaxSize");
    const qint64 Huge = qint64(64) << 30;
    QTest::newRow("clients: named pipe") << "QMRK.CP"
                                         << "fifo" << qint64(0) << qint64(0);
    QTest::newRow("clients: endless device") << "QMRK.CP"
                                             << "zero" << qint64(0) << qint64(0);
    QTest::newRow("clients: one byte over") << "QMRK.CP"
                                            << "oversized" << (qint64(4) << 20) + 1 << (qint64(4) << 20);
    QTest::newRow("master: named pipe") << "FormsW2Report.txt"
                                        << "fifo" << qint64(0) << qint64(0);
    QTest::newRow("master: folder") << "FormsW2Report.txt"
                                    << "folder" << qint64(0) << qint64(0);
    QTest::newRow("master: sparse 64 GiB") << "FormsW2Report.txt"
                                           << "oversized" << Huge << (qint64(128) << 20);
}

void TstEFW2Rules::unfitSubmissionFilesAreRefused()
{
    QFETCH(QString, File);
    QFETCH(QString, Kind);
    QFETCH(qint64, Size);
    QFETCH(qint64, MaxSize);
    QTemporaryDir Dir;
    ReplaceTextFile(Dir.filePath(QStringLiteral("QMRK.CP")), { QStringLiteral("ONE") }, false);
    ReplaceTextFile(Dir.filePath(QStringLiteral("FormsW2Report.txt")), { QStringLiteral("RA") }, false);
    THostileFiles::Make(Dir.filePath(File), Kind, Size);
    TFifoReleaser Releaser(Dir.filePath(File));
    QStringList Master;
    TEFW2Submission Submission(
        Master, Dir.filePath(QStringLiteral("QMRK.CP")), Dir.filePath(QStringLiteral("FormsW2Report.txt")));
    QString Message;
    try {
        Submission.Load();
    } catch (const EFileReadException &Error) {
        Message = Error.Message();
    }
    QCOMPARE(Message, Dir.filePath(File) + THostileFiles::Problem(Kind, Size, MaxSize));
    QCOMPARE(Releaser.Released(), 0);
}

QMRK_TEST_MAIN(TstEFW2Rules)
#include "tst_efw2rules.moc"
