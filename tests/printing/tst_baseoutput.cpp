#include "EReportException.h"
#include "QmrkTestMain.h"
#include "TBaseReport.h"
#include "TFakePrinterCatalog.h"
#include "TFontMetrics.h"
#include "TPageSink.h"

#include <QGuiApplication>

namespace {

class TPageList : public TPageSink {
public:
    void BeginDoc() override { ++Begun; }
    void AddPage(const TReportPage &Page) override { Pages.append(Page); }
    void EndDoc(const TJobSettings &Settings) override { Job = Settings; }
    int Begun = 0;
    QList<TReportPage> Pages;
    TJobSettings Job;
};

bool Near(double A, double B)
{
    return qAbs(A - B) < 1e-9;
}

} // namespace

class TstBaseOutput : public QObject {
    Q_OBJECT

private:
    TPageList FSink;
    std::unique_ptr<TBaseReport> FOut;
    std::unique_ptr<TFakePrinterCatalog> FCatalog;

private Q_SLOTS:
    void init();
    void cleanup();
    void textLinesInALabelSection();
    void anchoredTexts_data();
    void anchoredTexts();
    void textBoxClips();
    void linesRectanglesAndBars();
    void previewOnlyItems();
    void pagesGoToTheSinkOneByOne();
    void nothingIsDrawnOutsideARun();
    void printerSelection();
    void selectPrinter_data();
    void selectPrinter();
    void paperSizesAndOrientation();
    void copiesStayInRange_data();
    void copiesStayInRange();
};

void TstBaseOutput::init()
{
    FSink = TPageList();
    FCatalog = std::make_unique<TFakePrinterCatalog>();
    FCatalog->Add(QStringLiteral("Laser"),
        { { QStringLiteral("Letter"), QStringLiteral("Legal") },
            { QStringLiteral("Tray 1"), QStringLiteral("Manual") }, true, true, 99 });
    FCatalog->Add(QStringLiteral("Plain"), { { QStringLiteral("A4") }, {}, false, false, 1 });
    FOut = std::make_unique<TBaseReport>(FSink);
}

void TstBaseOutput::cleanup()
{
    FOut.reset();
    FCatalog.reset();
}

void TstBaseOutput::textLinesInALabelSection()
{
    FOut->BeginDoc();
    FOut->SetFont(QStringLiteral("Arial"), 9);
    FOut->SetOrigin(0.188 + 2.75, 0.5 + 1.0);
    FOut->SetSection(0.13, 0.13, 2.495, 0.87);
    FOut->Home();
    FOut->YPos = 0.25;
    const double Line = FOut->LineHeight();
    QVERIFY(Near(Line, TFontMetrics::LineSpacing(FOut->Font)));
    QVERIFY(Line > 9.0 / 72 && Line < 12.0 / 72);
    FOut->PrintLn(QStringLiteral("ANN ADAMS"));
    FOut->PrintLn(QStringLiteral("1 MAIN ST"));
    FOut->PrintLn(QStringLiteral("SPRINGFIELD IL 62701-1234"));
    QVERIFY(Near(FOut->XPos, 0.13));
    QVERIFY(Near(FOut->YPos, 0.25 + 3 * Line));
    const QList<const TPageItem *> Texts = FOut->Page().Texts();
    QCOMPARE(Texts.size(), 3);
    for (int I = 0; I < 3; ++I) {
        QVERIFY(Near(Texts.at(I)->X, 2.938 + 0.13));
        QVERIFY(Near(Texts.at(I)->Y, 1.5 + 0.25 + I * Line));
        QCOMPARE(Texts.at(I)->W, 0.0);
        QCOMPARE(Texts.at(I)->Align, TTextAlign::Left);
        QCOMPARE(FOut->Page().FontOf(*Texts.at(I)).Size, 9.0);
    }
}

void TstBaseOutput::anchoredTexts_data()
{
    QTest::addColumn<int>("Align");
    QTest::addColumn<double>("XAfter");
    QTest::newRow("left") << int(TTextAlign::Left) << 2.0 + 1.0;
    QTest::newRow("center") << int(TTextAlign::Center) << 2.0 + 0.5;
    QTest::newRow("right") << int(TTextAlign::Right) << 2.0;
}

