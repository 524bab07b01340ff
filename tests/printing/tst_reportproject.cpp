#include "EFileReadException.h"
#include "EReportException.h"
#include "QmrkTestMain.h"
#include "TBaseReport.h"
#include "TFontMetrics.h"
#include "THostileFiles.h"
#include "TPageSink.h"
#include "TPrintingTestData.h"
#include "TRvProject.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

using namespace PrintingTestData;

namespace {

// Keeps the pages an output finishes.
class TPageList : public TPageSink {
public:
    void BeginDoc() override { Pages.clear(); }
    void AddPage(const TReportPage &Page) override { Pages.append(Page); }
    void EndDoc(const TJobSettings &) override { }
    QList<TReportPage> Pages;
};

const TPageItem *TextItem(const TReportPage &Page, const QString &Text)
{
    for (const TPageItem *Item : Page.Texts())
        if (Item->Text == Text)
            return Item;
    return nullptr;
}

int Count(const TReportPage &Page, TPageItem::TKind Kind, quint8 Flag = 0)
{
    int Result = 0;
    for (const TPageItem &Item : Page.Items)
        if (Item.Kind == Kind && (Flag == 0 || Item.Has(Flag)))
            ++Result;
    return Result;
}

QString WriteProject(const QTemporaryDir &Dir, const QByteArray &Json)
{
    const QString Path = Dir.filePath(QStringLiteral("Project.RAV"));
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate) || File.write(Json) != Json.size())
        qFatal("cannot write the project");
    return Path;
}

QByteArray OneReport(const QByteArray &Items, const QByteArray &Extra = {})
{
    return "{\"format\": \"qmrk-report-project\", \"version\": 1, \"reports\": [\n"
           "  {\"name\": \"R\", \"page\": {\"width\": 8.5, \"height\": 11}"
        + Extra
        + ",\n"
          "   \"items\": ["
        + Items + "]}\n]}\n";
}

} // namespace

class TstReportProject : public QObject {
    Q_OBJECT

private:
    TPageList FPages;
    std::unique_ptr<TBaseReport> FOutput;
    TRvProject FProject;

private Q_SLOTS:
    void init();
    void cleanup();
    void sampleHasEveryItemKind();
    void fieldsSitInTheirBoxes();
    void anEmptyParameterPrintsNothing();
    void parametersStayUntilCleared();
    void lineBreaksInValuesBecomeBlanks();
    void pageSizeFollowsTheReport();
    void selectReport_data();
    void selectReport();
    void executeNeedsAnOpenProjectAndAReport();
    void openOnAnOpenProjectDoesNothing();
    void missingProjectNamesItsFullPath();
    void unfitProjectsAreRefused_data();
    void unfitProjectsAreRefused();
    void malformed_data();
    void malformed();
    void arialIsLiberationSans();
    void aFittedTextShrinksIntoItsBox_data();
    void aFittedTextShrinksIntoItsBox();
    void backgroundItemsCanBeLeftOut();
};

void TstReportProject::init()
{
    FOutput = std::make_unique<TBaseReport>(FPages);
    FOutput->BeginDoc();
    FProject = TRvProject();
    FProject.ProjectFile = SampleProject();
}

void TstReportProject::cleanup()
{
    FOutput.reset();
}

