#include "EmployeeLayout.h"
#include "QmrkTestMain.h"
#include "RecordFields.h"
#include "TCliInProcess.h"
#include "TEFW2Fixtures.h"
#include "TExpectedLine.h"
#include "THostileFiles.h"
#include "TRecordBytes.h"
#include "TSubmitterBreaks.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <limits>

using namespace EFW2Fixtures;

namespace {

using TRun = TCliInProcess::TRun<QString>;
using TCliInProcess::RunCli;

// Every file under Folder with its bytes and permissions.
QMap<QString, QByteArray> Snapshot(const QString &Folder)
{
    QMap<QString, QByteArray> Result;
    QDir Dir(Folder);
    for (const QFileInfo &Entry : Dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (Entry.isDir()) {
            const QMap<QString, QByteArray> Inner = Snapshot(Entry.filePath());
            for (auto It = Inner.cbegin(); It != Inner.cend(); ++It)
                Result.insert(Entry.fileName() + QLatin1Char('/') + It.key(), It.value());
            Result.insert(Entry.fileName(), QByteArray("<folder>"));
        } else if (!Entry.isFile() || Entry.size() > (qint64(1) << 26)) {
            // A pipe, a device or a sparse giant: reading it would wait,
            // never end or take all memory.
            Result.insert(Entry.fileName(), "<" + QByteArray::number(Entry.size()) + " bytes>");
        } else {
            Result.insert(Entry.fileName(),
                TRecordBytes::ReadFile(Entry.filePath()) + "|"
                    + QByteArray::number(int(Entry.permissions())));
        }
    }
    return Result;
}

} // namespace

class TstEFW2Cli : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Dir;
    QString In(const QString &Name) const { return Dir->filePath(QStringLiteral("in/") + Name); }
    QString Out(const QString &Name = QString()) const
    {
        return Dir->filePath(QStringLiteral("out/") + Name);
    }
    QString Settings() const { return In(QStringLiteral("QMRK.W2S")); }
    QString Company(const QString &File, const QString &Name, const QList<EmployeeRecord> &Employees)
    {
        return WriteCompany(Dir->filePath(QStringLiteral("in")), File, Employer(Name), Employees);
    }
    QStringList Lines(const QString &Path) const { return CrLfLines(TRecordBytes::ReadFile(Path)); }
    QStringList Args(const QStringList &Companies) const
    {
        return QStringList { QStringLiteral("efw2"), QStringLiteral("--settings"), Settings(),
            QStringLiteral("--out"), Out() }
        + Companies;
    }

private Q_SLOTS:
    void init();
    void cleanup();

    void helpListsTheCommand();
    void oneCompany();
    void severalCompanies();
    void submitterRules_data();
    void submitterRules();
    void refusals_data();
    void refusals();
    void fileErrors();
    void damagedCompanyFiles_data();
    void damagedCompanyFiles();
    void wrongCommandLines_data();
    void wrongCommandLines();
    void theProgramItself();
    void unfitFilesAreRefused_data();
    void unfitFilesAreRefused();
    void controlCharactersInNamesAreShownEscaped();
    void optionalRecords();
    void limitFindings_data();
    void limitFindings();
};

void TstEFW2Cli::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QDir().mkpath(In(QString()));
    TRecordBytes::WriteFile(Settings(), { SettingsBytes(Submitter(), 99, true, false, true) });
    TRecordBytes::WriteFile(In(QStringLiteral("QMRK.CP")), { "SOMEONE\r\n" });
}

void TstEFW2Cli::cleanup()
{
    Dir.reset();
}

void TstEFW2Cli::helpListsTheCommand()
{
    const TRun Run = RunCli({ QStringLiteral("--help") });
    QCOMPARE(Run.Code, 0);
    QVERIFY(Run.Out.contains(QStringLiteral("efw2 --settings QMRK.W2S --out DIR COMPANY.W225")));
}

