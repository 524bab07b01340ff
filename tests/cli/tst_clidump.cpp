#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "QmrkTestMain.h"
#include "TCliInProcess.h"
#include "TFrmDataModule.h"
#include "THostileFiles.h"
#include "TRecordBytes.h"
#include "TRecordSet.h"
#include "TScriptedInteraction.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>
#include <unistd.h>

namespace {

using TRun = TCliInProcess::TRun<QByteArray>;

// What the tool writes is checked here as bytes.
TRun RunCli(const QStringList &Args)
{
    return TCliInProcess::RunCli<QByteArray>(Args);
}

// Every entry of Folder with its bytes, to show that nothing was created or changed.
QMap<QString, QByteArray> Snapshot(const QString &Folder)
{
    QMap<QString, QByteArray> Result;
    const QDir Dir(Folder);
    for (const QFileInfo &Entry : Dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        Result.insert(Entry.fileName(),
            Entry.isDir() ? QByteArray("<folder>") : TRecordBytes::ReadFile(Entry.filePath()));
    }
    return Result;
}

// The fixture company: texts with Windows-1252 characters, tails after
// shortened texts, characters JSON must escape, filler bytes set, and a
// partial record at the end of the employee file.
QByteArray FixtureEmployer()
{
    return TRecordBytes(608, '\0')
        .PutStr(0, "CN-7")
        .PutFlag(11, 1)
        .PutFlag(19, 1)
        .PutInt32(24, 2)
        .PutStr(33, "12-3456789")
        .PutStr(44, "Caf\xE9 \x80uro HARDWARE", 9)
        .PutStr(172, "IL", 200)
        .PutStr(175, "62701")
        .PutMoney(240, 1234.56)
        .PutMoney(248, 100000000.0)
        .PutStr(344, "A\"B\\C\x01\t")
        .PutMoney(376, -0.25)
        .PutStr(593, "PshQsdf")
        .PutFlag(606, 1)
        .Fill(234, 6, char(0xA5))
        .Fill(336, 8, char(0xFF));
}

QList<QByteArray> FixtureEmployees()
{
    return { TRecordBytes(480)
                 .PutStr(0, "123-45-6788")
                 .PutStr(23, "ANNABEL", 3)
                 .PutStr(39, "O'NEIL")
                 .PutMoney(160, 50000.5)
                 .PutStr(224, "ABCDEFGHIJKLMNOPQRS")
                 .PutFlag(313, 1)
                 .PutMoney(400, 0.005)
                 .Fill(156, 4, char(0xA5)),
        TRecordBytes(480).PutStr(23, "BOB").PutMoney(160, -0.25).PutStr(264, "DD").PutMoney(280, 19.99) };
}

// The values the fixture holds, by field name; every other field is zero.
const QMap<QString, QJsonValue> ExpectedEmployer = {
    { QStringLiteral("EmployerControlNumber"), QStringLiteral("CN-7") },
    { QStringLiteral("KindOfPayer941"), true },
    { QStringLiteral("KindOfEmployer501cNonGovt"), true },
    { QStringLiteral("FormsW2Count"), 2 },
    { QStringLiteral("EmployerEIN"), QStringLiteral("12-3456789") },
    { QStringLiteral("EmployerName"), QStringLiteral("Café €uro") },
    { QStringLiteral("EmployerState"), QStringLiteral("IL") },
    { QStringLiteral("EmployerZipCode"), QStringLiteral("62701") },
    { QStringLiteral("TotalWages"), 1234.56 },
    { QStringLiteral("TotalFedIncomeTax"), 100000000.0 },
    { QStringLiteral("SickPayText"), QStringLiteral("A\"B\\C\x01\t") },
    { QStringLiteral("SickPayTaxWithheld"), -0.25 },
    { QStringLiteral("FilePassword"), QStringLiteral("PshQsdf") },
    { QStringLiteral("FinalReturn"), true },
};

const QList<QMap<QString, QJsonValue>> ExpectedEmployees = {
    { { QStringLiteral("EmployeeSSN"), QStringLiteral("123-45-6788") },
        { QStringLiteral("FirstName"), QStringLiteral("ANN") },
        { QStringLiteral("LastName"), QStringLiteral("O'NEIL") }, { QStringLiteral("Box1Wages"), 50000.5 },
        { QStringLiteral("Box9Text"), QStringLiteral("ABCDEFGHIJKLMNOPQRS") },
        { QStringLiteral("Box13Retirement"), true }, { QStringLiteral("Box16StateWages_a"), 0.005 } },
    { { QStringLiteral("FirstName"), QStringLiteral("BOB") }, { QStringLiteral("Box1Wages"), -0.25 },
        { QStringLiteral("Box12Code_a"), QStringLiteral("DD") }, { QStringLiteral("Box12Amt_a"), 19.99 } },
};

QJsonValue ZeroValue(const TFieldDef &Field)
{
    switch (Field.Type) {
    case TFieldType::Str:
        return QString();
    case TFieldType::Flag:
        return false;
    default:
        return 0;
    }
}

void CompareRecord(
    const QJsonObject &Actual, std::span<const TFieldDef> Fields, const QMap<QString, QJsonValue> &Set)
{
    QCOMPARE(Actual.size(), qsizetype(Fields.size()));
    for (const TFieldDef &Field : Fields) {
        const QString Name = QLatin1String(Field.Name);
        QVERIFY2(Actual.contains(Name), qPrintable(Name));
        const QJsonValue Expected = Set.value(Name, ZeroValue(Field));
        if (Actual.value(Name) != Expected)
            QFAIL(qPrintable(
                QStringLiteral("%1: %2 instead of %3")
                    .arg(Name, Actual.value(Name).toVariant().toString(), Expected.toVariant().toString())));
    }
}

// The position of every field name in Text, in table order from From on:
// the names must come in record order.
void CompareKeyOrder(const QByteArray &Text, qsizetype From, std::span<const TFieldDef> Fields)
{
    qsizetype Last = From;
    for (const TFieldDef &Field : Fields) {
        const qsizetype At = Text.indexOf(QByteArray("\"") + Field.Name + "\":", Last);
        QVERIFY2(At > Last, Field.Name);
        Last = At;
    }
}

} // namespace

