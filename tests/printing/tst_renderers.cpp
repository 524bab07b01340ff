#include "EReportException.h"
#include "QmrkRequiredTool.h"
#include "QmrkTestMain.h"
#include "TFontMetrics.h"
#include "TJobSettings.h"
#include "TPagePainter.h"
#include "TPrintingTestData.h"
#include "TRvRenderHTML.h"
#include "TRvRenderPDF.h"
#include "TRvRenderPreview.h"
#include "TSnapshotReader.h"
#include "TSnapshotWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <sys/resource.h>

using namespace PrintingTestData;

namespace {

// A text as an output shows it: where its first word starts and where its
// line's top is, in points from the page's top-left corner.
struct TPlacedText {
    int Page = 0;
    QString Text;
    double Left = 0;
    double Top = 0;
};

QString Tool(const QString &Name)
{
    return QStandardPaths::findExecutable(Name);
}

QByteArray Run(const QString &Program, const QStringList &Args)
{
    QProcess Process;
    Process.start(Program, Args);
    if (!Process.waitForFinished(60000) || Process.exitCode() != 0)
        qWarning() << Program << Args << Process.readAllStandardError();
    return Process.readAllStandardOutput();
}

double TextWidthPt(const TReportPage &Page, const TPageItem &Item)
{
    return TFontMetrics::TextWidth(Page.FontOf(Item), Item.Text) * 72.0;
}

// Where the painter starts the text.
double StartPt(double BoxLeft, double BoxWidth, TTextAlign Align, double TextWidth)
{
    if (BoxWidth <= 0) {
        if (Align == TTextAlign::Right)
            return BoxLeft - TextWidth;
        if (Align == TTextAlign::Center)
            return BoxLeft - TextWidth / 2;
        return BoxLeft;
    }
    if (Align == TTextAlign::Right)
        return BoxLeft + BoxWidth - TextWidth;
    if (Align == TTextAlign::Center)
        return BoxLeft + (BoxWidth - TextWidth) / 2;
    return BoxLeft;
}

// Every word of pdftotext -bbox, by page.
QList<TPlacedText> PdfWords(const QString &Pdf)
{
    const QString Xhtml = QString::fromUtf8(
        Run(Tool(QStringLiteral("pdftotext")), { QStringLiteral("-bbox"), Pdf, QStringLiteral("-") }));
    static const QRegularExpression Element(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                       "yMax=\"[\\d.]+\">([^<]*)</word>"));
    QList<TPlacedText> Words;
    int Page = 0;
    for (auto It = Element.globalMatch(Xhtml); It.hasNext();) {
        const QRegularExpressionMatch Match = It.next();
        if (Match.captured(0).startsWith(QLatin1String("<page"))) {
            ++Page;
            continue;
        }
        QString Text = Match.captured(3);
        Text.replace(QLatin1String("&apos;"), QLatin1String("'"))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        Words.append({ Page, Text, Match.captured(1).toDouble(), Match.captured(2).toDouble() });
    }
    return Words;
}

// Every text box of the HTML file, by page, with its own start and top.
QList<TPlacedText> HtmlTexts(const QString &Html, const QList<TReportPage> &Pages)
{
    QFile File(Html);
    if (!File.open(QIODevice::ReadOnly))
        return {};
    const QString Source = QString::fromUtf8(File.readAll());
    static const QRegularExpression Element(
        QStringLiteral("<div class=\"page\" id=\"page(\\d+)\"|<div class=\"t\" "
                       "style=\"left:([-\\d.]+)pt;top:([-\\d.]+)pt;width:([\\d.]+)pt;"
                       "[^\"]*text-align:(\\w+);[^\"]*\">([^<]*)</div>"));
    QList<TPlacedText> Texts;
    int Page = 0;
    for (auto It = Element.globalMatch(Source); It.hasNext();) {
        const QRegularExpressionMatch Match = It.next();
        if (!Match.captured(1).isEmpty()) {
            Page = Match.captured(1).toInt();
            continue;
        }
        QString Text = Match.captured(6);
        Text.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        const QString Align = Match.captured(5);
        const TTextAlign How = Align == QLatin1String("right") ? TTextAlign::Right
            : Align == QLatin1String("center")                 ? TTextAlign::Center
                                                               : TTextAlign::Left;
        // The browser lays the text out in the box by its alignment.
        double Width = 0;
        for (const TPageItem *Item : Pages.at(Page - 1).Texts())
            if (Item->Text == Text)
                Width = TextWidthPt(Pages.at(Page - 1), *Item);
        Texts.append(
            { Page, Text, StartPt(Match.captured(2).toDouble(), Match.captured(4).toDouble(), How, Width),
                Match.captured(3).toDouble() });
    }
    return Texts;
}