void TstEFW2Cli::oneCompany()
{
    QList<EmployeeRecord> Staff = Employees(3);
    Staff.append(EmployeeRecord());
    const QString W2 = Company(QStringLiteral("Acme"), QStringLiteral("ACME"), Staff);
    const QMap<QString, QByteArray> Before = Snapshot(In(QString()));
    const TRun Run = RunCli(Args({ W2 }));
    QVERIFY2(Run.Code == 0, qPrintable(Run.Err));
    QVERIFY(Run.Err.isEmpty());
    QVERIFY(Run.Out.contains(Out(QStringLiteral("Acme.txt"))));
    QCOMPARE(QDir(Out()).entryList(QDir::Files), QStringList({ "Acme.txt" }));
    const QStringList File = Lines(Out(QStringLiteral("Acme.txt")));
    // As Process with both boxes clear: the settings' counters play no part.
    QCOMPARE(RecordIds(File), QStringList({ "RA", "RE", "RW", "RW", "RW", "RT", "RF" }));
    QCOMPARE_LINE(File.last(), TExpectedLine().At(1, "RF").At(8, "000000003").Line());
    QCOMPARE(File.first().left(37), QStringLiteral("RA123456789AB12CD34         0      98"));
    QCOMPARE(Snapshot(In(QString())), Before);
}

void TstEFW2Cli::severalCompanies()
{
    const QString One = Company(QStringLiteral("One"), QStringLiteral("ACME ONE"), Employees(5));
    const QString Two = Company(QStringLiteral("Two"), QStringLiteral("ACME TWO"), Employees(4));
    const QString Three = Company(QStringLiteral("Three"), QStringLiteral("ACME THREE"), Employees(3));
    const QMap<QString, QByteArray> Before = Snapshot(In(QString()));
    const TRun Run = RunCli(Args({ One, Two, Three }));
    QVERIFY2(Run.Code == 0, qPrintable(Run.Err));
    QVERIFY(Run.Out.contains(QStringLiteral("Total employee records: 12")));
    QCOMPARE(QDir(Out()).entryList(QDir::Files),
        QStringList({ "FormsW2Report.txt", "One.txt", "Three.txt", "Two.txt" }));
    const QStringList First = Lines(Out(QStringLiteral("One.txt")));
    const QStringList Middle = Lines(Out(QStringLiteral("Two.txt")));
    const QStringList Last = Lines(Out(QStringLiteral("Three.txt")));
    QCOMPARE(RecordIds(First), QStringList({ "RA", "RE", "RW", "RW", "RW", "RW", "RW", "RT" }));
    QCOMPARE(RecordIds(Middle), QStringList({ "RE", "RW", "RW", "RW", "RW", "RT" }));
    QCOMPARE(RecordIds(Last), QStringList({ "RE", "RW", "RW", "RW", "RT", "RF" }));
    QCOMPARE_LINE(Last.last(), TExpectedLine().At(1, "RF").At(8, "000000012").Line());
    QCOMPARE(Lines(Out(QStringLiteral("FormsW2Report.txt"))), First + Middle + Last);
    QCOMPARE(Snapshot(In(QString())), Before);
}

void TstEFW2Cli::submitterRules_data()
{
    QTest::addColumn<int>("Rule");
    for (int Rule = 1; Rule <= SubmitterRuleCount; ++Rule)
        QTest::newRow(SubmitterBreak(Rule).Row) << Rule;
}

void TstEFW2Cli::submitterRules()
{
    QFETCH(int, Rule);
    const TSubmitterBreak &Break = SubmitterBreak(Rule);
    TRecordBytes::WriteFile(Settings(), { SettingsBytes(BrokenFrom(Rule)) });
    const QString W2 = Company(QStringLiteral("Acme"), QStringLiteral("ACME"), Employees(2));
    const QMap<QString, QByteArray> Before = Snapshot(In(QString()));
    const TRun Run = RunCli(Args({ W2 }));
    QCOMPARE(Run.Code, 3);
    QCOMPARE(
        Run.Err, QStringLiteral("qmrk-w2-cli: %1: %2 (%3)\n").arg(Settings(), Break.Message, Break.Field));
    QVERIFY(Run.Out.isEmpty());
    QVERIFY(!QFile::exists(Out()));
    QCOMPARE(Snapshot(In(QString())), Before);
}