class TstCliDump : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void helpListsDump();
    void dumpsThePair();
    void dumpKeepsTableOrder();
    void dumpOfAnEmptyEmployeeFile();
    void dumpWhileTheProgramHoldsThePair();
    void errors_data();
    void errors();
    void realExecutable();
    void unfitFilesAreRefused_data();
    void unfitFilesAreRefused();
    void controlCharactersAreShownEscaped();
    void importAddsTheRows();
    void importRefusesABadFileWhole();
    void importRefusesAnUnknownColumnByName();
    void importExportCommandLine_data();
    void importExportCommandLine();
    void exportThenImportIntoANewCompany();

private:
    QString Path(const QString &Name) const { return FDir->filePath(Name); }
    void WriteFixture(const QString &Base);

    std::optional<QTemporaryDir> FDir;
    std::optional<TScriptedInteraction> FUser;
};

void TstCliDump::init()
{
    FDir.emplace();
    QVERIFY(FDir->isValid());
    FUser.emplace();
}

void TstCliDump::cleanup()
{
    const QString Problems = FUser->Problems();
    FUser.reset();
    FDir.reset();
    QCOMPARE(Problems, QString());
}

void TstCliDump::WriteFixture(const QString &Base)
{
    TRecordBytes::WriteFile(Path(Base + QStringLiteral(".W325")), { FixtureEmployer() });
    TRecordBytes::WriteFile(Path(Base + QStringLiteral(".W225")), FixtureEmployees(), QByteArray(100, 'x'));
}

