#include "EReportException.h"
#include "QmrkGuiTestMain.h"
#include "QmrkRequiredTool.h"
#include "TBaseReport.h"
#include "TCupsPrinterCatalog.h"
#include "TCupsTestServer.h"
#include "TEmployeeListPrintSource.h"
#include "TFrmReportPreview.h"
#include "TPrintingTestData.h"
#include "TReportInteraction.h"
#include "TRvProject.h"
#include "TRvRenderPDF.h"
#include "TRvRenderPrinter.h"
#include "TRvSystem.h"
#include "TScriptedInteraction.h"
#include "TSnapshotReader.h"
#include "TSnapshotWriter.h"
#include "TW2LabelPrinting.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QToolButton>
#include <QUrl>

#include <cups/cups.h>

using namespace PrintingTestData;

namespace {

// The system's printers, except that one of them claims to make copies.
class TBoastingCatalog : public TCupsPrinterCatalog {
public:
    TBoastingCatalog() { TPrinterCatalog::Install(this); }
    ~TBoastingCatalog() override { TPrinterCatalog::Install(nullptr); }
    int MaxCopies(const QString &) override { return 5; }
};

// Scripted output options for runs and for printing from the preview.
class TPrinterChoice : public TReportInteraction {
public:
    TPrinterChoice() { TReportInteraction::Install(this); }
    ~TPrinterChoice() override { TReportInteraction::Install(nullptr); }
    TOutputOptions Choice;
    QStringList Status;
    bool OutputOptions(const QString &, int, TOutputOptions &Options, bool FromPreview) override
    {
        Options.Job.PrinterName = Choice.Job.PrinterName;
        Options.Job.Copies = Choice.Job.Copies;
        Options.Job.Title = Choice.Job.Title;
        if (!FromPreview)
            Options.Destination = Choice.Destination;
        return true;
    }
    void StatusText(const QString &Text) override { Status << Text; }
    void StatusShow(const QString &) override { }
    void StatusHide() override { }
    void OverridePreview(TRvSystem &System, int Mode, QObject *&Form) override
    {
        TFrmReportPreview::OverridePreview(System, Mode, Form, nullptr);
    }
};

QString UniqueTitle(const QString &What)
{
    return QStringLiteral("qmrk%1%2").arg(What).arg(QRandomGenerator::global()->bounded(100000000));
}

// The PDF files cups-pdf made of the jobs titled Title, complete ones only.
QStringList Landed(const QString &Title)
{
    QStringList Files;
    const QDir Folder(TCupsTestServer::PdfOutputFolder());
    for (const QFileInfo &Entry : Folder.entryInfoList({ Title + QStringLiteral("*.pdf") }, QDir::Files)) {
        QFile File(Entry.filePath());
        if (!File.open(QIODevice::ReadOnly))
            continue;
        if (File.readAll().trimmed().endsWith("%%EOF"))
            Files << Entry.filePath();
    }
    return Files;
}

int PageCount(const QString &File)
{
    QProcess Process;
    Process.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), { File });
    Process.waitForFinished(30000);
    const QRegularExpressionMatch Match = QRegularExpression(QStringLiteral("Pages: +(\\d+)"))
                                              .match(QString::fromUtf8(Process.readAllStandardOutput()));
    return Match.hasMatch() ? Match.captured(1).toInt() : -1;
}

// Page Number of a PDF file in grey at 72 dots per inch, as poppler draws it.
QImage Picture(const QString &File, int Number)
{
    const QString Prefix
        = QDir::temp().filePath(QStringLiteral("qmrk-landed-%1").arg(QRandomGenerator::global()->generate()));
    QProcess Process;
    Process.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
        { QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
            QString::number(Number), QStringLiteral("-l"), QString::number(Number),
            QStringLiteral("-singlefile"), QStringLiteral("-png"), File, Prefix });
    Process.waitForFinished(30000);
    QImage Image(Prefix + QStringLiteral(".png"));
    QFile::remove(Prefix + QStringLiteral(".png"));
    return Image.convertToFormat(QImage::Format_Grayscale8);
}

// Below this share of unmatched ink two pictures show the same page: the
// same page printed and exported differs by about 0.0004, pages that differ
// in a few characters by about 0.003.
constexpr double SamePage = 0.0015;