void TstEFW2Cli::refusals_data()
{
    QTest::addColumn<QString>("Case");
    QTest::addColumn<QString>("Message"); // after "qmrk-w2-cli: <third company>: "
    QTest::newRow("no valid employees") << "none"
                                        << "This client file does not have any valid W-2 employees.";
    QTest::newRow("W-2 check")
        << "ssn"
        << "Form W-2 of employee record 3 (Emp2 Three): Social security number is invalid.";
    QTest::newRow("W-3 check") << "w3"
                               << "Form W-3: Required field has been left blank.";
    QTest::newRow("amount too large") << "huge"
                                      << "Form W-2 of employee record 3 (Emp2 Three): Box 12 code W of "
                                         "1500000000.00 is too large for the EFW2 "
                                         "file.";
    // Found by fuzzing: these went to the SSA as three zero fields.
    QTest::newRow("amounts that are no number or negative")
        << "unfit"
        << "Form W-2 of employee record 3 (Emp2 Three): The amount field Box2FedIncomeTax holds inf; an "
           "amount must be a number of zero or more.";
    QTest::newRow("same client twice")
        << "twice"
        << "the client Acme One is already in this submission; a client is processed once";
    QTest::newRow("two client files of one name")
        << "clash"
        << "its client file One.txt would overwrite another file of this submission";
}

// The third company is refused: nothing is written for the first two either.
void TstEFW2Cli::refusals()
{
    QFETCH(QString, Case);
    QFETCH(QString, Message);
    const QString One = Company(QStringLiteral("One"), QStringLiteral("ACME ONE"), Employees(5));
    const QString Two = Company(QStringLiteral("Two"), QStringLiteral("ACME TWO"), Employees(4));
    QList<EmployeeRecord> Staff = Employees(3, QStringLiteral("Three"));
    Staff.insert(1, EmployeeRecord());
    EmployerRecord Third = Employer(QStringLiteral("ACME THREE"));
    QString Folder = Dir->filePath(QStringLiteral("in"));
    QString File = QStringLiteral("Three");
    if (Case == QLatin1String("none"))
        Staff = { EmployeeRecord(), EmployeeRecord() };
    else if (Case == QLatin1String("ssn"))
        Staff[2].SetEmployeeSSN(QStringLiteral("123-00-4567"));
    else if (Case == QLatin1String("w3"))
        Third.SetEmployerAddress(QString());
    else if (Case == QLatin1String("huge")) {
        Staff[2].SetBox12Code_b(QStringLiteral("w"));
        Staff[2].SetBox12Amt_b(1.5e9);
    } else if (Case == QLatin1String("unfit")) {
        QByteArray Bytes = Staff[2].Bytes();
        WriteMoney(Bytes, EmployeeLayout::Box2FedIncomeTax, std::numeric_limits<double>::infinity());
        WriteMoney(Bytes, EmployeeLayout::Box4SocSecTax, std::numeric_limits<double>::quiet_NaN());
        WriteMoney(Bytes, EmployeeLayout::Box3SocSecWages, -1000);
        Staff[2] = EmployeeRecord::FromBytes(Bytes);
    } else if (Case == QLatin1String("twice"))
        Third.SetEmployerName(QStringLiteral("Acme One"));
    else if (Case == QLatin1String("clash")) {
        Folder = Dir->filePath(QStringLiteral("in/elsewhere"));
        File = QStringLiteral("One");
    }
    const QString W2 = WriteCompany(Folder, File, Third, Staff);
    const QMap<QString, QByteArray> Before = Snapshot(In(QString()));
    const TRun Run = RunCli(Args({ One, Two, W2 }));
    QCOMPARE(Run.Code, 3);
    QCOMPARE(Run.Err, QStringLiteral("qmrk-w2-cli: %1: %2\n").arg(W2, Message));
    QVERIFY(!QFile::exists(Out()));
    QCOMPARE(Snapshot(In(QString())), Before);
}