void TstCliDump::helpListsDump()
{
    const TRun Run = RunCli({ QStringLiteral("--help") });
    QCOMPARE(Run.Code, 0);
    QVERIFY(Run.Out.contains("dump PATH.W225"));
}

void TstCliDump::dumpsThePair()
{
    WriteFixture(QStringLiteral("Acme"));
    const auto Before = Snapshot(FDir->path());

    const TRun Run = RunCli({ QStringLiteral("dump"), Path(QStringLiteral("Acme.W225")) });

    QCOMPARE(Run.Code, 0);
    QCOMPARE(Run.Err,
        (QStringLiteral("qmrk-w2-cli: warning: %1: a partial record of 100 bytes at the end is "
                        "ignored\n")
                .arg(Path(QStringLiteral("Acme.W225"))))
            .toUtf8());
    QJsonParseError Error;
    const QJsonDocument Json = QJsonDocument::fromJson(Run.Out, &Error);
    QCOMPARE(Error.error, QJsonParseError::NoError);
    QVERIFY(Json.isObject());
    QCOMPARE(Json.object().keys(), QStringList({ QStringLiteral("employees"), QStringLiteral("employer") }));
    CompareRecord(Json.object().value(QStringLiteral("employer")).toObject(), EmployerRecord::Fields(),
        ExpectedEmployer);
    const QJsonArray Employees = Json.object().value(QStringLiteral("employees")).toArray();
    QCOMPARE(Employees.size(), 2);
    for (int I = 0; I < 2; ++I)
        CompareRecord(Employees.at(I).toObject(), EmployeeRecord::Fields(), ExpectedEmployees.at(I));
    QVERIFY(Run.Out.contains("\"Caf\xC3\xA9 \xE2\x82\xAC"
                             "uro\""));
    QVERIFY(Run.Out.contains("\"TotalFedIncomeTax\": 100000000,"));
    QCOMPARE(Snapshot(FDir->path()), Before);
}

void TstCliDump::dumpKeepsTableOrder()
{
    WriteFixture(QStringLiteral("Acme"));
    const TRun Run = RunCli({ QStringLiteral("dump"), Path(QStringLiteral("Acme.W225")) });
    QCOMPARE(Run.Code, 0);
    const qsizetype Employer = Run.Out.indexOf("\"employer\":");
    const qsizetype Employees = Run.Out.indexOf("\"employees\":");
    QVERIFY(Employer >= 0 && Employees > Employer);
    CompareKeyOrder(Run.Out.left(Employees), Employer, EmployerRecord::Fields());
    const qsizetype Second = Run.Out.indexOf("\"EmployeeSSN\":", Run.Out.indexOf("\"EmployeeSSN\":") + 1);
    CompareKeyOrder(Run.Out.left(Second), Employees, EmployeeRecord::Fields());
    CompareKeyOrder(Run.Out, Second - 1, EmployeeRecord::Fields());
}

void TstCliDump::dumpOfAnEmptyEmployeeFile()
{
    TRecordBytes::WriteFile(Path(QStringLiteral("Empty.W325")), { QByteArray(608, '\0') });
    TRecordBytes::WriteFile(Path(QStringLiteral("Empty.W225")), {});
    const TRun Run = RunCli({ QStringLiteral("dump"), Path(QStringLiteral("Empty.W225")) });
    QCOMPARE(Run.Code, 0);
    QCOMPARE(Run.Err, QByteArray());
    const QJsonObject Json = QJsonDocument::fromJson(Run.Out).object();
    QCOMPARE(Json.value(QStringLiteral("employees")).toArray().size(), 0);
    CompareRecord(Json.value(QStringLiteral("employer")).toObject(), EmployerRecord::Fields(), {});
}