// Whether Image has ink within one pixel of (X, Y).
bool InkNear(const QImage &Image, int X, int Y)
{
    for (int Dy = -1; Dy <= 1; ++Dy)
        for (int Dx = -1; Dx <= 1; ++Dx) {
            const int Px = X + Dx, Py = Y + Dy;
            if (Px >= 0 && Py >= 0 && Px < Image.width() && Py < Image.height()
                && qGray(Image.pixel(Px, Py)) < 160)
                return true;
        }
    return false;
}

// The share of ink of either picture that the other lacks within a pixel
// (a printer's rounding may move a line by one); 1 when the sizes differ.
// Pages the PDF printer turned are compared turned back.
double Difference(const QImage &Printed, const QImage &Expected)
{
    double Best = 1.0;
    for (int Turn : { 0, 90, 270 }) {
        const QImage A = Printed.transformed(QTransform().rotate(Turn));
        if (A.size() != Expected.size())
            continue;
        qint64 Ink = 0, Unmatched = 0;
        for (int Y = 0; Y < A.height(); ++Y)
            for (int X = 0; X < A.width(); ++X) {
                const bool InA = qGray(A.pixel(X, Y)) < 96;
                const bool InB = qGray(Expected.pixel(X, Y)) < 96;
                Ink += InA || InB;
                Unmatched += (InA && !InkNear(Expected, X, Y)) || (InB && !InkNear(A, X, Y));
            }
        if (Ink > 0)
            Best = qMin(Best, double(Unmatched) / Ink);
    }
    return Best;
}

} // namespace

class TstReportPrinting : public QObject {
    Q_OBJECT

private:
    TCupsTestServer FServer;
    QByteArray FBytes;
    QBuffer FBuffer;
    std::unique_ptr<TSnapshotReader> FSnapshot;
    QStringList FTitles;
    QString FReference; // the program's own PDF of the two pages

    // The job attributes of the jobs waiting on the stopped queue Office.
    QString OfficeJobs();

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void theCatalogSeesTheQueues();
    void pagesReachTheVirtualPdfPrinter();
    void copiesOnAPrinterWithoutCopiesAreSentThatManyTimes();
    void jobOptionsReachTheQueue_data();
    void jobOptionsReachTheQueue();
    void aJobThePrinterRefusesIsReported();
    void aRunToThePrinter();
    void printingFromThePreview();
    void labelsReachPaperWithoutOutlines();
};

void TstReportPrinting::initTestCase()
{
    QString Why;
    const bool Started = FServer.Start(Why);
    QMRK_REQUIRE_TOOL(Started, qPrintable(Why));
    cupsSetServer(FServer.Socket().toLocal8Bit().constData());
    QTRY_VERIFY_WITH_TIMEOUT(FServer.Ready(), 30000);
    QVERIFY2(FServer.AddQueues(Why), qPrintable(Why));
    FBuffer.setBuffer(&FBytes);
    FBuffer.open(QIODevice::ReadWrite);
    WriteSampleRun(FBuffer, 2);
    FSnapshot = std::make_unique<TSnapshotReader>(FBuffer, QStringLiteral("two pages"));
    FReference = QDir::temp().filePath(QStringLiteral("qmrk-printing-reference.pdf"));
    TRvRenderPDF().Render(*FSnapshot, FReference);
}

void TstReportPrinting::cleanupTestCase()
{
    for (const QString &Title : FTitles)
        for (const QString &File : Landed(Title))
            QFile::remove(File);
    FServer.Stop();
    cupsSetServer(nullptr);
    if (!FReference.isEmpty())
        QFile::remove(FReference);
}

QString TstReportPrinting::OfficeJobs()
{
    const QString Test = QDir::temp().filePath(QStringLiteral("qmrk-office-jobs.test"));
    QFile File(Test);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    File.write(
        "{\n NAME \"jobs\"\n OPERATION Get-Jobs\n GROUP operation-attributes-tag\n"
        " ATTR charset attributes-charset utf-8\n ATTR naturalLanguage attributes-natural-language en\n"
        " ATTR uri printer-uri $uri\n ATTR keyword which-jobs not-completed\n"
        " ATTR keyword requested-attributes "
        "job-name,sides,media,media-source,copies,multiple-document-handling\n"
        " STATUS successful-ok\n}\n");
    File.close();
    const QString Uri = QStringLiteral("ipp://%1/printers/Office")
                            .arg(QString::fromLatin1(QUrl::toPercentEncoding(FServer.Socket())));
    QString Why;
    const std::optional<QString> Out
        = FServer.Tool(QStringLiteral("ipptool"), { QStringLiteral("-tv"), Uri, Test }, &Why);
    QFile::remove(Test);
    return Out.value_or(Why);
}