// The texts of the page model, where the painter puts them.
QList<TPlacedText> ModelTexts(const QList<TReportPage> &Pages)
{
    QList<TPlacedText> Texts;
    for (int I = 0; I < Pages.size(); ++I)
        for (const TPageItem *Item : Pages.at(I).Texts())
            if (!Item->Has(TPageItem::PreviewOnly))
                Texts.append({ I + 1, Item->Text,
                    StartPt(Item->X * 72, Item->W * 72, Item->Align, TextWidthPt(Pages.at(I), *Item)),
                    Item->Y * 72 });
    return Texts;
}

const TPlacedText *Find(
    const QList<TPlacedText> &List, int Page, const QString &Text, double Left, double Top, double Tolerance)
{
    for (const TPlacedText &Each : List)
        if (Each.Page == Page && Each.Text == Text && qAbs(Each.Left - Left) <= Tolerance
            && qAbs(Each.Top - Top) <= Tolerance)
            return &Each;
    return nullptr;
}

QString Where(const TPlacedText &Text)
{
    return QStringLiteral("page %1 \"%2\" at %3, %4 pt")
        .arg(Text.Page)
        .arg(Text.Text)
        .arg(Text.Left)
        .arg(Text.Top);
}

} // namespace

class TstRenderers : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    QByteArray FSnapshot;
    QBuffer FBuffer;
    std::unique_ptr<TSnapshotReader> FReader;
    QList<TReportPage> FPages;

    QString Path(const QString &Name) const { return FDir.filePath(Name); }
    // Renders the sample run as a "pdf" or "html" Kind into Target; the
    // message it was refused with, empty when it was written.
    QString RenderFailure(const QString &Kind, const QString &Target) const;

private Q_SLOTS:
    void initTestCase();
    void pdfAndHtmlPlaceEveryTextAlike();
    void pdfPagesHaveTheirOwnSizes();
    void pdfCarriesTheDocumentInformation();
    void pdfLooksLikeTheLayout();
    void htmlPagesAndItems();
    void htmlKeepsHostileTextsAndFontsText_data();
    void htmlKeepsHostileTextsAndFontsText();
    void previewShowsWhatPaperDoesNot();
    void monochromeIsGrey();
    void unwritableFilesAreReported_data();
    void unwritableFilesAreReported();
    void aFullDiskKeepsTheFileBeingReplaced_data();
    void aFullDiskKeepsTheFileBeingReplaced();
    void previewRendererPagesAndZoom();
};

QString TstRenderers::RenderFailure(const QString &Kind, const QString &Target) const
{
    try {
        if (Kind == QLatin1String("pdf"))
            TRvRenderPDF().Render(*FReader, Target);
        else
            TRvRenderHTML().Render(*FReader, Target);
    } catch (const EReportException &Error) {
        return Error.Message();
    }
    return QString();
}