// The dump takes no lock: it reads a pair the program holds open, and the
// program's hold is not disturbed.
void TstCliDump::dumpWhileTheProgramHoldsThePair()
{
    WriteFixture(QStringLiteral("Acme"));
    FUser->AnswerPassword(QStringLiteral("Secret1"));
    TFrmDataModule Module;
    Module.OpenCompany(Path(QStringLiteral("Acme.W225")));
    QVERIFY(Module.CompanyFileOpen && !Module.RSW2->BrowseOnly());

    const TRun Run = RunCli({ QStringLiteral("dump"), Path(QStringLiteral("Acme.W225")) });

    QCOMPARE(Run.Code, 0);
    QCOMPARE(QJsonDocument::fromJson(Run.Out)
                 .object()
                 .value(QStringLiteral("employer"))
                 .toObject()
                 .value(QStringLiteral("EmployerName"))
                 .toString(),
        QStringLiteral("Café €uro"));
    Module.CurrentEmployee.SetFirstName(QStringLiteral("ANNA"));
    Module.CloseCompany();
    QCOMPARE(TRecordBytes::ReadFile(Path(QStringLiteral("Acme.W225"))).mid(23, 5),
        QByteArray("\x04"
                   "ANNA"));
}

void TstCliDump::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("needsUnprivileged");
    const QString Dump = QStringLiteral("dump");
    QTest::newRow("no path") << QStringList { Dump } << 2
                             << QStringLiteral("dump takes one argument, the path of a .W225 file") << false;
    QTest::newRow("two paths") << QStringList { Dump, QStringLiteral("Acme.W225"),
        QStringLiteral("Acme.W225") }
                               << 2 << QStringLiteral("dump takes one argument") << false;
    QTest::newRow("empty path") << QStringList { Dump, QString() } << 1
                                << QStringLiteral("no file name was given") << false;
    QTest::newRow("blank path") << QStringList { Dump, QStringLiteral("   ") } << 1
                                << QStringLiteral("no file name was given") << false;
    QTest::newRow("garbage path") << QStringList { Dump, QStringLiteral("\x01?*") } << 1
                                  << QStringLiteral("not an employee file") << false;
    QTest::newRow("lower-case extension") << QStringList { Dump, QStringLiteral("lower.w225") } << 1
                                          << QStringLiteral("lower.w225: not an employee file") << false;
    QTest::newRow("the employer file") << QStringList { Dump, QStringLiteral("Acme.W325") } << 1
                                       << QStringLiteral("Acme.W325: not an employee file") << false;
    QTest::newRow("missing .W225") << QStringList { Dump, QStringLiteral("NoW2.W225") } << 1
                                   << QStringLiteral("NoW2.W225: no such file") << false;
    QTest::newRow("missing .W325") << QStringList { Dump, QStringLiteral("NoW3.W225") } << 1
                                   << QStringLiteral("NoW3.W325: no such file") << false;
    QTest::newRow("missing pair") << QStringList { Dump, QStringLiteral("Nothing.W225") } << 1
                                  << QStringLiteral("Nothing.W225: no such file") << false;
    QTest::newRow(".W225 is a folder")
        << QStringList { Dump, QStringLiteral("Folder.W225") } << 1
        << QStringLiteral("Folder.W225 is not a regular file (it is a folder)") << false;
    QTest::newRow("short .W325") << QStringList { Dump, QStringLiteral("Short.W225") } << 1
                                 << QStringLiteral(
                                        "Short.W325: holds no complete employer record (100 of 608 bytes)")
                                 << false;
    QTest::newRow("unreadable .W225") << QStringList { Dump, QStringLiteral("Locked.W225") } << 1
                                      << QStringLiteral("Locked.W225: ") << true;
}