void TstReportPrinting::theCatalogSeesTheQueues()
{
    TCupsPrinterCatalog Catalog;
    const QStringList Printers = Catalog.PrinterNames();
    QVERIFY2(Printers.contains(QStringLiteral("PDF")) && Printers.contains(QStringLiteral("Office")),
        qPrintable(Printers.join(u',')));
    QVERIFY(!Catalog.DefaultPrinter().isEmpty());
    QVERIFY(Catalog.SupportsDuplex(QStringLiteral("Office")));
    QVERIFY(!Catalog.SupportsDuplex(QStringLiteral("PDF")));
    QCOMPARE(Catalog.MaxCopies(QStringLiteral("PDF")), 1);
    QVERIFY(Catalog.SupportsCollate(QStringLiteral("Office")));
    const QStringList Papers = Catalog.PaperNames(QStringLiteral("Office"));
    QVERIFY2(Papers.contains(QStringLiteral("Letter")) || Papers.contains(QStringLiteral("US Letter")),
        qPrintable(Papers.join(u',')));
    const QStringList Bins = Catalog.BinNames(QStringLiteral("Office"));
    QVERIFY2(Bins.size() >= 2, qPrintable(Bins.join(u',')));
    QVERIFY(!Catalog.BinKeyword(QStringLiteral("Office"), Bins.last()).isEmpty());
    QVERIFY(Catalog.BinNames(QStringLiteral("No such printer")).isEmpty());
}

void TstReportPrinting::pagesReachTheVirtualPdfPrinter()
{
    TRvRenderPrinter Printer;
    Printer.Settings.PrinterName = QStringLiteral("PDF");
    Printer.Settings.Title = UniqueTitle(QStringLiteral("one"));
    Printer.IgnoreFileSettings = true;
    FTitles << Printer.Settings.Title;
    QList<int> Pages;
    Printer.OnPage = [&Pages](int Page) { Pages << Page; };
    Printer.Render(*FSnapshot);
    QCOMPARE(Pages, QList<int>({ 1, 2 }));
    QTRY_COMPARE_WITH_TIMEOUT(Landed(Printer.Settings.Title).size(), 1, 90000);
    const QString File = Landed(Printer.Settings.Title).first();
    QCOMPARE(PageCount(File), 2);
    // The fonts come back re-encoded by the PDF printer, so its pages are
    // compared by their look with the program's own PDF of the same pages.
    for (int Number : { 1, 2 }) {
        const QImage Printed = Picture(File, Number);
        const double Off = Difference(Printed, Picture(FReference, Number));
        QVERIFY2(Off < SamePage,
            qPrintable(QStringLiteral("page %1: %2 of the ink differs").arg(Number).arg(Off)));
        if (Number == 1)
            Printed.save(QDir::temp().filePath(QStringLiteral("qmrk-printed-page1.png")));
    }
    // The measure tells pages apart that differ in a few characters.
    const double Other = Difference(Picture(File, 1), Picture(FReference, 2));
    QVERIFY2(Other > SamePage, qPrintable(QString::number(Other)));
}

void TstReportPrinting::copiesOnAPrinterWithoutCopiesAreSentThatManyTimes()
{
    TRvRenderPrinter Printer;
    Printer.Settings.PrinterName = QStringLiteral("PDF");
    Printer.Settings.Title = UniqueTitle(QStringLiteral("three"));
    Printer.Settings.Copies = 3;
    Printer.IgnoreFileSettings = true;
    FTitles << Printer.Settings.Title;
    QCOMPARE(Printer.MaxCopies(), 1);
    QList<int> JobCopies;
    Printer.OnJobStart = [&JobCopies](QPrinter &Job) { JobCopies << Job.copyCount(); };
    Printer.Render(*FSnapshot);
    QCOMPARE(JobCopies, QList<int>({ 1, 1, 1 }));
    QTRY_COMPARE_WITH_TIMEOUT(Landed(Printer.Settings.Title).size(), 3, 120000);
    for (const QString &File : Landed(Printer.Settings.Title)) {
        QCOMPARE(PageCount(File), 2);
        QVERIFY(Difference(Picture(File, 2), Picture(FReference, 2)) < SamePage);
    }
}