void TstReportProject::sampleHasEveryItemKind()
{
    FProject.Open();
    QCOMPARE(FProject.ReportNames(), QStringList({ QStringLiteral("Sample"), QStringLiteral("Wide") }));
    QVERIFY(FProject.SelectReport(QStringLiteral("Sample")));
    const QHash<QString, QString> Params = SampleParams(1);
    for (auto It = Params.begin(); It != Params.end(); ++It)
        FProject.SetParam(It.key(), It.value());
    FProject.ExecuteOn(*FOutput);
    const TReportPage &Page = FOutput->Page();
    QCOMPARE(Count(Page, TPageItem::TKind::Line), 3);
    QCOMPARE(Count(Page, TPageItem::TKind::Rect), 6);
    QCOMPARE(Count(Page, TPageItem::TKind::Rect, TPageItem::Filled), 3);
    QCOMPARE(Count(Page, TPageItem::TKind::Rect, TPageItem::PreviewOnly), 1);
    QCOMPARE(Count(Page, TPageItem::TKind::Text), 4 + 5);
    QCOMPARE(Count(Page, TPageItem::TKind::Text, TPageItem::Clipped), 1);
    int Rounded = 0;
    for (const TPageItem &Item : Page.Items)
        Rounded += Item.Kind == TPageItem::TKind::Rect && Item.RadiusX > 0;
    QCOMPARE(Rounded, 2);
    QCOMPARE(Page.Fonts.size(), 8);
    const TPageItem *Title = TextItem(Page, QStringLiteral("Sample Report"));
    QVERIFY(Title);
    QVERIFY(Page.FontOf(*Title).Underline);
    QCOMPARE(Title->Align, TTextAlign::Center);
    const TPageItem *Omb = TextItem(Page, QStringLiteral("OMB No. 1545-0029"));
    QVERIFY(Omb && Page.FontOf(*Omb).Italic && Omb->Align == TTextAlign::Right);
    const TPageItem *Id = TextItem(Page, QStringLiteral("22222"));
    QVERIFY(Id && Page.FontOf(*Id).Bold && Page.FontOf(*Id).Size == 14);
}

void TstReportProject::fieldsSitInTheirBoxes()
{
    FProject.Open();
    FProject.SelectReport(QStringLiteral("Sample"));
    FProject.SetParam(QStringLiteral("Boxa"), QStringLiteral("123-45-6789"));
    FProject.SetParam(QStringLiteral("Caption"), QStringLiteral("Centred"));
    FProject.SetParam(QStringLiteral("Amount"), QStringLiteral("1,234.56"));
    FProject.ExecuteOn(*FOutput);
    const TReportPage &Page = FOutput->Page();

    const TPageItem *Boxa = TextItem(Page, QStringLiteral("123-45-6789"));
    QVERIFY(Boxa);
    const TReportFont Courier = Page.FontOf(*Boxa);
    QCOMPARE(Courier.Family, QStringLiteral("Courier New"));
    QCOMPARE(Boxa->H, TFontMetrics::Height(Courier));
    // Bottom of a 0.2 in box from y 0.6.
    QCOMPARE(Boxa->Y + Boxa->H, 0.8);
    QCOMPARE(Boxa->X, 2.15);
    QCOMPARE(Boxa->W, 1.8);

    const TPageItem *Caption = TextItem(Page, QStringLiteral("Centred"));
    QVERIFY(Caption);
    QVERIFY(qAbs(Caption->Y + Caption->H / 2 - 1.75) < 1e-12);
    QCOMPARE(Caption->Align, TTextAlign::Center);

    const TPageItem *Amount = TextItem(Page, QStringLiteral("1,234.56"));
    QVERIFY(Amount);
    QCOMPARE(Amount->Align, TTextAlign::Right);
    QCOMPARE(Amount->X + Amount->W, 7.9);
    QVERIFY(!Amount->Has(TPageItem::Clipped));
}

void TstReportProject::anEmptyParameterPrintsNothing()
{
    FProject.Open();
    FProject.SelectReport(QStringLiteral("Sample"));
    FProject.SetParam(QStringLiteral("Name"), QString());
    FProject.ExecuteOn(*FOutput);
    QCOMPARE(Count(FOutput->Page(), TPageItem::TKind::Text), 4);
}