// Errors go to standard error with a non-zero code; nothing is written to
// standard output and nothing in the folder is created or changed.
void TstCliDump::errors()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(bool, needsUnprivileged);
    if (needsUnprivileged && ::geteuid() == 0)
        QSKIP("the superuser reads files without read permission");
    WriteFixture(QStringLiteral("lower"));
    QFile::rename(Path(QStringLiteral("lower.W225")), Path(QStringLiteral("lower.w225")));
    QFile::rename(Path(QStringLiteral("lower.W325")), Path(QStringLiteral("lower.w325")));
    WriteFixture(QStringLiteral("Acme"));
    TRecordBytes::WriteFile(Path(QStringLiteral("NoW2.W325")), { FixtureEmployer() });
    TRecordBytes::WriteFile(Path(QStringLiteral("NoW3.W225")), FixtureEmployees());
    QVERIFY(QDir(FDir->path()).mkdir(QStringLiteral("Folder.W225")));
    TRecordBytes::WriteFile(Path(QStringLiteral("Folder.W325")), { FixtureEmployer() });
    TRecordBytes::WriteFile(Path(QStringLiteral("Short.W325")), {}, QByteArray(100, 'x'));
    TRecordBytes::WriteFile(Path(QStringLiteral("Short.W225")), FixtureEmployees());
    WriteFixture(QStringLiteral("Locked"));
    const auto Before = Snapshot(FDir->path());
    QFile::setPermissions(Path(QStringLiteral("Locked.W225")), QFileDevice::WriteOwner);
    for (QString &Arg : args)
        if (Arg.endsWith(QLatin1String("225")) || Arg.endsWith(QLatin1String("325")))
            Arg = Path(Arg);

    const TRun Run = RunCli(args);

    QFile::setPermissions(
        Path(QStringLiteral("Locked.W225")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(Run.Code, code);
    QCOMPARE(Run.Out, QByteArray());
    QVERIFY2(Run.Err.startsWith("qmrk-w2-cli: "), Run.Err.constData());
    QVERIFY2(QString::fromUtf8(Run.Err).contains(message), Run.Err.constData());
    QCOMPARE(Snapshot(FDir->path()), Before);
}

// The installed program: arguments from the command line, UTF-8 on standard
// output, the warning on standard error.
void TstCliDump::realExecutable()
{
    WriteFixture(QStringLiteral("Acme"));
    QProcess Cli;
    Cli.start(QStringLiteral(QMRK_CLI_PATH), { QStringLiteral("dump"), Path(QStringLiteral("Acme.W225")) });
    QVERIFY(Cli.waitForFinished(-1));
    QCOMPARE(Cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Cli.exitCode(), 0);
    const QByteArray Out = Cli.readAllStandardOutput();
    QVERIFY(Out.contains("\"EmployerName\": \"Caf\xC3\xA9 \xE2\x82\xAC"
                         "uro\""));
    QVERIFY(!QJsonDocument::fromJson(Out).isNull());
    QVERIFY(Cli.readAllStandardError().contains("partial record of 100 bytes"));
}

void TstCliDump::unfitFilesAreRefused_data()
{
    QTest::addColumn<QString>("File");
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<qint64>("Size");
    QTest::addColumn<qint64>("MaxSize");
    THostileFiles::AddCompanyFileRows();
}

// The installed tool, killed when it hangs: a pipe or a device named as a
// company file made it wait forever or read until memory ran out.
void TstCliDump::unfitFilesAreRefused()
{
    QFETCH(QString, File);
    QFETCH(QString, Kind);
    QFETCH(qint64, Size);
    QFETCH(qint64, MaxSize);
    WriteFixture(QStringLiteral("Acme"));
    THostileFiles::Make(Path(File), Kind, Size);
    const THostileFiles::TCliRun Run = THostileFiles::RunCli(
        QStringLiteral(QMRK_CLI_PATH), { QStringLiteral("dump"), Path(QStringLiteral("Acme.W225")) });
    QVERIFY2(Run.Finished, "the tool waited on the file");
    QCOMPARE(Run.Code, 1);
    QCOMPARE(Run.Out, QByteArray());
    QCOMPARE(QString::fromUtf8(Run.Err),
        QStringLiteral("qmrk-w2-cli: ") + Path(File) + THostileFiles::Problem(Kind, Size, MaxSize)
            + QLatin1Char('\n'));
}

// An employer name of ESC, BEL, DEL and a C1 control (0x81 has no
// Windows-1252 character) and a file name with ESC: JSON escapes for the
// name, \x escapes in the warning, nothing a terminal acts on.
void TstCliDump::controlCharactersAreShownEscaped()
{
    TRecordBytes::WriteFile(
        Path(QStringLiteral("Ac\x1bme.W325")), { TRecordBytes(608).PutStr(44, "\x1b]0;X\x07\x7f\x81!") });
    TRecordBytes::WriteFile(Path(QStringLiteral("Ac\x1bme.W225")), {}, QByteArray(100, 'x'));
    const THostileFiles::TCliRun Run = THostileFiles::RunCli(
        QStringLiteral(QMRK_CLI_PATH), { QStringLiteral("dump"), Path(QStringLiteral("Ac\x1bme.W225")) });
    QVERIFY(Run.Finished);
    QCOMPARE(Run.Code, 0);
    QCOMPARE(Run.Err,
        "qmrk-w2-cli: warning: " + FDir->path().toUtf8()
            + "/Ac\\x1bme.W225: a partial record of 100 bytes at the end is ignored\n");
    QVERIFY2(Run.Out.contains("  \"EmployerName\": \"\\u001b]0;X\\u0007\\u007f\\u0081!\",\n"),
        Run.Out.constData());
    for (const char Byte : Run.Out)
        QVERIFY2(quint8(Byte) >= 0x20 || Byte == '\n', Run.Out.constData());
    QCOMPARE(QJsonDocument::fromJson(Run.Out)
                 .object()
                 .value(QStringLiteral("employer"))
                 .toObject()
                 .value(QStringLiteral("EmployerName"))
                 .toString(),
        QString::fromUtf16(u"\x1b]0;X\x07\x7f\x81!"));
}

namespace {

// A company with an employer whose state line every imported row gets, and
// employee records as given.
QString MakeCsvCompany(const QString &Folder, const QString &Base, const QList<QByteArray> &Employees)
{
    TRecordBytes::WriteFile(Folder + QLatin1Char('/') + Base + QStringLiteral(".W325"),
        { TRecordBytes(608).PutStr(384, "IL").PutStr(387, "1234567") });
    const QString W2 = Folder + QLatin1Char('/') + Base + QStringLiteral(".W225");
    TRecordBytes::WriteFile(W2, Employees);
    return W2;
}

QString WriteCsv(const QString &Path, const QByteArray &Bytes)
{
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size())
        qFatal("cannot write %s", qPrintable(Path));
    return Path;
}

const QByteArray CsvHeader = "EmployeeSSN,FirstName,LastName,StreetAddress,City,State,ZipCode,Box1Wages\r\n";

} // namespace