void TstRenderers::initTestCase()
{
    QMRK_REQUIRE_TOOL(!Tool(QStringLiteral("pdftotext")).isEmpty()
            && !Tool(QStringLiteral("pdftoppm")).isEmpty() && !Tool(QStringLiteral("pdfinfo")).isEmpty(),
        "poppler-utils (pdftotext, pdftoppm, pdfinfo) is not installed; tools/setup.sh test installs it");
    FBuffer.setBuffer(&FSnapshot);
    QVERIFY(FBuffer.open(QIODevice::ReadWrite));
    WriteSampleRun(FBuffer, 3);
    FReader = std::make_unique<TSnapshotReader>(FBuffer, QStringLiteral("sample"));
    for (int Page = 1; Page <= FReader->PageCount(); ++Page)
        FPages.append(FReader->Page(Page));
    TRvRenderPDF Pdf;
    Pdf.Info = TRvRenderPDF::ProgramInfo();
    QList<int> Pages;
    Pdf.OnPage = [&Pages](int Page) { Pages.append(Page); };
    Pdf.Render(*FReader, Path(QStringLiteral("run.pdf")));
    QCOMPARE(Pages, QList<int>({ 1, 2, 3 }));
    TRvRenderHTML Html;
    Html.Title = QStringLiteral("Run <1>");
    Html.Render(*FReader, Path(QStringLiteral("run.html")));
}

void TstRenderers::pdfAndHtmlPlaceEveryTextAlike()
{
    const QList<TPlacedText> Model = ModelTexts(FPages);
    const QList<TPlacedText> Pdf = PdfWords(Path(QStringLiteral("run.pdf")));
    const QList<TPlacedText> Html = HtmlTexts(Path(QStringLiteral("run.html")), FPages);
    QCOMPARE(Model.size(), 4 + 5 + 4 + 4 + 1);
    QCOMPARE(Html.size(), Model.size());
    for (const TPlacedText &Text : Model) {
        // HTML carries the model's positions to a thousandth of a point.
        const TPlacedText *InHtml = Find(Html, Text.Page, Text.Text, Text.Left, Text.Top, 0.002);
        QVERIFY2(InHtml, qPrintable(QStringLiteral("not in the HTML: ") + Where(Text)));
        // pdftotext measures the drawn glyphs: within a quarter of a point.
        const QString FirstWord = Text.Text.split(QLatin1Char(' '), Qt::SkipEmptyParts).first();
        const TPlacedText *InPdf = Find(Pdf, Text.Page, FirstWord, Text.Left, Text.Top, 0.25);
        QVERIFY2(InPdf, qPrintable(QStringLiteral("not in the PDF: ") + Where(Text)));
        QVERIFY(qAbs(InPdf->Left - InHtml->Left) <= 0.25 && qAbs(InPdf->Top - InHtml->Top) <= 0.25);
    }
}

void TstRenderers::pdfPagesHaveTheirOwnSizes()
{
    const QString Info = QString::fromUtf8(Run(Tool(QStringLiteral("pdfinfo")),
        { QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("3"),
            Path(QStringLiteral("run.pdf")) }));
    QVERIFY2(Info.contains(QLatin1String("Pages:           3")), qPrintable(Info));
    QVERIFY2(Info.contains(QRegularExpression(QStringLiteral("Page +1 size: +612 x 792 pts \\(letter\\)"))),
        qPrintable(Info));
    QVERIFY2(
        Info.contains(QRegularExpression(QStringLiteral("Page +3 size: +792 x 612 pts"))), qPrintable(Info));
}