void TstReportProject::parametersStayUntilCleared()
{
    FProject.Open();
    FProject.SelectReport(QStringLiteral("Sample"));
    FProject.SetParam(QStringLiteral("Name"), QStringLiteral("ANN"));
    FProject.ExecuteOn(*FOutput);
    FOutput->NewPage();
    FProject.ExecuteOn(*FOutput);
    QVERIFY(TextItem(FOutput->Page(), QStringLiteral("ANN")));
    FProject.SetParam(QStringLiteral("Name"), QStringLiteral("BOB"));
    FOutput->NewPage();
    FProject.ExecuteOn(*FOutput);
    QVERIFY(TextItem(FOutput->Page(), QStringLiteral("BOB")));
    QVERIFY(!TextItem(FOutput->Page(), QStringLiteral("ANN")));
    FProject.ClearParams();
    QCOMPARE(FProject.GetParam(QStringLiteral("Name")), QString());
    FOutput->NewPage();
    FProject.ExecuteOn(*FOutput);
    QCOMPARE(Count(FOutput->Page(), TPageItem::TKind::Text), 4);
    FOutput->EndDoc();
    QCOMPARE(FPages.Pages.size(), 4);
    QVERIFY(TextItem(FPages.Pages.at(0), QStringLiteral("ANN")));
}

void TstReportProject::lineBreaksInValuesBecomeBlanks()
{
    FProject.Open();
    FProject.SelectReport(QStringLiteral("Sample"));
    FProject.SetParam(QStringLiteral("Name"), QStringLiteral("ONE\r\nTWO\rTHREE\nFOUR"));
    FProject.ExecuteOn(*FOutput);
    QVERIFY(TextItem(FOutput->Page(), QStringLiteral("ONE TWO THREE FOUR")));
}

void TstReportProject::pageSizeFollowsTheReport()
{
    FProject.Open();
    FProject.SelectReport(QStringLiteral("Wide"));
    FProject.ExecuteOn(*FOutput);
    QCOMPARE(FOutput->PageWidth(), 11.0);
    QCOMPARE(FOutput->PageHeight(), 8.5);
    FOutput->NewPage();
    QCOMPARE(FOutput->PageWidth(), 11.0);
    FProject.SelectReport(QStringLiteral("Sample"));
    FProject.ExecuteOn(*FOutput);
    QCOMPARE(FOutput->PageWidth(), 8.5);
}

void TstReportProject::selectReport_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<bool>("Found");
    QTest::addColumn<QString>("Current");
    QTest::newRow("exact") << "Sample" << true << "Sample";
    QTest::newRow("other letter case") << "WIDE" << true << "Wide";
    QTest::newRow("unknown") << "FormW2" << false << "";
    QTest::newRow("empty") << "" << false << "";
}

void TstReportProject::selectReport()
{
    QFETCH(QString, Name);
    QFETCH(bool, Found);
    QFETCH(QString, Current);
    FProject.Open();
    QCOMPARE(FProject.SelectReport(Name), Found);
    QCOMPARE(FProject.CurrentReport(), Current);
}

void TstReportProject::executeNeedsAnOpenProjectAndAReport()
{
    QVERIFY_THROWS_EXCEPTION(EReportException, FProject.ExecuteOn(*FOutput));
    FProject.Open();
    QVERIFY_THROWS_EXCEPTION(EReportException, FProject.ExecuteOn(*FOutput));
    // Outside a report system's run there is no output to render onto.
    FProject.SelectReport(QStringLiteral("Sample"));
    QVERIFY_THROWS_EXCEPTION(EReportException, FProject.Execute());
}

void TstReportProject::openOnAnOpenProjectDoesNothing()
{
    QTemporaryDir Dir;
    FProject.ProjectFile = WriteProject(Dir, OneReport(""));
    FProject.Open();
    WriteProject(Dir, "not a project");
    FProject.Open();
    QCOMPARE(FProject.ReportNames(), QStringList { QStringLiteral("R") });
    FProject.Close();
    QVERIFY(!FProject.Active());
    QVERIFY_THROWS_EXCEPTION(EReportException, FProject.Open());
}