void TstEFW2Cli::fileErrors()
{
    const QString W2 = Company(QStringLiteral("Acme"), QStringLiteral("ACME"), Employees(2));
    QFile::remove(Settings());
    TRun Run = RunCli(Args({ W2 }));
    QCOMPARE(Run.Code, 1);
    QVERIFY2(
        Run.Err.startsWith(QStringLiteral("qmrk-w2-cli: Cannot open the EFW2 settings file ") + Settings()),
        qPrintable(Run.Err));
    QVERIFY(!QFile::exists(Settings()));

    TRecordBytes::WriteFile(Settings(), { SettingsBytes(Submitter()) });
    Run = RunCli(Args({ In(QStringLiteral("Missing.W225")) }));
    QCOMPARE(Run.Code, 1);
    QVERIFY(!QFile::exists(Out()));

    // A client file that cannot be written leaves nothing behind.
    QVERIFY(QDir().mkpath(Out(QStringLiteral("Acme.txt.new/in the way"))));
    Run = RunCli(Args({ W2 }));
    QCOMPARE(Run.Code, 1);
    QVERIFY2(Run.Err.startsWith(
                 QStringLiteral("qmrk-w2-cli: Cannot create ") + Out(QStringLiteral("Acme.txt.new"))),
        qPrintable(Run.Err));
    QVERIFY(!QFile::exists(Out(QStringLiteral("Acme.txt"))));
}

void TstEFW2Cli::damagedCompanyFiles_data()
{
    QTest::addColumn<QString>("Extension");
    QTest::addColumn<int>("Keep");
    QTest::addColumn<QString>("Reason");
    // Two employee records of 480 bytes; one employer record of 608.
    QTest::newRow("last employee cut short") << "W225" << 700 << "a partial record of 220 bytes";
    QTest::newRow("bytes after the employer") << "W325" << 650 << "42 bytes after the employer record";
    QTest::newRow("employer cut short") << "W325" << 600 << "holds no complete employer record";
}

// A company file that is not whole could lose an employee's wages from the
// report without a word: it is refused and nothing is written.
void TstEFW2Cli::damagedCompanyFiles()
{
    QFETCH(QString, Extension);
    QFETCH(int, Keep);
    QFETCH(QString, Reason);
    const QString Good = Company(QStringLiteral("Good"), QStringLiteral("GOOD CO"), Employees(1));
    const QString W2 = Company(QStringLiteral("Acme"), QStringLiteral("ACME"), Employees(2));
    const QString Damaged = In(QStringLiteral("Acme.") + Extension);
    QByteArray Bytes = TRecordBytes::ReadFile(Damaged);
    Bytes = Keep <= Bytes.size() ? Bytes.left(Keep) : Bytes + QByteArray(Keep - Bytes.size(), 'x');
    TRecordBytes::WriteFile(Damaged, {}, Bytes);
    const QMap<QString, QByteArray> Before = Snapshot(In(QString()));
    const TRun Run = RunCli(Args({ Good, W2 }));
    QCOMPARE(Run.Code, 1);
    QVERIFY2(Run.Err.startsWith(QStringLiteral("qmrk-w2-cli: ") + Damaged), qPrintable(Run.Err));
    QVERIFY2(Run.Err.contains(Reason), qPrintable(Run.Err));
    QVERIFY(Run.Out.isEmpty());
    QVERIFY(!QFile::exists(Out()));
    QCOMPARE(Snapshot(In(QString())), Before);
}

void TstEFW2Cli::wrongCommandLines_data()
{
    QTest::addColumn<QStringList>("Arguments");
    QTest::newRow("nothing") << QStringList { "efw2" };
    QTest::newRow("no companies") << QStringList { "efw2", "--settings", "S", "--out", "D" };
    QTest::newRow("no settings") << QStringList { "efw2", "--out", "D", "A.W225" };
    QTest::newRow("no out") << QStringList { "efw2", "--settings", "S", "A.W225" };
    QTest::newRow("unknown option") << QStringList { "efw2", "--settings", "S", "--out", "D", "--fast",
        "A.W225" };
}