void TstCliDump::importAddsTheRows()
{
    const QByteArray Ann = TRecordBytes(480).PutStr(0, "111-22-3333").PutStr(23, "Ann");
    const QString W2 = MakeCsvCompany(FDir->path(), QStringLiteral("Acme"), { Ann });
    const QString Csv = WriteCsv(Path(QStringLiteral("in.csv")),
        CsvHeader
            + "234567890,Bob,Ray,2 Elm,Town,IL,62702,100\r\n345-67-8901,Cy,Day,3 Oak,Town,IL,62703,200\r\n");
    const TRun Run = RunCli({ QStringLiteral("import"), QStringLiteral("--csv"), Csv, W2 });
    QCOMPARE(Run.Err, QByteArray());
    QCOMPARE(Run.Code, 0);
    QCOMPARE(Run.Out, QByteArray("2 employees imported.\n"));
    const QByteArray File = TRecordBytes::ReadFile(W2);
    QCOMPARE(File.size(), 3 * 480);
    // The employee already there is kept byte for byte, the new ones follow it.
    QCOMPARE(File.left(480), Ann);
    QCOMPARE(File.mid(480, 12),
        QByteArray("\x0B"
                   "234-56-7890"));
    QCOMPARE(File.mid(960, 12),
        QByteArray("\x0B"
                   "345-67-8901"));
}