void TstReportProject::missingProjectNamesItsFullPath()
{
    QTemporaryDir Dir;
    const QString Before = QDir::currentPath();
    QDir::setCurrent(Dir.path());
    FProject.ProjectFile = QStringLiteral("TaxForms.RAV");
    QString Message;
    try {
        FProject.Open();
    } catch (const EReportException &Error) {
        Message = Error.Message();
    }
    QDir::setCurrent(Before);
    QCOMPARE(Message,
        QStringLiteral("The report project %1 does not exist.")
            .arg(QDir(Dir.path()).filePath(QStringLiteral("TaxForms.RAV"))));
    QVERIFY(!FProject.Active());
}

void TstReportProject::unfitProjectsAreRefused_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<qint64>("Size");
    QTest::newRow("named pipe") << "fifo" << qint64(0);
    QTest::newRow("endless device") << "zero" << qint64(0);
    QTest::newRow("empty device") << "null" << qint64(0);
    QTest::newRow("folder") << "folder" << qint64(0);
    QTest::newRow("one byte over 16 MiB") << "oversized" << (qint64(16) << 20) + 1;
    QTest::newRow("sparse 64 GiB") << "oversized" << (qint64(64) << 30);
}

void TstReportProject::unfitProjectsAreRefused()
{
    QFETCH(QString, Kind);
    QFETCH(qint64, Size);
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("TaxForms.RAV"));
    THostileFiles::Make(Path, Kind, Size);
    TFifoReleaser Releaser(Path);
    FProject.ProjectFile = Path;
    QString Message;
    try {
        FProject.Open();
    } catch (const EFileReadException &Error) {
        Message = Error.Message();
    } catch (const EException &Error) {
        Message = QStringLiteral("other failure: ") + Error.Message();
    }
    QCOMPARE(Message, Path + THostileFiles::Problem(Kind, Size, qint64(16) << 20));
    QCOMPARE(Releaser.Released(), 0);
    QVERIFY(!FProject.Active());
}