void TstRenderers::pdfCarriesTheDocumentInformation()
{
    const QString Info
        = QString::fromUtf8(Run(Tool(QStringLiteral("pdfinfo")), { Path(QStringLiteral("run.pdf")) }));
    const QString Publisher = TRvRenderPDF::Publisher();
    QVERIFY(!Publisher.isEmpty());
    QVERIFY2(Info.contains(QStringLiteral("Title:           Quillmark W-2 2025\n")), qPrintable(Info));
    QVERIFY2(Info.contains(QStringLiteral("Subject:         Quillmark W-2 2025 Adobe Portable Document\n")),
        qPrintable(Info));
    QVERIFY2(Info.contains(QStringLiteral("Author:          %1\n").arg(Publisher)), qPrintable(Info));
    QVERIFY2(Info.contains(QStringLiteral("Creator:         %1\n").arg(Publisher)), qPrintable(Info));
    QVERIFY2(Info.contains(QStringLiteral("Producer:        %1\n").arg(Publisher)), qPrintable(Info));
    const QString Meta = QString::fromUtf8(
        Run(Tool(QStringLiteral("pdfinfo")), { QStringLiteral("-meta"), Path(QStringLiteral("run.pdf")) }));
    QVERIFY2(
        Meta.contains(QStringLiteral("<pdf:Producer>%1</pdf:Producer>").arg(Publisher)), qPrintable(Meta));
}

void TstRenderers::pdfLooksLikeTheLayout()
{
    Run(Tool(QStringLiteral("pdftoppm")),
        { QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
            QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), Path(QStringLiteral("run.pdf")),
            Path(QStringLiteral("page")) });
    QImage Image(Path(QStringLiteral("page-1.png")));
    QVERIFY(!Image.isNull());
    QCOMPARE(Image.size(), QSize(612, 792));
    Image.save(QDir::tempPath() + QStringLiteral("/qmrk-sample-page1.png"));
    auto At = [&Image](double X, double Y) { return QColor(Image.pixel(int(X * 72), int(Y * 72))); };
    // The grey bar, the rounded box's top edge, the box around the form.
    QVERIFY(qAbs(At(1.35, 3.8).red() - 0xD0) <= 2);
    QVERIFY(At(3.05, 3.6).lightness() < 128);
    QVERIFY(At(4.0, 0.5).lightness() < 160);
    // The preview-only red outline is not on paper.
    QCOMPARE(At(4.75, 3.6), QColor(Qt::white));
    // Outside the box: nothing.
    QCOMPARE(At(4.0, 9.0), QColor(Qt::white));
}

void TstRenderers::htmlPagesAndItems()
{
    QFile File(Path(QStringLiteral("run.html")));
    QVERIFY(File.open(QIODevice::ReadOnly));
    const QString Html = QString::fromUtf8(File.readAll());
    QVERIFY(Html.contains(QLatin1String("<title>Run &lt;1&gt;</title>")));
    QVERIFY(Html.contains(
        QLatin1String("<div class=\"page\" id=\"page1\" style=\"width:612.000pt;height:792.000pt\">")));
    QVERIFY(Html.contains(
        QLatin1String("<div class=\"page\" id=\"page3\" style=\"width:792.000pt;height:612.000pt\">")));
    QCOMPARE(Html.count(QLatin1String("<div class=\"page\"")), 3);
    // Outline of the form: the pen straddles the edge.
    QVERIFY(Html.contains(QLatin1String(
        "left:35.640pt;top:35.640pt;width:540.720pt;height:300.744pt;border:0.720pt solid #000000")));
    QVERIFY(Html.contains(QLatin1String("<svg ")));
    QVERIFY(Html.contains(QLatin1String("border-radius:7.920pt/7.920pt")));
    QVERIFY(Html.contains(QLatin1String("background:#d0d0d0")));
    // Nothing of the preview-only outline, which is the one red item.
    QVERIFY(!Html.contains(QLatin1String("#c00000")));
    QVERIFY(Html.contains(QLatin1String("overflow:hidden\">EMPLOYEE NUMBER 1</div>")));
    QVERIFY(Html.contains(QLatin1String("font-family:'Courier New';font-size:12pt;text-align:right")));
}