void TstCliDump::importRefusesABadFileWhole()
{
    const QString W2 = MakeCsvCompany(FDir->path(), QStringLiteral("Acme"), { QByteArray(480, '\0') });
    const QString Csv = WriteCsv(Path(QStringLiteral("in.csv")),
        CsvHeader
            + "234567890,Bob,Ray,2 Elm,Town,IL,62702,100\r\n"
              "345-67-8901,Cy,Day,3 Oak,Town,QQ,62703,200\r\n"
              "456-78-9012,Di,Eve,4 Ash,Town,IL,6355,300\r\n"
              "567-89-0123,,Fay,5 Elm,Town,IL,62705,400\r\n"
              "234-56-7890,Bob,Twice,2 Elm,Town,IL,62702,100\r\n");
    const auto Before = Snapshot(FDir->path());
    const TRun Run = RunCli({ QStringLiteral("import"), QStringLiteral("--csv"), Csv, W2 });
    QCOMPARE(Run.Code, 1);
    QCOMPARE(Run.Out, QByteArray());
    QCOMPARE(Run.Err,
        QByteArray(
            "row 3, State: \"QQ\" is not a state code.\n"
            "row 4, ZipCode: \"6355\" has lost its leading zeros; format the ZIP code column as text in the "
            "spreadsheet.\n"
            "row 5, FirstName: Employee's first name is missing.\n"
            "row 6, EmployeeSSN: \"234-56-7890\" is also in row 2.\n"));
    QCOMPARE(Snapshot(FDir->path()), Before);
}

void TstCliDump::importRefusesAnUnknownColumnByName()
{
    const QString W2 = MakeCsvCompany(FDir->path(), QStringLiteral("Acme"), { QByteArray(480, '\0') });
    const QString Csv = WriteCsv(Path(QStringLiteral("in.csv")),
        "EmployeeSSN,FirstName,LastName,StreetAddress,City,State,ZipCode,Box1Wages,Wages\r\n"
        "234567890,Bob,Ray,2 Elm,Town,IL,62702,100,100\r\n");
    const auto Before = Snapshot(FDir->path());
    const TRun Run = RunCli({ QStringLiteral("import"), QStringLiteral("--csv"), Csv, W2 });
    QCOMPARE(Run.Code, 1);
    QCOMPARE(Run.Err, QByteArray("row 1, Wages: \"Wages\" is not a field of the employee record.\n"));
    QCOMPARE(Snapshot(FDir->path()), Before);
}

void TstCliDump::importExportCommandLine_data()
{
    QTest::addColumn<QStringList>("Args");
    QTest::addColumn<int>("Code");
    QTest::newRow("import without --csv") << QStringList { "import", "in.csv", "Acme.W225" } << 2;
    QTest::newRow("import without the company") << QStringList { "import", "--csv", "in.csv" } << 2;
    QTest::newRow("import into another kind of file")
        << QStringList { "import", "--csv", "in.csv", "Acme.W325" } << 2;
    QTest::newRow("export with too many arguments")
        << QStringList { "export", "--csv", "out.csv", "Acme.W225", "more" } << 2;
    QTest::newRow("import of a missing file")
        << QStringList { "import", "--csv", "missing.csv", "Acme.W225" } << 1;
    QTest::newRow("import into a missing company")
        << QStringList { "import", "--csv", "in.csv", "None.W225" } << 1;
    QTest::newRow("import into a company with a file password")
        << QStringList { "import", "--csv", "in.csv", "Locked.W225" } << 1;
    QTest::newRow("export of a missing company")
        << QStringList { "export", "--csv", "out.csv", "None.W225" } << 1;
}