void TstReportPrinting::jobOptionsReachTheQueue_data()
{
    QTest::addColumn<int>("Duplex");
    QTest::addColumn<QString>("Sides");
    QTest::addColumn<bool>("Bin");
    QTest::newRow("long edge, a chosen source") << int(TDuplex::Vertical) << "two-sided-long-edge" << true;
    QTest::newRow("short edge") << int(TDuplex::Horizontal) << "two-sided-short-edge" << false;
    QTest::newRow("one-sided") << int(TDuplex::Simplex) << "one-sided" << false;
}

void TstReportPrinting::jobOptionsReachTheQueue()
{
    QFETCH(int, Duplex);
    QFETCH(QString, Sides);
    QFETCH(bool, Bin);
    TCupsPrinterCatalog Catalog;
    TRvRenderPrinter Printer;
    Printer.Settings.PrinterName = QStringLiteral("Office");
    Printer.Settings.Title = UniqueTitle(QStringLiteral("office"));
    Printer.Settings.Duplex = TDuplex(Duplex);
    Printer.Settings.Collate = true;
    if (Bin)
        Printer.Settings.BinName = Catalog.BinNames(QStringLiteral("Office")).last();
    Printer.IgnoreFileSettings = true;
    Printer.Render(*FSnapshot);
    const QString Jobs = OfficeJobs();
    const qsizetype At = Jobs.indexOf(Printer.Settings.Title);
    QVERIFY2(At >= 0, qPrintable(Jobs));
    // The attributes of this job run up to the next job's name.
    const QString Job = Jobs.mid(At, Jobs.indexOf(QLatin1String("job-name"), At) - At);
    QVERIFY2(Job.contains(QStringLiteral("sides (keyword) = %1").arg(Sides)), qPrintable(Job));
    QVERIFY2(Job.contains(QLatin1String("media (keyword) = Letter")), qPrintable(Job));
    if (Bin) {
        const QString Keyword = Catalog.BinKeyword(QStringLiteral("Office"), Printer.Settings.BinName);
        QVERIFY2(Job.contains(QStringLiteral("media-source (keyword) = %1").arg(Keyword)), qPrintable(Job));
    }
}

void TstReportPrinting::aJobThePrinterRefusesIsReported()
{
    TBoastingCatalog Catalog;
    TRvRenderPrinter Printer;
    Printer.Settings.PrinterName = QStringLiteral("PDF");
    Printer.Settings.Title = UniqueTitle(QStringLiteral("refused"));
    Printer.Settings.Copies = 3;
    Printer.IgnoreFileSettings = true;
    QList<int> JobCopies;
    Printer.OnJobStart = [&JobCopies](QPrinter &Job) { JobCopies << Job.copyCount(); };
    QString Message;
    try {
        Printer.Render(*FSnapshot);
    } catch (const EReportException &Error) {
        Message = Error.Message();
    }
    // One job of three copies, which this server does not make.
    QCOMPARE(JobCopies, QList<int>({ 3 }));
    QVERIFY2(Message.startsWith(QLatin1String("The printer PDF refused the job: ")), qPrintable(Message));
}

void TstReportPrinting::aRunToThePrinter()
{
    TPrinterChoice Choice;
    Choice.Choice.Destination = TReportDest::Printer;
    Choice.Choice.Job.PrinterName = QStringLiteral("PDF");
    Choice.Choice.Job.Copies = 1;
    TRvSystem System;
    System.SystemPrinter.Title = UniqueTitle(QStringLiteral("run"));
    Choice.Choice.Job.Title = System.SystemPrinter.Title;
    FTitles << System.SystemPrinter.Title;
    TRvProject Project;
    Project.ProjectFile = SampleProject();
    Project.Engine = &System;
    System.OnPrint = [&Project](TBaseReport &Output) {
        Project.Open();
        Project.SelectReport(QStringLiteral("Wide"));
        Project.SetParam(QStringLiteral("Name"), QStringLiteral("PRINTED DIRECTLY"));
        Project.Execute();
        Output.NewPage();
        Project.Execute();
        Project.Close();
    };
    QVERIFY(System.Execute());
    QCOMPARE(System.Destination(), TReportDest::Printer);
    QCOMPARE(Choice.Status,
        QStringList({ QStringLiteral("Generating page 1"), QStringLiteral("Generating page 2"),
            QStringLiteral("Printing page 1"), QStringLiteral("Printing page 2") }));
    QTRY_COMPARE_WITH_TIMEOUT(Landed(System.SystemPrinter.Title).size(), 1, 90000);
    const QString File = Landed(System.SystemPrinter.Title).first();
    QCOMPARE(PageCount(File), 2);
    // The landscape page against the same page exported by the program.
    QByteArray Bytes;
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::ReadWrite);
    {
        TSnapshotWriter Writer(Buffer, QStringLiteral("wide"));
        TBaseReport Output(Writer);
        Output.BeginDoc();
        Project.Open();
        Project.SelectReport(QStringLiteral("Wide"));
        Project.SetParam(QStringLiteral("Name"), QStringLiteral("PRINTED DIRECTLY"));
        Project.ExecuteOn(Output);
        Output.EndDoc();
    }
    const QString Reference = QDir::temp().filePath(QStringLiteral("qmrk-wide-reference.pdf"));
    TRvRenderPDF().Render(TSnapshotReader(Buffer, QStringLiteral("wide")), Reference);
    const double Off = Difference(Picture(File, 2), Picture(Reference, 1));
    QFile::remove(Reference);
    QVERIFY2(Off < SamePage, qPrintable(QString::number(Off)));
}