void TstEFW2Cli::wrongCommandLines()
{
    QFETCH(QStringList, Arguments);
    const TRun Run = RunCli(Arguments);
    QCOMPARE(Run.Code, 2);
    QVERIFY(Run.Err.contains(QStringLiteral("efw2 takes --settings FILE, --out DIR")));
}

void TstEFW2Cli::theProgramItself()
{
    const QString One = Company(QStringLiteral("One"), QStringLiteral("ACME ONE"), Employees(2));
    const QString Two = Company(QStringLiteral("Two"), QStringLiteral("ACME TWO"), Employees(1));
    QProcess Cli;
    Cli.start(QStringLiteral(QMRK_CLI_PATH), Args({ One, Two }));
    QVERIFY(Cli.waitForFinished(60000));
    QCOMPARE(Cli.exitCode(), 0);
    QCOMPARE(RecordIds(Lines(Out(QStringLiteral("FormsW2Report.txt")))),
        QStringList({ "RA", "RE", "RW", "RW", "RT", "RE", "RW", "RT", "RF" }));
    TRecordBytes::WriteFile(Settings(), { SettingsBytes(BrokenFrom(2)) });
    Cli.start(QStringLiteral(QMRK_CLI_PATH), Args({ One }));
    QVERIFY(Cli.waitForFinished(60000));
    QCOMPARE(Cli.exitCode(), 3);
    QVERIFY(Cli.readAllStandardError().contains("BSO User ID must be 8 characters."));
}

void TstEFW2Cli::unfitFilesAreRefused_data()
{
    QTest::addColumn<QString>("File");
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<qint64>("Size");
    QTest::addColumn<qint64>("MaxSize");
    const qint64 Huge = qint64(64) << 30;
    // The settings file is its 564-byte record with room after it, 64 KiB.
    QTest::newRow("settings: named pipe") << "QMRK.W2S"
                                          << "fifo" << qint64(0) << qint64(0);
    QTest::newRow("settings: endless device") << "QMRK.W2S"
                                              << "zero" << qint64(0) << qint64(0);
    QTest::newRow("settings: folder") << "QMRK.W2S"
                                      << "folder" << qint64(0) << qint64(0);
    QTest::newRow("settings: one byte over") << "QMRK.W2S"
                                             << "oversized" << qint64(65537) << qint64(65536);
    QTest::newRow("settings: sparse 64 GiB") << "QMRK.W2S"
                                             << "oversized" << Huge << qint64(65536);
    THostileFiles::AddCompanyFileRows();
}

// The installed program, as a process that is killed when it hangs: a pipe
// or a device in place of a file it reads is refused with the path and the
// reason, nothing is written, and the exit status tells a file error.
void TstEFW2Cli::unfitFilesAreRefused()
{
    QFETCH(QString, File);
    QFETCH(QString, Kind);
    QFETCH(qint64, Size);
    QFETCH(qint64, MaxSize);
    const QString W2 = Company(QStringLiteral("Acme"), QStringLiteral("ACME"), Employees(2));
    THostileFiles::Make(In(File), Kind, Size);
    const QMap<QString, QByteArray> Before = Snapshot(In(QString()));
    const THostileFiles::TCliRun Run = THostileFiles::RunCli(QStringLiteral(QMRK_CLI_PATH), Args({ W2 }));
    QVERIFY2(Run.Finished, "the program waited on the file");
    QCOMPARE(Run.Code, 1);
    QCOMPARE(Run.Out, QByteArray());
    QCOMPARE(QString::fromUtf8(Run.Err),
        QStringLiteral("qmrk-w2-cli: ") + In(File) + THostileFiles::Problem(Kind, Size, MaxSize)
            + QLatin1Char('\n'));
    QVERIFY(!QFile::exists(Out()));
    QCOMPARE(Snapshot(In(QString())), Before);
}