void TstRenderers::htmlKeepsHostileTextsAndFontsText_data()
{
    QTest::addColumn<QString>("Family");
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Css"); // the font-family value, as CSS
    QTest::addColumn<QString>("Shown"); // the element's text, as a browser reads it
    QTest::newRow("plain") << "Courier New"
                           << "W-2"
                           << "'Courier New'"
                           << "W-2";
    QTest::newRow("family closes the attribute") << "Arial\" onmouseover=\"alert(1)"
                                                 << "x"
                                                 << "'Arial\\22  onmouseover\\3d \\22 alert\\28 1\\29 '"
                                                 << "x";
    QTest::newRow("family closes the string and the declaration")
        << "Arial'; background:url(x)"
        << "x"
        << "'Arial\\27 \\3b  background\\3a url\\28 x\\29 '"
        << "x";
    QTest::newRow("family ends the style element") << "</style><script>alert(1)</script>"
                                                   << "x"
                                                   << "'\\3c \\2f style\\3e \\3c script\\3e alert\\28 1\\29 "
                                                      "\\3c \\2f script\\3e '"
                                                   << "x";
    QTest::newRow("family with a backslash, newline and ESC") << "A\\B\nC\x1b"
                                                              << "x"
                                                              << "'A\\5c B\\a C\\1b '"
                                                              << "x";
    QTest::newRow("text is markup") << "Arial"
                                    << "<script>alert(\"1\")</script>"
                                    << "'Arial'"
                                    << "<script>alert(\"1\")</script>";
    QTest::newRow("text with entities") << "Arial"
                                        << "A & B &amp; 'C'"
                                        << "'Arial'"
                                        << "A & B &amp; 'C'";
    QTest::newRow("text with control characters")
        << "Arial" << QString::fromUtf16(u"\x1b[31mRED\x07\nNEXT\x9b") << "'Arial'"
        << "\\x1b[31mRED\\x07\\x0aNEXT\\x9b";
}