void TstReportProject::malformed_data()
{
    QTest::addColumn<QByteArray>("Json");
    QTest::addColumn<QString>("Expected");
    const QString Lead = QStringLiteral("is malformed at ");
    QTest::newRow("not JSON") << QByteArray("{\n  \"format\": \"qmrk-report-project\",\n  \"version\" 1\n}")
                              << Lead + "line 3, column 14: missing name separator.";
    QTest::newRow("cut short") << OneReport("").left(60) << Lead + "line 1, column 61: unterminated array.";
    QTest::newRow("a list") << QByteArray("[]") << "is malformed: the document must be an object.";
    QTest::newRow("another format") << QByteArray(
        "{\"format\": \"another-program\", \"version\": 1, \"reports\": []}")
                                    << "is malformed: \"format\" must be \"qmrk-report-project\".";
    QTest::newRow("newer version") << QByteArray(
        "{\"format\": \"qmrk-report-project\", \"version\": 2, \"reports\": []}")
                                   << "is malformed: version 2 is not known to this program.";
    QTest::newRow("no reports") << QByteArray("{\"format\": \"qmrk-report-project\", \"version\": 1}")
                                << "is malformed: \"reports\" is missing.";
    QTest::newRow("unknown key") << OneReport(
        "{\"type\": \"line\", \"x1\": 0, \"y1\": 0, \"x2\": 1, \"y2\": 1, \"widht\": 2}")
                                 << "at reports[0] \"R\" > items[0] (line): unknown key \"widht\".";
    QTest::newRow("missing key") << OneReport("{\"type\": \"rect\", \"x\": 0, \"y\": 0, \"width\": 1}")
                                 << "at reports[0] \"R\" > items[0] (rect): \"height\" is missing.";
    QTest::newRow("text for a number")
        << OneReport("{\"type\": \"field\", \"param\": \"Boxa\", \"x\": \"1in\", \"y\": 0}")
        << "at reports[0] \"R\" > items[0] (field \"Boxa\"): \"x\" must be a number.";
    QTest::newRow("number out of range")
        << OneReport("{\"type\": \"text\", \"text\": \"Hello\", \"x\": 1, \"y\": 500}")
        << "at reports[0] \"R\" > items[0] (text \"Hello\"): \"y\" is 500, outside -100 to 100.";
    QTest::newRow("unknown alignment")
        << OneReport("{\"type\": \"field\", \"param\": \"Box1\", \"x\": 1, \"y\": 1, \"align\": \"middle\"}")
        << "(field \"Box1\"): \"align\" must be \"left\", \"center\" or \"right\", not \"middle\".";
    QTest::newRow("unknown type")
        << OneReport("{\"type\": \"ellipse\"}")
        << "items[0] (ellipse): \"type\" must be \"line\", \"rect\", \"text\" or \"field\", not \"ellipse\".";
    QTest::newRow("bad parameter name")
        << OneReport("{\"type\": \"field\", \"param\": \"Box 1\", \"x\": 1, \"y\": 1}")
        << "\"Box 1\" is not a parameter name";
    QTest::newRow("clip without width")
        << OneReport("{\"type\": \"field\", \"param\": \"Box1\", \"x\": 1, \"y\": 1, \"clip\": true}")
        << "a clipped text needs a \"width\"";
    QTest::newRow("fit without width")
        << OneReport("{\"type\": \"field\", \"param\": \"Box1\", \"x\": 1, \"y\": 1, \"fit\": true}")
        << "a fitted text needs a \"width\"";
    QTest::newRow("floor without fit") << OneReport(
        "{\"type\": \"field\", \"param\": \"Box1\", \"x\": 1, \"y\": 1, \"width\": 1, \"minFontSize\": 5}")
                                       << "\"minFontSize\" needs \"fit\": true";
    QTest::newRow("background not a flag")
        << OneReport("{\"type\": \"line\", \"x1\": 0, \"y1\": 0, \"x2\": 1, \"y2\": 1, \"background\": 1}")
        << "(line): \"background\" must be true or false.";
    QTest::newRow("bad colour") << OneReport(
        "{\"type\": \"line\", \"x1\": 0, \"y1\": 0, \"x2\": 1, \"y2\": 1, \"color\": \"red\"}")
                                << "\"color\" must be a colour like \"#1A2B3C\"";
    QTest::newRow("Helvetica") << OneReport(
        "{\"type\": \"text\", \"text\": \"A\", \"x\": 1, \"y\": 1, \"font\": {\"family\": \"Helvetica\"}}")
                               << "items[0] (text \"A\") > font: use the font \"Arial\", not \"Helvetica\".";
    QTest::newRow("font size zero") << OneReport("", ", \"font\": {\"size\": 0}")
                                    << "at reports[0] \"R\" > font: \"size\" is 0, outside 1 to 200.";
    QTest::newRow("page without height") << QByteArray(
        "{\"format\": \"qmrk-report-project\", \"version\": 1, \"reports\": [{\"name\": \"R\", \"page\": "
        "{\"width\": 8.5}, \"items\": []}]}")
                                         << "at reports[0] \"R\" > page: \"height\" is missing.";
    QTest::newRow("twice the same name")
        << QByteArray("{\"format\": \"qmrk-report-project\", \"version\": 1, \"reports\": ["
                      "{\"name\": \"R\", \"page\": {\"width\": 8.5, \"height\": 11}, \"items\": []},"
                      "{\"name\": \"r\", \"page\": {\"width\": 8.5, \"height\": 11}, \"items\": []}]}")
        << "at reports[1] \"r\": a report named \"r\" comes twice.";
}

void TstReportProject::malformed()
{
    QFETCH(QByteArray, Json);
    QFETCH(QString, Expected);
    QTemporaryDir Dir;
    FProject.ProjectFile = WriteProject(Dir, Json);
    QString Message;
    try {
        FProject.Open();
    } catch (const EReportException &Error) {
        Message = Error.Message();
    }
    QVERIFY2(Message.startsWith(QStringLiteral("The report project %1 ").arg(FProject.ProjectFile)),
        qPrintable(Message));
    QVERIFY2(Message.contains(Expected), qPrintable(Message));
    QVERIFY(!FProject.Active());
}

