#include "QmrkRequiredTool.h"
#include "QmrkTestMain.h"
#include "TCliInProcess.h"
#include "THostileFiles.h"
#include "TPrintingTestData.h"
#include "TSnapshotReader.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

using namespace PrintingTestData;

namespace {

struct TRun {
    int Code = -1;
    QString Out;
    QString Err;
};

// The real tool, as a batch job starts it: no display, no platform chosen.
// A FileSizeLimit above 0 makes every file it writes stop at that many
// bytes, as a full disk would.
TRun RunTool(const QStringList &Args, rlim_t FileSizeLimit = 0)
{
    QProcess Process;
    if (FileSizeLimit > 0)
        Process.setChildProcessModifier([FileSizeLimit] {
            rlimit Limit;
            ::getrlimit(RLIMIT_FSIZE, &Limit);
            Limit.rlim_cur = FileSizeLimit;
            ::setrlimit(RLIMIT_FSIZE, &Limit);
        });
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.remove(QStringLiteral("DISPLAY"));
    Environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    Environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    Process.setProcessEnvironment(Environment);
    Process.start(QStringLiteral(QMRK_CLI_PATH), Args);
    TRun Result;
    if (!Process.waitForFinished(60000))
        return Result;
    Result.Code = Process.exitStatus() == QProcess::NormalExit ? Process.exitCode() : -2;
    Result.Out = QString::fromUtf8(Process.readAllStandardOutput());
    Result.Err = QString::fromUtf8(Process.readAllStandardError());
    return Result;
}

QStringList SampleArgs()
{
    return { QStringLiteral("report"), QStringLiteral("--project"), SampleProject(),
        QStringLiteral("--report"), QStringLiteral("Sample"), QStringLiteral("--param"),
        QStringLiteral("Name=ACME <&> CO"), QStringLiteral("--param"), QStringLiteral("Amount=1,234.56"),
        QStringLiteral("--param"), QStringLiteral("Check=") };
}

} // namespace

class TstCliReport : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    QString Path(const QString &Name) const { return FDir.filePath(Name); }

private Q_SLOTS:
    void helpListsReport();
    void rendersToPdf();
    void rendersToHtml();
    void rendersToASnapshot();
    void failures_data();
    void failures();
    void unfitProjectsAreRefused_data();
    void unfitProjectsAreRefused();
    void aFullDiskKeepsTheEarlierOutput_data();
    void aFullDiskKeepsTheEarlierOutput();
    void inProcess();
};

void TstCliReport::helpListsReport()
{
    const TRun Run = RunTool({ QStringLiteral("--help") });
    QCOMPARE(Run.Code, 0);
    QVERIFY(Run.Out.contains(QLatin1String("report --project FILE --report NAME [--param NAME=VALUE ...]")));
    QVERIFY(Run.Out.contains(QLatin1String("(--pdf OUT | --html OUT | --snapshot OUT)")));
    QVERIFY(Run.Out.contains(QLatin1String("dump PATH.W225")));
}

void TstCliReport::rendersToPdf()
{
    const TRun Run = RunTool(SampleArgs() << QStringLiteral("--pdf") << Path(QStringLiteral("one.pdf")));
    QVERIFY2(Run.Code == 0, qPrintable(Run.Err));
    QCOMPARE(Run.Out, Path(QStringLiteral("one.pdf")) + QLatin1Char('\n'));
    QFile Pdf(Path(QStringLiteral("one.pdf")));
    QVERIFY(Pdf.open(QIODevice::ReadOnly));
    QVERIFY(Pdf.readAll().startsWith("%PDF-"));
    const QString PdfToText = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QMRK_REQUIRE_TOOL(!PdfToText.isEmpty(), "pdftotext (poppler-utils) is not installed");
    QProcess Text;
    Text.start(PdfToText, { QStringLiteral("-layout"), Pdf.fileName(), QStringLiteral("-") });
    QVERIFY(Text.waitForFinished(30000));
    const QString Words = QString::fromUtf8(Text.readAllStandardOutput());
    QVERIFY2(Words.contains(QLatin1String("ACME <&> CO")), qPrintable(Words));
    QVERIFY(Words.contains(QLatin1String("1,234.56")));
    QVERIFY(Words.contains(QLatin1String("Sample Report")));
}