// Whatever a font name or a text holds, the export stays one page of text
// boxes: no attribute, element or declaration of its own, nothing a browser
// would run. The document is well-formed XML, so a strict parser shows it.
void TstRenderers::htmlKeepsHostileTextsAndFontsText()
{
    QFETCH(QString, Family);
    QFETCH(QString, Text);
    QFETCH(QString, Css);
    QFETCH(QString, Shown);
    TReportPage Page(3, 2);
    TReportFont Font;
    Font.Family = Family;
    TPageItem Item;
    Item.Kind = TPageItem::TKind::Text;
    Item.Flags = TPageItem::Clipped;
    Item.X = 1;
    Item.Y = 0.5;
    Item.W = 1.5;
    Item.H = 0.25;
    Item.FontIndex = Page.FontIndex(Font);
    Item.Text = Text;
    Page.Items.append(Item);
    QBuffer Buffer;
    QVERIFY(Buffer.open(QIODevice::ReadWrite));
    TSnapshotWriter Writer(Buffer, QStringLiteral("memory"));
    Writer.BeginDoc();
    Writer.AddPage(Page);
    Writer.EndDoc(TJobSettings());
    const TSnapshotReader Reader(Buffer, QStringLiteral("memory"));
    TRvRenderHTML Html;
    Html.Title = Text;
    Html.Render(Reader, Path(QStringLiteral("hostile.html")));
    QFile File(Path(QStringLiteral("hostile.html")));
    QVERIFY(File.open(QIODevice::ReadOnly));
    const QByteArray Bytes = File.readAll();

    const QString Style = QStringLiteral("left:72.000pt;top:36.000pt;width:108.000pt;height:18.000pt;"
                                         "line-height:18.000pt;font-family:%1;font-size:10pt;text-align:left;"
                                         "color:#000000;overflow:hidden")
                              .arg(Css);
    QXmlStreamReader Xml(Bytes);
    QStringList Elements;
    QString TextStyle;
    QString TextShown;
    QString TitleShown;
    while (!Xml.atEnd()) {
        if (Xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        QStringList Attributes;
        for (const QXmlStreamAttribute &Attribute : Xml.attributes())
            Attributes.append(Attribute.name().toString());
        Elements.append(
            Xml.name().toString() + QLatin1Char('(') + Attributes.join(QLatin1Char(' ')) + QLatin1Char(')'));
        if (Xml.name() == QLatin1String("title")) {
            TitleShown = Xml.readElementText();
        } else if (Xml.attributes().value(QStringLiteral("class")) == QLatin1String("t")) {
            TextStyle = Xml.attributes().value(QStringLiteral("style")).toString();
            TextShown = Xml.readElementText();
        }
    }
    QVERIFY2(!Xml.hasError(), qPrintable(Xml.errorString()));
    QCOMPARE(Elements,
        QStringList({ "html()", "head()", "meta(charset)", "title()", "style()", "body()",
            "div(class id style)", "div(class style)" }));
    QCOMPARE(TextStyle, Style);
    QCOMPARE(TextShown, Shown);
    QCOMPARE(TitleShown, Shown);
    // The text box's line, byte for byte: the style is the attribute's only
    // text, quoted as HTML quotes an attribute.
    const QByteArray Line = "<div class=\"t\" style=\"" + Style.toUtf8() + "\">"
        + Shown.toUtf8()
              .replace("&", "&amp;")
              .replace("<", "&lt;")
              .replace(">", "&gt;")
              .replace("\"", "&quot;")
        + "</div>\n";
    QVERIFY2(Bytes.contains(Line), Bytes.constData());
}

void TstRenderers::previewShowsWhatPaperDoesNot()
{
    QImage Screen(850, 1100, QImage::Format_RGB32);
    Screen.fill(Qt::white);
    QPainter Painter(&Screen);
    TPagePainter::Paint(FPages.first(), Painter, 100, {}, TPagePainter::ShowPreviewOnly);
    Painter.end();
    QImage Paper(850, 1100, QImage::Format_RGB32);
    Paper.fill(Qt::white);
    QVERIFY(Painter.begin(&Paper));
    TPagePainter::Paint(FPages.first(), Painter, 100);
    Painter.end();
    // The outline's top edge at 3.6 in, wherever antialiasing puts it.
    int Reddest = 0;
    for (int Y = 355; Y <= 365; ++Y) {
        const QColor Pixel = Screen.pixelColor(475, Y);
        Reddest = qMax(Reddest, Pixel.red() - Pixel.green());
        QCOMPARE(Paper.pixelColor(475, Y), QColor(Qt::white));
    }
    QVERIFY2(Reddest > 64, qPrintable(QString::number(Reddest)));
}

void TstRenderers::monochromeIsGrey()
{
    QImage Screen(850, 1100, QImage::Format_RGB32);
    Screen.fill(Qt::white);
    QPainter Painter(&Screen);
    TPagePainter::Paint(
        FPages.first(), Painter, 100, {}, TPagePainter::ShowPreviewOnly | TPagePainter::Monochrome);
    Painter.end();
    int Darkest = 255;
    for (int Y = 355; Y <= 365; ++Y) {
        const QColor Pixel = Screen.pixelColor(475, Y);
        QCOMPARE(Pixel.red(), Pixel.green());
        QCOMPARE(Pixel.green(), Pixel.blue());
        Darkest = qMin(Darkest, Pixel.red());
    }
    QVERIFY(Darkest < 200);
}

void TstRenderers::unwritableFilesAreReported_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::newRow("PDF in a missing folder") << "pdf";
    QTest::newRow("HTML in a missing folder") << "html";
}

void TstRenderers::unwritableFilesAreReported()
{
    QFETCH(QString, Kind);
    const QString Target = Path(QStringLiteral("no/such/folder/out.") + Kind);
    const QString Message = RenderFailure(Kind, Target);
    QVERIFY2(
        Message.startsWith(QStringLiteral("The %1 file %2 could not be written").arg(Kind.toUpper(), Target)),
        qPrintable(Message));
    QVERIFY(!QFile::exists(Target));
}