// A crafted company file's employer name and a file name would drive the
// terminal (set its title, ring its bell) when printed raw.
void TstEFW2Cli::controlCharactersInNamesAreShownEscaped()
{
    const QString W2
        = Company(QStringLiteral("Ac\x1bme"), QStringLiteral("ACME\x1b]0;PWNED\x07 CO"), Employees(2));
    THostileFiles::TCliRun Run = THostileFiles::RunCli(QStringLiteral(QMRK_CLI_PATH), Args({ W2 }));
    QVERIFY(Run.Finished);
    QCOMPARE(Run.Code, 0);
    QCOMPARE(Run.Err, QByteArray());
    const QByteArray Target = Out(QStringLiteral("Ac")).toUtf8() + "\\x1bme.txt";
    QCOMPARE(Run.Out,
        Target
            + ": ACME\\x1b]0;PWNED\\x07 CO, 2 employee records, 6 lines\n"
              "Total employee records: 2\n");

    // The same name twice in one submission: the refusal names it.
    const QString Again
        = Company(QStringLiteral("Again"), QStringLiteral("ACME\x1b]0;PWNED\x07 CO"), Employees(1));
    Run = THostileFiles::RunCli(QStringLiteral(QMRK_CLI_PATH), Args({ W2, Again }));
    QCOMPARE(Run.Code, 3);
    QCOMPARE(Run.Err,
        "qmrk-w2-cli: " + Again.toUtf8()
            + ": the client ACME\\x1b]0;PWNED\\x07 CO is already in this submission; a client is processed "
              "once\n");
}

// RO after the RW of each employee with an RO amount, RU after the RT of each
// employer with RO lines, in one company's file and in a submission; the RF
// counts the RW lines only.
void TstEFW2Cli::optionalRecords()
{
    QList<EmployeeRecord> OneStaff = Employees(2, QStringLiteral("One"));
    OneStaff[0].SetBox8AllocatedTips(1234.56);
    OneStaff[0].SetBox12Code_a(QStringLiteral("A"));
    OneStaff[0].SetBox12Amt_a(10);
    OneStaff[0].SetBox12Code_b(QStringLiteral("B"));
    OneStaff[0].SetBox12Amt_b(2.5);
    QList<EmployeeRecord> ThreeStaff = Employees(2, QStringLiteral("Three"));
    ThreeStaff[1].SetBox12Code_c(QStringLiteral("EE"));
    ThreeStaff[1].SetBox12Amt_c(700);
    const QString One = Company(QStringLiteral("One"), QStringLiteral("ACME ONE"), OneStaff);
    const QString Two = Company(QStringLiteral("Two"), QStringLiteral("ACME TWO"), Employees(3));
    const QString Three = Company(QStringLiteral("Three"), QStringLiteral("ACME THREE"), ThreeStaff);

    TExpectedLine RO;
    RO.At(1, "RO");
    for (int Position : { 12, 23, 34, 45, 56, 67, 78, 89, 111, 122, 133 })
        RO.Zeros(Position, 11);
    TExpectedLine RU;
    RU.At(1, "RU").At(3, "0000001");
    for (int Position : { 10, 25, 40, 55, 70, 85, 100, 115, 145, 160, 175 })
        RU.Zeros(Position, 15);
    const QByteArray OneRO = TExpectedLine(RO).At(12, "00000123456").At(23, "00000001250").Line();
    const QByteArray OneRU = TExpectedLine(RU).At(10, "000000000123456").At(25, "000000000001250").Line();
    const QByteArray ThreeRO = TExpectedLine(RO).At(111, "00000070000").Line();
    const QByteArray ThreeRU = TExpectedLine(RU).At(145, "000000000070000").Line();

    TRun Run = RunCli(Args({ One }));
    QVERIFY2(Run.Code == 0, qPrintable(Run.Err));
    const QStringList Single = Lines(Out(QStringLiteral("One.txt")));
    QCOMPARE(RecordIds(Single), QStringList({ "RA", "RE", "RW", "RO", "RW", "RT", "RU", "RF" }));
    QCOMPARE_LINE(Single.at(3), OneRO);
    QCOMPARE_LINE(Single.at(6), OneRU);
    QCOMPARE_LINE(Single.last(), TExpectedLine().At(1, "RF").At(8, "000000002").Line());

    QVERIFY(QDir(Out()).removeRecursively());
    Run = RunCli(Args({ One, Two, Three }));
    QVERIFY2(Run.Code == 0, qPrintable(Run.Err));
    const QStringList Master = Lines(Out(QStringLiteral("FormsW2Report.txt")));
    QCOMPARE(RecordIds(Master),
        QStringList({ "RA", "RE", "RW", "RO", "RW", "RT", "RU", "RE", "RW", "RW", "RW", "RT", "RE", "RW",
            "RW", "RO", "RT", "RU", "RF" }));
    QCOMPARE_LINE(Master.at(3), OneRO);
    QCOMPARE_LINE(Master.at(6), OneRU);
    QCOMPARE_LINE(Master.at(15), ThreeRO);
    QCOMPARE_LINE(Master.at(17), ThreeRU);
    QCOMPARE_LINE(Master.last(), TExpectedLine().At(1, "RF").At(8, "000000007").Line());
    QCOMPARE(Master,
        Lines(Out(QStringLiteral("One.txt"))) + Lines(Out(QStringLiteral("Two.txt")))
            + Lines(Out(QStringLiteral("Three.txt"))));
}