void TstReportProject::arialIsLiberationSans()
{
    TReportFont Arial;
    QCOMPARE(TFontMetrics::ResolvedFamily(Arial), QStringLiteral("Liberation Sans"));
    // Liberation Sans has Arial's widths: "0" is 0.556 em.
    Arial.Size = 72;
    QVERIFY(qAbs(TFontMetrics::TextWidth(Arial, QStringLiteral("0")) - 0.556) < 0.002);
}

void TstReportProject::aFittedTextShrinksIntoItsBox_data()
{
    QTest::addColumn<QString>("Value");
    QTest::addColumn<double>("Size");
    QTest::addColumn<bool>("Clipped");
    // Courier New 12 is 0.1 in a character: ten fit the 1.01 in box.
    QTest::newRow("fits") << QStringLiteral("1234567.89") << 12.0 << false;
    QTest::newRow("one too many") << QStringLiteral("12345678.90") << 11.0 << false;
    QTest::newRow("twice too long") << QStringLiteral("ABCDEFGHIJKLMNOPQRST") << 6.0 << false;
    QTest::newRow("beyond the floor") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ") << 5.0 << true;
}

void TstReportProject::aFittedTextShrinksIntoItsBox()
{
    QFETCH(QString, Value);
    QFETCH(double, Size);
    QFETCH(bool, Clipped);
    QTemporaryDir Dir;
    FProject.ProjectFile = WriteProject(Dir,
        OneReport("{\"type\": \"field\", \"param\": \"Box1\", \"x\": 1, \"y\": 1, \"width\": 1.01, "
                  "\"height\": 0.25, \"valign\": \"bottom\", \"fit\": true, \"minFontSize\": 5, "
                  "\"font\": {\"family\": \"Courier New\", \"size\": 12}}"));
    FProject.Open();
    FProject.SelectReport(QStringLiteral("R"));
    FProject.SetParam(QStringLiteral("Box1"), Value);
    FProject.ExecuteOn(*FOutput);
    const TReportPage &Page = FOutput->Page();
    const TPageItem *Item = TextItem(Page, Value);
    QVERIFY(Item);
    const TReportFont Font = Page.FontOf(*Item);
    QVERIFY2(qAbs(Font.Size - Size) < 1e-9, qPrintable(QString::number(Font.Size)));
    QCOMPARE(Item->Has(TPageItem::Clipped), Clipped);
    QCOMPARE(Item->H, TFontMetrics::Height(Font));
    QVERIFY(qAbs(Item->Y + Item->H - 1.25) < 1e-12);
    if (!Clipped)
        QVERIFY(TFontMetrics::TextWidth(Font, Value) <= 1.01);
}

void TstReportProject::backgroundItemsCanBeLeftOut()
{
    QTemporaryDir Dir;
    FProject.ProjectFile = WriteProject(Dir,
        OneReport("{\"type\": \"line\", \"x1\": 0, \"y1\": 0, \"x2\": 1, \"y2\": 1, \"background\": true},"
                  "{\"type\": \"text\", \"text\": \"Caption\", \"x\": 1, \"y\": 1, \"background\": true},"
                  "{\"type\": \"field\", \"param\": \"Box1\", \"x\": 1, \"y\": 2}"));
    FProject.Open();
    FProject.SelectReport(QStringLiteral("R"));
    FProject.SetParam(QStringLiteral("Box1"), QStringLiteral("DATA"));
    FProject.ExecuteOn(*FOutput);
    QCOMPARE(FOutput->Page().Items.size(), 3);
    FProject.PrintBackground = false;
    FOutput->NewPage();
    FProject.ExecuteOn(*FOutput);
    QCOMPARE(FOutput->Page().Items.size(), 1);
    QVERIFY(TextItem(FOutput->Page(), QStringLiteral("DATA")));
}

QMRK_TEST_MAIN_IMPL(TstReportProject, QGuiApplication)
#include "tst_reportproject.moc"