void TstRenderers::aFullDiskKeepsTheFileBeingReplaced_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<bool>("Existing");
    QTest::newRow("new PDF") << "pdf" << false;
    QTest::newRow("PDF over an earlier export") << "pdf" << true;
    QTest::newRow("new HTML") << "html" << false;
    QTest::newRow("HTML over an earlier export") << "html" << true;
}

void TstRenderers::aFullDiskKeepsTheFileBeingReplaced()
{
    QFETCH(QString, Kind);
    QFETCH(bool, Existing);
    const QString Target = Path(QStringLiteral("full-disk.") + Kind);
    QFile::remove(Target);
    const QByteArray Earlier = "the export of an earlier run\n";
    if (Existing) {
        QFile File(Target);
        QVERIFY(File.open(QIODevice::WriteOnly));
        File.write(Earlier);
    }
    // A file-size limit far below any export stands for a full disk.
    rlimit Old;
    ::getrlimit(RLIMIT_FSIZE, &Old);
    rlimit Limit = Old;
    Limit.rlim_cur = 100;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &Limit) == 0);
    const QString Message = RenderFailure(Kind, Target);
    ::setrlimit(RLIMIT_FSIZE, &Old);
    QVERIFY2(Message.startsWith(QStringLiteral("The %1 file %2 could not be").arg(Kind.toUpper(), Target)),
        qPrintable(Message));
    // No half-written file is left beside it either.
    QCOMPARE(QDir(FDir.path())
                 .entryList({ QFileInfo(Target).fileName() + QLatin1Char('*') }, QDir::Files | QDir::Hidden),
        Existing ? QStringList(QFileInfo(Target).fileName()) : QStringList());
    if (Existing) {
        QFile File(Target);
        QVERIFY(File.open(QIODevice::ReadOnly));
        QCOMPARE(File.readAll(), Earlier);
    }
}

void TstRenderers::previewRendererPagesAndZoom()
{
    TRvRenderPreview Preview;
    int PageChanges = 0;
    int ZoomChanges = 0;
    connect(&Preview, &TRvRenderPreview::PageChange, this, [&PageChanges] { ++PageChanges; });
    connect(&Preview, &TRvRenderPreview::ZoomChange, this, [&ZoomChanges] { ++ZoomChanges; });
    Preview.SetStream(&FBuffer, QStringLiteral("sample"));
    QCOMPARE(Preview.Pages(), 3);
    QCOMPARE(Preview.CurrentPage(), 1);
    Preview.NextPage();
    Preview.NextPage();
    Preview.NextPage();
    QCOMPARE(Preview.CurrentPage(), 3);
    QVERIFY(Preview.Page() == FPages.at(2));
    Preview.RenderPage(-4);
    QCOMPARE(Preview.CurrentPage(), 1);
    QVERIFY(PageChanges >= 4);
    Preview.MarginPercent = 2.5;
    Preview.ShadowDepth = 5;
    Preview.SetZoomFactor(100);
    QCOMPARE(Preview.CanvasSize(96),
        QSize(int(std::ceil(816 + 2 * 20.4 + 5)), int(std::ceil(1056 + 2 * 20.4 + 5))));
    Preview.SetZoomFactor(500);
    QCOMPARE(Preview.ZoomFactor(), 200.0);
    Preview.SetZoomFactor(15);
    Preview.ZoomOut();
    QCOMPARE(Preview.ZoomFactor(), 10.0);
    Preview.ZoomOut();
    QCOMPARE(Preview.ZoomFactor(), 10.0);
    QCOMPARE(ZoomChanges, 3);
    Preview.ReleaseStream();
    QVERIFY(!Preview.HasPage());
}

QMRK_TEST_MAIN_IMPL(TstRenderers, QGuiApplication)
#include "tst_renderers.moc"