void TstCliReport::rendersToHtml()
{
    const TRun Run = RunTool(SampleArgs() << QStringLiteral("--html") << Path(QStringLiteral("one.html")));
    QVERIFY2(Run.Code == 0, qPrintable(Run.Err));
    QFile Html(Path(QStringLiteral("one.html")));
    QVERIFY(Html.open(QIODevice::ReadOnly));
    const QString Text = QString::fromUtf8(Html.readAll());
    QVERIFY(Text.contains(QLatin1String(">ACME &lt;&amp;&gt; CO</div>")));
    QCOMPARE(Text.count(QLatin1String("<div class=\"page\"")), 1);
}

void TstCliReport::rendersToASnapshot()
{
    const TRun Run = RunTool(SampleArgs() << QStringLiteral("--snapshot") << Path(QStringLiteral("one.ndr")));
    QVERIFY2(Run.Code == 0, qPrintable(Run.Err));
    QFile File(Path(QStringLiteral("one.ndr")));
    QVERIFY(File.open(QIODevice::ReadOnly));
    const TSnapshotReader Reader(File, File.fileName());
    QCOMPARE(Reader.PageCount(), 1);
    QCOMPARE(Reader.Job().Title, QStringLiteral("Sample"));
    bool Found = false;
    for (const TPageItem *Item : Reader.Page(1).Texts())
        Found = Found || Item->Text == QLatin1String("ACME <&> CO");
    QVERIFY(Found);
}

void TstCliReport::failures_data()
{
    QTest::addColumn<QStringList>("Args");
    QTest::addColumn<int>("Code");
    QTest::addColumn<QString>("Message");
    const QString Project = SampleProject();
    const QString Out = QDir::tempPath() + QStringLiteral("/qmrk-never-written.pdf");
    const QString Missing = QDir(QDir::tempPath()).filePath(QStringLiteral("no-such-project.RAV"));
    QTest::newRow("missing project") << QStringList {
        "report", "--project", Missing, "--report", "Sample", "--pdf", Out
    } << 1 << QStringLiteral("qmrk-w2-cli: The report project %1 does not exist.\n").arg(Missing);
    QTest::newRow("malformed project")
        << QStringList { "report", "--project", DataFile(QStringLiteral("Malformed.RAV")), "--report",
               "Sample", "--pdf", Out }
        << 1
        << QStringLiteral(
               "is malformed at reports[0] \"Sample\" > items[1] (field \"Box1\"): \"y\" is missing.");
    QTest::newRow("unknown report") << QStringList { "report", "--project", Project, "--report", "FormW2",
        "--pdf", Out } << 1 << QStringLiteral("has no report 'FormW2'; it has: Sample, Wide.");
    QTest::newRow("folder missing") << QStringList {
        "report", "--project", Project, "--report", "Sample", "--html", "/no/such/folder/x.html"
    } << 1 << QStringLiteral("The HTML file /no/such/folder/x.html could not be written");
    QTest::newRow("no output") << QStringList {
        "report", "--project", Project, "--report", "Sample"
    } << 2 << QStringLiteral("report needs --project, --report and one of --pdf, --html and --snapshot");
    QTest::newRow("two outputs") << QStringList { "report", "--project", Project, "--report", "Sample",
        "--pdf", Out, "--html", Out }
                                 << 2 << QStringLiteral("give one of --pdf, --html and --snapshot");
    QTest::newRow("parameter without value") << QStringList { "report", "--project", Project, "--report",
        "Sample", "--param", "Box1", "--pdf", Out }
                                             << 2 << QStringLiteral("--param takes NAME=VALUE, not 'Box1'");
    QTest::newRow("unknown option") << QStringList { "report", "--project", Project, "--report", "Sample",
        "--png", Out } << 2 << QStringLiteral("unknown option '--png' for report");
    QTest::newRow("option without value")
        << QStringList { "report", "--project" } << 2 << QStringLiteral("--project needs a value");
}