void TstBaseOutput::anchoredTexts()
{
    QFETCH(int, Align);
    QFETCH(double, XAfter);
    FOut->BeginDoc();
    FOut->SetOrigin(0.5, 0.5);
    FOut->YPos = 1.0;
    const QString Text = QStringLiteral("WWW");
    // Scale the expected position by the text's real width.
    const double Width = FOut->TextWidth(Text);
    if (Align == int(TTextAlign::Left))
        FOut->PrintLeft(Text, 2.0);
    else if (Align == int(TTextAlign::Center))
        FOut->PrintCenter(Text, 2.0);
    else
        FOut->PrintRight(Text, 2.0);
    const TPageItem &Item = FOut->Page().Items.constLast();
    QCOMPARE(int(Item.Align), Align);
    QVERIFY(Near(Item.X, 2.5));
    QVERIFY(Near(Item.Y, 1.5));
    QVERIFY(Near(FOut->XPos, 2.0 + (XAfter - 2.0) * Width));
}

void TstBaseOutput::textBoxClips()
{
    FOut->BeginDoc();
    FOut->TextBox(QStringLiteral("A LONG NAME"), 1.0, 2.0, 0.5, TTextAlign::Right, true);
    const TPageItem &Item = FOut->Page().Items.constLast();
    QVERIFY(Item.Has(TPageItem::Clipped));
    QCOMPARE(Item.W, 0.5);
    QCOMPARE(Item.Align, TTextAlign::Right);
    FOut->PrintXY(3.0, 4.0, QString());
    QCOMPARE(FOut->Page().Items.size(), 1);
}

void TstBaseOutput::linesRectanglesAndBars()
{
    FOut->BeginDoc();
    FOut->SetOrigin(1.0, 2.0);
    FOut->PenWidth = 0.02;
    FOut->PenColor = 0xFF112233;
    FOut->MoveTo(0, 0);
    FOut->LineTo(1, 0);
    FOut->Rectangle(2.0, 1.0, 0.5, 0.5);
    FOut->Brush = 0xFFCCCCCC;
    FOut->RoundRect(0, 0, 2.625, 1.0, 0.2, 0.2);
    FOut->Brush.reset();
    FOut->FillRect(0.13, 0.7, 0.15, 0.83);
    const QList<TPageItem> &Items = FOut->Page().Items;
    QCOMPARE(Items.size(), 4);
    QCOMPARE(Items[0].Kind, TPageItem::TKind::Line);
    QVERIFY(
        Near(Items[0].X, 1.0) && Near(Items[0].Y, 2.0) && Near(Items[0].X2, 2.0) && Near(Items[0].Y2, 2.0));
    QCOMPARE(Items[0].Color, 0xFF112233u);
    QVERIFY(Near(FOut->XPos, 1.0));
    // Corners given in any order make the same rectangle.
    QVERIFY(Near(Items[1].X, 1.5) && Near(Items[1].Y, 2.5) && Near(Items[1].W, 1.5) && Near(Items[1].H, 0.5));
    QVERIFY(!Items[1].Has(TPageItem::Filled));
    QCOMPARE(Items[1].PenWidth, 0.02);
    QVERIFY(Items[2].Has(TPageItem::Filled));
    QCOMPARE(Items[2].FillColor, 0xFFCCCCCCu);
    QVERIFY(Near(Items[2].RadiusX, 0.1) && Near(Items[2].RadiusY, 0.1));
    QVERIFY(Items[3].Has(TPageItem::Filled));
    QCOMPARE(Items[3].PenWidth, 0.0);
    QCOMPARE(Items[3].FillColor, 0xFF000000u);
    QVERIFY(Near(Items[3].W, 0.02) && Near(Items[3].H, 0.13));
}

void TstBaseOutput::previewOnlyItems()
{
    FOut->BeginDoc();
    FOut->PreviewOnly = true;
    FOut->RoundRect(0.188, 0.5, 2.813, 1.5, 0.2, 0.2);
    FOut->PreviewOnly = false;
    FOut->Rectangle(0, 0, 1, 1);
    QVERIFY(FOut->Page().Items[0].Has(TPageItem::PreviewOnly));
    QVERIFY(!FOut->Page().Items[1].Has(TPageItem::PreviewOnly));
}

void TstBaseOutput::pagesGoToTheSinkOneByOne()
{
    QList<int> Started;
    FOut->OnPageStart = [&Started](int Page) { Started.append(Page); };
    FOut->SetSection(0.5, 0.75, 8, 10);
    FOut->BeginDoc();
    QCOMPARE(FSink.Begun, 1);
    FOut->PrintLn(QStringLiteral("one"));
    FOut->NewPage();
    QCOMPARE(FSink.Pages.size(), 1);
    QVERIFY(Near(FOut->XPos, 0.5) && Near(FOut->YPos, 0.75));
    FOut->PrintLn(QStringLiteral("two"));
    FOut->NewPage();
    FOut->SetCopies(3);
    FOut->EndDoc();
    QCOMPARE(Started, QList<int>({ 1, 2, 3 }));
    QCOMPARE(FSink.Pages.size(), 3);
    QCOMPARE(FSink.Pages.at(1).Texts().first()->Text, QStringLiteral("two"));
    QVERIFY(FSink.Pages.at(2).Items.isEmpty());
    QCOMPARE(FSink.Job.Copies, 3);
    QVERIFY(!FOut->Printing());
}