void TstReportPrinting::printingFromThePreview()
{
    TScriptedInteraction Person;
    TPrinterChoice Choice;
    Choice.Choice.Job.PrinterName = QStringLiteral("PDF");
    Choice.Choice.Job.Copies = 2;
    Choice.Choice.Job.Title = UniqueTitle(QStringLiteral("preview"));
    FTitles << Choice.Choice.Job.Title;
    TFrmReportPreview Window;
    Window.FInputStream = &FBuffer;
    Window.InitFromRPSystem();
    bool After = false;
    Window.OnAfterPreviewPrint = [&After] { After = true; };
    Window.BtnPrint->click();
    QVERIFY(After);
    QTRY_COMPARE_WITH_TIMEOUT(Landed(Choice.Choice.Job.Title).size(), 2, 120000);
    QVERIFY2(Person.Problems().isEmpty(), qPrintable(Person.Problems()));
}

QMRK_GUI_TEST_MAIN(TstReportPrinting)
#include "tst_reportprinting.moc"

void TstReportPrinting::labelsReachPaperWithoutOutlines()
{
    TPrinterChoice Choice;
    Choice.Choice.Destination = TReportDest::Printer;
    Choice.Choice.Job.PrinterName = QStringLiteral("PDF");
    TW2LabelPrinting Labels;
    Labels.RptW2Labels.SystemPrinter.Title = UniqueTitle(QStringLiteral("labels"));
    Choice.Choice.Job.Title = Labels.RptW2Labels.SystemPrinter.Title;
    FTitles << Choice.Choice.Job.Title;
    EmployeeRecord Employee;
    Employee.SetFirstName(QStringLiteral("Ann"));
    Employee.SetLastName(QStringLiteral("Lee"));
    Employee.SetStreetAddress(QStringLiteral("12 Elm Street"));
    Employee.SetCityStateZip(QStringLiteral("DALLAS TX 75001-1234"));
    TEmployeeListPrintSource Source(EmployerRecord(), { Employee });
    QVERIFY(Labels.Print(Source));
    QTRY_COMPARE_WITH_TIMEOUT(Landed(Choice.Choice.Job.Title).size(), 1, 90000);
    const QString File = Landed(Choice.Choice.Job.Title).first();
    QCOMPARE(PageCount(File), 1);
    const QImage Page = Picture(File, 1);
    QCOMPARE(Page.size(), QSize(612, 792));
    // Any trace of grey counts: a hairline is faint at 72 dots per inch.
    const auto InkIn = [&Page](double X1, double Y1, double X2, double Y2) {
        int Ink = 0;
        for (int Y = qRound(Y1 * 72); Y <= qRound(Y2 * 72); ++Y)
            for (int X = qRound(X1 * 72); X <= qRound(X2 * 72); ++X)
                Ink += qGray(Page.pixel(X, Y)) < 250;
        return Ink;
    };
    // The address and its bar code on the first label.
    QVERIFY(InkIn(0.3, 0.75, 1.5, 1.2) > 0);
    QVERIFY(InkIn(0.3, 1.2, 2.6, 1.32) > 0);
    // No outline edges: the straight parts of every label's top edge and the
    // bottom edge of the last row.
    for (int Row = 0; Row <= 10; ++Row)
        for (int Column = 0; Column < 3; ++Column) {
            const double Left = 0.188 + Column * 2.75, Top = 0.5 + Row;
            QCOMPARE(InkIn(Left + 0.3, Top - 0.02, Left + 2.3, Top + 0.02), 0);
        }
}