void TstCliReport::failures()
{
    QFETCH(QStringList, Args);
    QFETCH(int, Code);
    QFETCH(QString, Message);
    const TRun Run = RunTool(Args);
    QCOMPARE(Run.Code, Code);
    QVERIFY2(Run.Err.contains(Message), qPrintable(Run.Err));
    QVERIFY(Run.Out.isEmpty());
    QVERIFY(!QFile::exists(QDir::tempPath() + QStringLiteral("/qmrk-never-written.pdf")));
}

void TstCliReport::unfitProjectsAreRefused_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<qint64>("Size");
    QTest::addColumn<QString>("Output");
    QTest::newRow("named pipe") << "fifo" << qint64(0) << "--html";
    QTest::newRow("endless device") << "zero" << qint64(0) << "--pdf";
    QTest::newRow("folder") << "folder" << qint64(0) << "--snapshot";
    QTest::newRow("one byte over 16 MiB") << "oversized" << (qint64(16) << 20) + 1 << "--html";
    QTest::newRow("sparse 64 GiB") << "oversized" << (qint64(64) << 30) << "--pdf";
}

// A project that is a pipe or a device made the tool wait forever or read
// until memory ran out; the tool runs as a process killed when it hangs.
void TstCliReport::unfitProjectsAreRefused()
{
    QFETCH(QString, Kind);
    QFETCH(qint64, Size);
    QFETCH(QString, Output);
    QTemporaryDir Dir;
    const QString Project = Dir.filePath(QStringLiteral("TaxForms.RAV"));
    const QString Out = Dir.filePath(QStringLiteral("out"));
    THostileFiles::Make(Project, Kind, Size);
    const THostileFiles::TCliRun Run = THostileFiles::RunCli(QStringLiteral(QMRK_CLI_PATH),
        { QStringLiteral("report"), QStringLiteral("--project"), Project, QStringLiteral("--report"),
            QStringLiteral("Sample"), Output, Out });
    QVERIFY2(Run.Finished, "the tool waited on the project");
    QCOMPARE(Run.Code, 1);
    QCOMPARE(Run.Out, QByteArray());
    QCOMPARE(QString::fromUtf8(Run.Err),
        QStringLiteral("qmrk-w2-cli: ") + Project + THostileFiles::Problem(Kind, Size, qint64(16) << 20)
            + QLatin1Char('\n'));
    QVERIFY(!QFile::exists(Out));
}

void TstCliReport::aFullDiskKeepsTheEarlierOutput_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::newRow("PDF") << "pdf";
    QTest::newRow("HTML") << "html";
    QTest::newRow("snapshot") << "snapshot";
}

void TstCliReport::aFullDiskKeepsTheEarlierOutput()
{
    QFETCH(QString, Kind);
    const QString Target = Path(QStringLiteral("earlier.") + Kind);
    const QByteArray Earlier = "the output of an earlier run\n";
    {
        QFile File(Target);
        QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
        File.write(Earlier);
    }
    const TRun Run = RunTool(SampleArgs() << QStringLiteral("--") + Kind << Target, 100);
    QCOMPARE(Run.Code, 1);
    QVERIFY2(
        Run.Err.startsWith(QLatin1String("qmrk-w2-cli: ")) && Run.Err.contains(Target), qPrintable(Run.Err));
    QVERIFY(Run.Out.isEmpty());
    QFile File(Target);
    QVERIFY(File.open(QIODevice::ReadOnly));
    QCOMPARE(File.readAll(), Earlier);
}

void TstCliReport::inProcess()
{
    const TCliInProcess::TRun<QString> Run = TCliInProcess::RunCli(
        SampleArgs() << QStringLiteral("--snapshot") << Path(QStringLiteral("in.ndr")));
    QVERIFY2(Run.Code == 0, qPrintable(Run.Err));
    QVERIFY(QFile::exists(Path(QStringLiteral("in.ndr"))));
}

QMRK_TEST_MAIN_IMPL(TstCliReport, QGuiApplication)
#include "tst_clireport.moc"