void TstBaseOutput::nothingIsDrawnOutsideARun()
{
    QVERIFY_THROWS_EXCEPTION(EReportException, FOut->Print(QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(EReportException, FOut->NewPage());
    QVERIFY_THROWS_EXCEPTION(EReportException, FOut->Line(0, 0, 1, 1));
    FOut->BeginDoc();
    QVERIFY_THROWS_EXCEPTION(EReportException, FOut->BeginDoc());
    FOut->EndDoc();
    QVERIFY_THROWS_EXCEPTION(EReportException, FOut->EndDoc());
}

void TstBaseOutput::printerSelection()
{
    QCOMPARE(FOut->Printers(), QStringList({ QStringLiteral("Laser"), QStringLiteral("Plain") }));
    QCOMPARE(FOut->PrinterName(), QStringLiteral("Laser"));
    QCOMPARE(FOut->Papers(), QStringList({ QStringLiteral("Letter"), QStringLiteral("Legal") }));
    QCOMPARE(FOut->Bins(), QStringList({ QStringLiteral("Tray 1"), QStringLiteral("Manual") }));
    QVERIFY(FOut->SupportCollate());
    QVERIFY(FOut->SupportDuplex());
    QCOMPARE(FOut->MaxCopies(), 99);
    QVERIFY(FOut->SelectBin(QStringLiteral("Manual")));
    QVERIFY(FOut->SelectPaper(QStringLiteral("Legal")));
    QVERIFY(FOut->SelectPrinter(QStringLiteral("Plain")));
    // Another driver's paper and bin names mean nothing here.
    QCOMPARE(FOut->Job().PaperName, QString());
    QCOMPARE(FOut->Job().BinName, QString());
    QVERIFY(!FOut->SupportCollate());
    QVERIFY(!FOut->SupportDuplex());
    QCOMPARE(FOut->MaxCopies(), 1);
    QVERIFY(FOut->Bins().isEmpty());
    FOut->SetDuplex(TDuplex::Vertical);
    FOut->SetCollate(true);
    QCOMPARE(FOut->Duplex(), TDuplex::Vertical);
    QVERIFY(FOut->Collate());
}

void TstBaseOutput::selectPrinter_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<bool>("Selected");
    QTest::addColumn<QString>("After");
    QTest::newRow("installed") << "Plain" << true << "Plain";
    QTest::newRow("no longer installed") << "Gone" << false << "Laser";
    QTest::newRow("blank") << "" << false << "Laser";
    QTest::newRow("other letter case") << "plain" << false << "Laser";
}

void TstBaseOutput::selectPrinter()
{
    QFETCH(QString, Name);
    QFETCH(bool, Selected);
    QFETCH(QString, After);
    QCOMPARE(FOut->SelectPrinter(Name), Selected);
    QCOMPARE(FOut->PrinterName(), After);
}

void TstBaseOutput::paperSizesAndOrientation()
{
    FOut->BeginDoc();
    QCOMPARE(FOut->PageWidth(), 8.5);
    QVERIFY(!FOut->SelectPaper(QStringLiteral("A4")));
    QVERIFY(FOut->SelectPaper(QStringLiteral("Legal")));
    QCOMPARE(FOut->PageHeight(), 14.0);
    FOut->SetOrientation(TOrientation::Landscape);
    QCOMPARE(FOut->PageWidth(), 14.0);
    QCOMPARE(FOut->PageHeight(), 8.5);
    FOut->NewPage();
    QCOMPARE(FOut->PageWidth(), 14.0);
    FOut->SetOrientation(TOrientation::Default);
    QCOMPARE(FOut->PageWidth(), 14.0);
    FOut->SetOrientation(TOrientation::Portrait);
    QCOMPARE(FOut->PageWidth(), 8.5);
}

void TstBaseOutput::copiesStayInRange_data()
{
    QTest::addColumn<int>("Asked");
    QTest::addColumn<int>("Kept");
    QTest::newRow("none") << 0 << 1;
    QTest::newRow("negative") << -5 << 1;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("ninety-nine") << 99 << 99;
    QTest::newRow("too many") << 100000 << 9999;
}

void TstBaseOutput::copiesStayInRange()
{
    QFETCH(int, Asked);
    QFETCH(int, Kept);
    FOut->SetCopies(Asked);
    QCOMPARE(FOut->Copies(), Kept);
}

QMRK_TEST_MAIN_IMPL(TstBaseOutput, QGuiApplication)
#include "tst_baseoutput.moc"