void TstEFW2Cli::limitFindings_data()
{
    QTest::addColumn<bool>("Strict");
    QTest::addColumn<bool>("Error");
    QTest::addColumn<bool>("Notice");
    QTest::addColumn<int>("Code");
    QTest::newRow("an error: written, with its line") << false << true << false << 0;
    QTest::newRow("an error with --strict: refused") << true << true << false << 3;
    QTest::newRow("a notice with --strict: written") << true << false << true << 0;
    QTest::newRow("both with --strict: refused, both lines") << true << true << true << 3;
    QTest::newRow("both: written, both lines") << false << true << true << 0;
}

void TstEFW2Cli::limitFindings()
{
    QFETCH(bool, Strict);
    QFETCH(bool, Error);
    QFETCH(bool, Notice);
    QFETCH(int, Code);
    QList<EmployeeRecord> Staff = Employees(3);
    if (Error)
        Staff[1].SetBox4SocSecTax(500);
    if (Notice)
        Staff[2].SetBox6MedicareTax(100);
    const QString Good = Company(QStringLiteral("Good"), QStringLiteral("GOOD CO"), Employees(1));
    const QString W2 = Company(QStringLiteral("Acme"), QStringLiteral("ACME"), Staff);
    QStringList Arguments = Args({ Good, W2 });
    if (Strict)
        Arguments.insert(1, QStringLiteral("--strict"));
    const TRun Run = RunCli(Arguments);
    QCOMPARE(Run.Code, Code);
    QString Expected;
    if (Error)
        Expected
            += QStringLiteral("qmrk-w2-cli: %1: Error: employee record 2 (Emp2 Worker, ***-**-6780): social "
                              "security tax more than a cent above 6.2 % of social security wages plus tips "
                              "(box 4: 500.00, boxes 3 and 7: 2,000.00)\n")
                   .arg(W2);
    if (Notice)
        Expected
            += QStringLiteral("qmrk-w2-cli: %1: Notice: employee record 3 (Emp3 Worker, ***-**-6780): "
                              "Medicare tax more than a cent away from 1.45 % of Medicare wages and tips "
                              "plus 0.9 % of the part above 200,000.00 (box 6: 100.00, box 5: 3,000.00)\n")
                   .arg(W2);
    if (Code == 3)
        Expected += QStringLiteral(
            "qmrk-w2-cli: --strict: the errors above refuse the run; no EFW2 file was written\n");
    QCOMPARE(Run.Err, Expected);
    QCOMPARE(QFile::exists(Out()), Code == 0);
    if (Code == 0)
        QCOMPARE(RecordIds(Lines(Out(QStringLiteral("FormsW2Report.txt")))),
            QStringList({ "RA", "RE", "RW", "RT", "RE", "RW", "RW", "RW", "RT", "RF" }));
}

QMRK_TEST_MAIN(TstEFW2Cli)
#include "tst_efw2cli.moc"