void TstCliDump::importExportCommandLine()
{
    QFETCH(QStringList, Args);
    QFETCH(int, Code);
    MakeCsvCompany(FDir->path(), QStringLiteral("Acme"), { QByteArray(480, '\0') });
    TRecordBytes::WriteFile(Path(QStringLiteral("Locked.W325")),
        { TRecordBytes(608).PutStr(384, "IL").PutStr(387, "1234567").PutStr(593, "Qxyz") });
    TRecordBytes::WriteFile(Path(QStringLiteral("Locked.W225")), { QByteArray(480, '\0') });
    WriteCsv(Path(QStringLiteral("in.csv")), CsvHeader + "234567890,Bob,Ray,2 Elm,Town,IL,62702,100\r\n");
    for (int I = 2; I < Args.size(); ++I)
        if (Args[I] != QLatin1String("--csv") && Args[I] != QLatin1String("more"))
            Args[I] = Path(Args[I]);
    const auto Before = Snapshot(FDir->path());
    const TRun Run = RunCli(Args);
    QCOMPARE(Run.Code, Code);
    QVERIFY(Run.Err.startsWith("qmrk-w2-cli: "));
    QCOMPARE(Snapshot(FDir->path()), Before);
}

void TstCliDump::exportThenImportIntoANewCompany()
{
    const QByteArray Ann = TRecordBytes(480)
                               .PutStr(0, "234-56-7890")
                               .PutStr(12, "A-1")
                               .PutStr(23, "Ren\xE9\x65")
                               .PutStr(39, "O\"Hara, Jr")
                               .PutStr(59, "1 Main St")
                               .PutStr(82, "Springfield")
                               .PutStr(105, "IL")
                               .PutStr(108, "06355")
                               .PutStr(119, "Springfield IL 06355")
                               .PutMoney(160, 1234.56)
                               .PutMoney(176, 1234.56)
                               .PutMoney(184, 76.54)
                               .PutMoney(192, 1234.56)
                               .PutMoney(200, 17.90)
                               .PutStr(264, "DD")
                               .PutMoney(280, 300)
                               .PutFlag(313, 1)
                               .PutStr(368, "WI")
                               .PutStr(374, "55")
                               .PutMoney(400, 1234.56);
    const QByteArray Bob = TRecordBytes(480)
                               .PutStr(0, "345-67-8901")
                               .PutStr(23, "Bob")
                               .PutStr(39, "Ray")
                               .PutStr(59, "2 Elm")
                               .PutStr(82, "Town")
                               .PutStr(105, "IL")
                               .PutStr(108, "62702-1234")
                               .PutStr(119, "Town IL 62702-1234")
                               .PutMoney(160, 100)
                               .PutMoney(176, 100)
                               .PutMoney(184, 6.2)
                               .PutMoney(192, 100)
                               .PutMoney(200, 1.45)
                               .PutStr(368, "IL")
                               .PutStr(374, "1234567")
                               .PutMoney(400, 100);
    const QString From = MakeCsvCompany(FDir->path(), QStringLiteral("Old"), { Ann, Bob });
    const QString Csv = Path(QStringLiteral("employees.csv"));
    TRun Run = RunCli({ QStringLiteral("export"), QStringLiteral("--csv"), Csv, From });
    QCOMPARE(Run.Code, 0);
    QCOMPARE(Run.Out, QByteArray("2 employees exported.\n"));
    const QString To = MakeCsvCompany(FDir->path(), QStringLiteral("New"), { QByteArray(480, '\0') });
    Run = RunCli({ QStringLiteral("import"), QStringLiteral("--csv"), Csv, To });
    QCOMPARE(Run.Err, QByteArray());
    QCOMPARE(Run.Code, 0);
    // Records built from the fields alone: every byte equal, none left over from a longer text.
    QCOMPARE(TRecordBytes::ReadFile(To), Ann + Bob);
}

QMRK_TEST_MAIN(TstCliDump)
#include "tst_clidump.moc"
