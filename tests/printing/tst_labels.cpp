#include "QmrkRequiredTool.h"
#include "QmrkTestMain.h"
#include "TDataModulePrintSource.h"
#include "TEmployeeListPrintSource.h"
#include "TFormsFixture.h"
#include "THostileFiles.h"
#include "TRecordSet.h"
#include "TW2LabelPrinting.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

// The labels are checked on the PDF they come out as: the words where
// pdftotext finds them, and the bar code measured on the page as pdftoppm
// renders it, never on the run's own layout.

namespace {

// Avery 5160 as the sheet's maker gives it, in inches.
constexpr double SheetLeft = 0.1875;
constexpr double SheetTop = 0.5;
constexpr double LabelWidth = 2.625;
constexpr double LabelHeight = 1.0;
constexpr double LabelPitch = 2.75;
// The position tolerance of the printed text (the sheet's 0.188 for 0.1875
// and font rounding).
constexpr double Near = 0.01;

// USPS POSTNET sizes with their tolerances.
constexpr double TallBar = 0.125, TallTolerance = 0.010;
constexpr double ShortBar = 0.050, ShortTolerance = 0.010;
constexpr double BarWidth = 0.020, WidthTolerance = 0.005;
constexpr double BarsPerInch = 22, PitchTolerance = 2;
// The clear space the USPS asks beside the bars on a label.
constexpr double ClearSides = 0.125;

constexpr int Dpi = 600;

struct TWord {
    QString Text;
    QRectF Box; // inches from the page's top-left corner
};

// The words of each page of Pdf.
QList<QList<TWord>> PdfWords(const QString &Pdf)
{
    QProcess Tool;
    Tool.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
        { QStringLiteral("-bbox"), Pdf, QStringLiteral("-") });
    if (!Tool.waitForFinished(60000))
        return {};
    const QString Html = QString::fromUtf8(Tool.readAllStandardOutput());
    static const QRegularExpression Page(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                       "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<QList<TWord>> Pages;
    for (auto It = Page.globalMatch(Html); It.hasNext();) {
        const QRegularExpressionMatch M = It.next();
        if (M.captured(0).startsWith(QLatin1String("<page"))) {
            Pages.append(QList<TWord>());
            continue;
        }
        const double X1 = M.captured(1).toDouble() / 72, Y1 = M.captured(2).toDouble() / 72;
        const double X2 = M.captured(3).toDouble() / 72, Y2 = M.captured(4).toDouble() / 72;
        Pages.last().append({ M.captured(5), QRectF(QPointF(X1, Y1), QPointF(X2, Y2)) });
    }
    return Pages;
}

QRectF LabelRect(int Label)
{
    const int Row = (Label - 1) / 3, Column = (Label - 1) % 3;
    return QRectF(SheetLeft + Column * LabelPitch, SheetTop + Row * LabelHeight, LabelWidth, LabelHeight);
}

// The label (1 to 30) a word lies on whole; 0 for none.
int LabelOf(const TWord &Word)
{
    for (int Label = 1; Label <= 30; ++Label)
        if (LabelRect(Label).contains(Word.Box))
            return Label;
    return 0;
}

// The lines of a label, their words joined by one blank, top to bottom.
struct TLabelText {
    QStringList Lines;
    QList<QRectF> Boxes; // one box per line, from its first word to its last
};

QHash<int, TLabelText> Labels(const QList<TWord> &Words)
{
    QHash<int, QMap<int, QList<TWord>>> ByLine;
    for (const TWord &Word : Words)
        ByLine[LabelOf(Word)][qRound(Word.Box.top() * 1000)].append(Word);
    QHash<int, TLabelText> Result;
    for (auto Label = ByLine.cbegin(); Label != ByLine.cend(); ++Label) {
        TLabelText &Text = Result[Label.key()];
        for (QList<TWord> Line : Label.value()) {
            std::sort(Line.begin(), Line.end(),
                [](const TWord &A, const TWord &B) { return A.Box.left() < B.Box.left(); });
            QStringList Parts;
            QRectF Box;
            for (const TWord &Word : Line) {
                Parts << Word.Text;
                Box = Box.isNull() ? Word.Box : Box.united(Word.Box);
            }
            Text.Lines << Parts.join(QLatin1Char(' '));
            Text.Boxes << Box;
        }
    }
    return Result;
}

// Page Number of Pdf in grey at 600 dpi, or only the part Inches of it.
QImage Rendered(const QString &Pdf, int Number, const QRectF &Inches)
{
    QTemporaryDir Dir;
    const QString Base = Dir.filePath(QStringLiteral("page"));
    QProcess Tool;
    Tool.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
        { QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(Number),
            QStringLiteral("-l"), QString::number(Number), QStringLiteral("-x"),
            QString::number(qRound(Inches.left() * Dpi)), QStringLiteral("-y"),
            QString::number(qRound(Inches.top() * Dpi)), QStringLiteral("-W"),
            QString::number(qRound(Inches.width() * Dpi)), QStringLiteral("-H"),
            QString::number(qRound(Inches.height() * Dpi)), Pdf, Base });
    if (!Tool.waitForFinished(60000) || Tool.exitCode() != 0)
        return {};
    return QImage(Base + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

bool Dark(const QImage &Image, int X, int Y)
{
    return qGray(Image.pixel(X, Y)) < 128;
}

int DarkPixels(const QImage &Image)
{
    int Count = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            Count += Dark(Image, X, Y);
    return Count;
}

struct TBar {
    double Left = 0, Right = 0, Top = 0, Bottom = 0; // inches within the image
    double Height() const { return Bottom - Top; }
    double Width() const { return Right - Left; }
};

// The bars standing on the lowest dark row of Image: runs of columns whose
// dark pixels reach down to it, each as tall as its tallest column.
QList<TBar> MeasureBars(const QImage &Image)
{
    int Base = -1;
    for (int Y = Image.height() - 1; Y >= 0 && Base < 0; --Y)
        for (int X = 0; X < Image.width() && Base < 0; ++X)
            if (Dark(Image, X, Y))
                Base = Y;
    QList<TBar> Bars;
    if (Base < 0)
        return Bars;
    bool InBar = false;
    for (int X = 0; X <= Image.width(); ++X) {
        int Top = Base + 1;
        while (X < Image.width() && Top > 0 && Dark(Image, X, Top - 1))
            --Top;
        const bool Standing = X < Image.width() && Top <= Base;
        if (Standing && !InBar) {
            Bars.append({ double(X) / Dpi, 0, double(Top) / Dpi, double(Base + 1) / Dpi });
            InBar = true;
        }
        if (Standing)
            Bars.last().Top = std::min(Bars.last().Top, double(Top) / Dpi);
        if (!Standing && InBar) {
            Bars.last().Right = double(X) / Dpi;
            InBar = false;
        }
    }
    return Bars;
}

// The digits a POSTNET code's bars stand for, its check digit last; written
// from the USPS table (tall bars weigh 7, 4, 2, 1, 0; 11000 is 0). Empty when
// the bars are no POSTNET code.
QString DecodePostNet(const QList<bool> &Tall)
{
    static const QStringList Table { "11000", "00011", "00101", "00110", "01001", "01010", "01100", "10001",
        "10010", "10100" };
    if (Tall.size() < 7 || (Tall.size() - 2) % 5 != 0 || !Tall.first() || !Tall.last())
        return {};
    QString Digits;
    for (qsizetype At = 1; At + 5 < Tall.size(); At += 5) {
        QString Group;
        for (qsizetype I = At; I < At + 5; ++I)
            Group += Tall[I] ? QLatin1Char('1') : QLatin1Char('0');
        const qsizetype Digit = Table.indexOf(Group);
        if (Digit < 0)
            return {};
        Digits += QChar(char16_t(u'0' + Digit));
    }
    return Digits;
}

EmployeeRecord Employee(const QString &First, const QString &Last, const QString &CityStateZip)
{
    EmployeeRecord E = TFormsFixture::SampleEmployee(First, Last);
    E.SetCityStateZip(CityStateZip);
    return E;
}

QList<EmployeeRecord> Staff(int Count)
{
    QList<EmployeeRecord> List;
    for (int I = 1; I <= Count; ++I)
        List.append(Employee(QStringLiteral("First%1").arg(I), QStringLiteral("Last%1").arg(I),
            QStringLiteral("DALLAS TX 75001-%1").arg(1000 + I)));
    return List;
}

QString NameOf(int I)
{
    return QStringLiteral("First%1 Last%1").arg(I);
}

} // namespace

class TstLabels : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FOut;

    // The labels of Employees into a PDF, as the command-line tool makes it.
    QString Run(const QList<EmployeeRecord> &Employees, const QString &Name = QStringLiteral("labels.pdf"))
    {
        TEmployeeListPrintSource Source(TFormsFixture::SampleEmployer(), Employees);
        const QString Pdf = FOut.filePath(Name);
        TW2LabelPrinting Printing;
        ToPdf(Printing, Pdf);
        Printing.Print(Source);
        return Pdf;
    }
    static void ToPdf(TW2LabelPrinting &Labels, const QString &Pdf)
    {
        Labels.RptW2Labels.DefaultDest = TReportDest::File;
        Labels.RptW2Labels.OutputFormat = TFileFormat::PDF;
        Labels.RptW2Labels.OutputFileName = Pdf;
        Labels.RptW2Labels.SystemSetups = 0;
    }
    static int RunCli(const QStringList &Args, QString *Err = nullptr)
    {
        const THostileFiles::TCliRun Run = THostileFiles::RunCli(QStringLiteral(QMRK_CLI_PATH), Args, 60000);
        if (Err)
            *Err = QString::fromUtf8(Run.Err);
        return Run.Finished ? Run.Code : -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QMRK_REQUIRE_TOOL(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
                && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(),
            "pdftotext and pdftoppm (poppler-utils) are not installed");
    }

    void oneEmployeeFillsTheTopLeftLabel()
    {
        const QList<QList<TWord>> Pages = PdfWords(Run(Staff(1)));
        QCOMPARE(Pages.size(), 1);
        const QHash<int, TLabelText> Text = Labels(Pages[0]);
        QCOMPARE(Text.keys(), QList<int>({ 1 }));
        QCOMPARE(Text[1].Lines, QStringList({ NameOf(1), "12 Elm Street", "DALLAS TX 75001-1001" }));
    }

    void thirtyOneEmployeesTakeTwoSheets()
    {
        const QList<QList<TWord>> Pages = PdfWords(Run(Staff(31)));
        QCOMPARE(Pages.size(), 2);
        const QHash<int, TLabelText> First = Labels(Pages[0]);
        QCOMPARE(First.size(), 30);
        // Row by row, left to right, in record order.
        for (int Label = 1; Label <= 30; ++Label)
            QCOMPARE(First.value(Label).Lines.value(0), NameOf(Label));
        const QHash<int, TLabelText> Second = Labels(Pages[1]);
        QCOMPARE(Second.keys(), QList<int>({ 1 }));
        QCOMPARE(Second[1].Lines.value(0), NameOf(31));
    }

    void thirtyEmployeesFillOneSheet()
    {
        const QList<QList<TWord>> Pages = PdfWords(Run(Staff(30)));
        QCOMPARE(Pages.size(), 1);
        QCOMPARE(Labels(Pages[0]).size(), 30);
    }

    void blankRecordsKeepTheirLabel()
    {
        QList<EmployeeRecord> List = Staff(3);
        List[1] = EmployeeRecord();
        const QHash<int, TLabelText> Text = Labels(PdfWords(Run(List)).value(0));
        QCOMPARE(Text.keys().size(), 2);
        QCOMPARE(Text.value(1).Lines.value(0), NameOf(1));
        QVERIFY(!Text.contains(2));
        QCOMPARE(Text.value(3).Lines.value(0), NameOf(3));
    }

    void zipDecidesBarCodeAndTextTop_data()
    {
        QTest::addColumn<QString>("CityStateZip");
        QTest::addColumn<bool>("BarCode");
        QTest::addColumn<double>("TextTop");
        QTest::newRow("ZIP+4") << "DALLAS TX 75001-1234" << true << 0.25;
        QTest::newRow("5-digit ZIP") << "DALLAS TX 75001" << false << 0.38;
        QTest::newRow("ZIP+4 with its extension blank") << "DALLAS TX 75001-    " << false << 0.38;
    }
    void zipDecidesBarCodeAndTextTop()
    {
        QFETCH(QString, CityStateZip);
        QFETCH(bool, BarCode);
        QFETCH(double, TextTop);
        const QString Pdf = Run({ Employee(QStringLiteral("Ann"), QStringLiteral("Lee"), CityStateZip) });
        const TLabelText Text = Labels(PdfWords(Pdf).value(0)).value(1);
        QCOMPARE(Text.Lines.size(), 3);
        QCOMPARE(Text.Lines.value(2), CityStateZip.trimmed());
        QVERIFY2(qAbs(Text.Boxes[0].top() - SheetTop - TextTop) < Near,
            qPrintable(QString::number(Text.Boxes[0].top() - SheetTop)));
        QVERIFY(qAbs(Text.Boxes[0].left() - SheetLeft - 0.13) < Near);
        // Below the address, within the label.
        const QRectF Below(
            SheetLeft, Text.Boxes[2].bottom(), LabelWidth, SheetTop + LabelHeight - Text.Boxes[2].bottom());
        QCOMPARE(DarkPixels(Rendered(Pdf, 1, Below)) > 0, BarCode);
    }

    void barCodeMeasuredOnThePage()
    {
        const QString Pdf = Run({ Employee(
            QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("DALLAS TX 75001-1234")) });
        const TLabelText Text = Labels(PdfWords(Pdf).value(0)).value(1);
        QCOMPARE(Text.Lines.size(), 3);
        const QRectF Label = LabelRect(1);
        const QRectF Below(
            Label.left(), Text.Boxes[2].bottom(), Label.width(), Label.bottom() - Text.Boxes[2].bottom());
        const QList<TBar> Bars = MeasureBars(Rendered(Pdf, 1, Below));
        QCOMPARE(Bars.size(), 52);

        QList<bool> Tall;
        for (const TBar &Bar : Bars) {
            const bool IsTall = Bar.Height() > (TallBar + ShortBar) / 2;
            Tall.append(IsTall);
            const double Want = IsTall ? TallBar : ShortBar;
            const double Tolerance = IsTall ? TallTolerance : ShortTolerance;
            QVERIFY2(qAbs(Bar.Height() - Want) <= Tolerance, qPrintable(QString::number(Bar.Height())));
            QVERIFY2(
                qAbs(Bar.Width() - BarWidth) <= WidthTolerance, qPrintable(QString::number(Bar.Width())));
            QVERIFY(qAbs(Bar.Bottom - Bars.first().Bottom) < 1.5 / Dpi);
        }
        const QString Digits = DecodePostNet(Tall);
        QCOMPARE(Digits.left(9), QStringLiteral("750011234"));
        QCOMPARE(Digits.size(), 10);
        int Sum = 0;
        for (const QChar Digit : Digits)
            Sum += Digit.digitValue();
        QCOMPARE(Sum % 10, 0);
        QCOMPARE(Digits.back(), QLatin1Char('7'));

        for (qsizetype I = 1; I < Bars.size(); ++I) {
            const double Pitch = Bars[I].Left - Bars[I - 1].Left;
            QVERIFY2(qAbs(1 / Pitch - BarsPerInch) <= PitchTolerance, qPrintable(QString::number(1 / Pitch)));
        }
        const double Mean = (Bars.last().Left - Bars.first().Left) / (Bars.size() - 1);
        qInfo("first bar %.4f x %.4f in, second %.4f x %.4f in, %.2f bars an inch", Bars[0].Width(),
            Bars[0].Height(), Bars[1].Width(), Bars[1].Height(), 1 / Mean);
        QVERIFY(qAbs(1 / Mean - BarsPerInch) <= 0.5);

        // 0.13 from the label's left edge, clear of both edges, its bottom
        // 0.13 below the line that would follow the address.
        const double Left = Below.left() + Bars.first().Left;
        QVERIFY(qAbs(Left - Label.left() - 0.13) < Near);
        QVERIFY(Below.left() + Bars.last().Right <= Label.right() - ClearSides);
        const double LineStep = Text.Boxes[1].top() - Text.Boxes[0].top();
        const double Bottom = Below.top() + Bars.first().Bottom;
        QVERIFY2(qAbs(Bottom - (Text.Boxes[2].top() + LineStep + 0.13)) < Near,
            qPrintable(QString::number(Bottom)));
        QVERIFY(Bottom < Label.bottom());
    }

    void barCodeIsVectorWithoutReadableDigits()
    {
        const QString Pdf = Run({ Employee(
            QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("DALLAS TX 75001-1234")) });
        QProcess Images;
        Images.start(
            QStandardPaths::findExecutable(QStringLiteral("pdfimages")), { QStringLiteral("-list"), Pdf });
        QVERIFY(Images.waitForFinished(60000));
        // The header's two lines and no image.
        QCOMPARE(
            QString::fromUtf8(Images.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')).size(), 2);
        QStringList Words;
        for (const TWord &Word : PdfWords(Pdf).value(0))
            Words << Word.Text;
        QCOMPARE(Words, QStringList({ "Ann", "Lee", "12", "Elm", "Street", "DALLAS", "TX", "75001-1234" }));
    }

    void outlinesStayOffThePdf()
    {
        const QString Pdf = Run(Staff(1));
        // The straight part of each outline's top edge, a band around it.
        for (int Label = 1; Label <= 30; ++Label) {
            const QRectF Box = LabelRect(Label);
            QCOMPARE(DarkPixels(Rendered(Pdf, 1, QRectF(Box.left() + 0.3, Box.top() - 0.02, 2.0, 0.04))), 0);
        }
    }

    void currentRecordIsKept_data()
    {
        QTest::addColumn<bool>("Fails");
        QTest::newRow("printed") << false;
        QTest::newRow("output not written") << true;
    }
    void currentRecordIsKept()
    {
        QFETCH(bool, Fails);
        TFormsFixture Company;
        Company.OpenCompany(TFormsFixture::SampleEmployer(), Staff(4));
        TFrmDataModule &Data = Company.Data;
        Data.RSW2->SetCurrentRecord(2);
        Data.RSW2->GetRec();
        TDataModulePrintSource Source(Data);
        TW2LabelPrinting Printing;
        ToPdf(Printing,
            Fails ? QStringLiteral("/nonexistent/labels.pdf") : FOut.filePath(QStringLiteral("kept.pdf")));
        bool Raised = false;
        try {
            Printing.Print(Source);
        } catch (const std::exception &) {
            Raised = true;
        }
        QCOMPARE(Raised, Fails);
        QCOMPARE(Data.RSW2->CurrentRecord(), 2);
        QCOMPARE(Data.CurrentEmployee.FirstName(), QStringLiteral("First2"));
        if (!Fails)
            QCOMPARE(Labels(PdfWords(FOut.filePath(QStringLiteral("kept.pdf"))).value(0)).size(), 4);
    }

    void cliLabels()
    {
        TFormsFixture Company;
        Company.WriteCompany(TFormsFixture::SampleEmployer(), Staff(31));
        const QString Pdf = FOut.filePath(QStringLiteral("cli.pdf"));
        // A run without a login session, as from cron: stderr stays empty
        // for scripts that read it.
        QProcess Tool;
        QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
        Env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        Tool.setProcessEnvironment(Env);
        Tool.start(QStringLiteral(QMRK_CLI_PATH),
            { QStringLiteral("labels"), QStringLiteral("--pdf"), Pdf, Company.W2Path() });
        QVERIFY(Tool.waitForFinished(60000));
        QCOMPARE(Tool.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(Tool.readAllStandardError()), QString());
        const QList<QList<TWord>> Pages = PdfWords(Pdf);
        QCOMPARE(Pages.size(), 2);
        QCOMPARE(Labels(Pages[1]).value(1).Lines.value(0), NameOf(31));
    }

    void cliFailures_data()
    {
        QTest::addColumn<QString>("Case");
        QTest::addColumn<int>("Code");
        QTest::newRow("missing company") << "missing" << 1;
        QTest::newRow("record cut short") << "damaged" << 1;
        QTest::newRow("no employees") << "empty" << 1;
        QTest::newRow("unwritable output") << "unwritable" << 1;
        QTest::newRow("no --pdf") << "no pdf" << 2;
        QTest::newRow("two companies") << "two" << 2;
        QTest::newRow("unknown option") << "unknown" << 2;
    }
    void cliFailures()
    {
        QFETCH(QString, Case);
        QFETCH(int, Code);
        TFormsFixture Company;
        Company.WriteCompany(TFormsFixture::SampleEmployer(), Staff(2));
        QString W2 = Company.W2Path();
        QString Out = FOut.filePath(QStringLiteral("fail.pdf"));
        QFile::remove(Out);
        QStringList Args { QStringLiteral("labels"), QStringLiteral("--pdf"), Out, W2 };
        if (Case == QLatin1String("missing"))
            Args.last() = FOut.filePath(QStringLiteral("missing.W225"));
        if (Case == QLatin1String("damaged") || Case == QLatin1String("empty")) {
            QFile File(W2);
            QVERIFY(File.open(QIODevice::ReadWrite));
            QVERIFY(File.resize(Case == QLatin1String("empty") ? 0 : EmployeeRecord::RecSize + 100));
        }
        if (Case == QLatin1String("unwritable"))
            Args[2] = Out = QStringLiteral("/nonexistent/fail.pdf");
        if (Case == QLatin1String("no pdf"))
            Args = QStringList { QStringLiteral("labels"), W2 };
        if (Case == QLatin1String("two"))
            Args << W2;
        if (Case == QLatin1String("unknown"))
            Args.insert(1, QStringLiteral("--color"));
        QString Err;
        QCOMPARE(RunCli(Args, &Err), Code);
        QVERIFY(Err.startsWith(QLatin1String("qmrk-w2-cli: ")));
        QVERIFY(!QFile::exists(Out));
    }

    void cliFailureLeavesAnOlderOutputAlone()
    {
        TFormsFixture Company;
        Company.WriteCompany(TFormsFixture::SampleEmployer(), Staff(2));
        QFile File(Company.W2Path());
        QVERIFY(File.open(QIODevice::ReadWrite));
        QVERIFY(File.resize(EmployeeRecord::RecSize + 1));
        File.close();
        const QString Out = FOut.filePath(QStringLiteral("older.pdf"));
        QFile Older(Out);
        QVERIFY(Older.open(QIODevice::WriteOnly));
        Older.write("older labels");
        Older.close();
        QCOMPARE(RunCli({ QStringLiteral("labels"), QStringLiteral("--pdf"), Out, Company.W2Path() }), 1);
        QVERIFY(Older.open(QIODevice::ReadOnly));
        QCOMPARE(Older.readAll(), QByteArray("older labels"));
    }
};

QMRK_TEST_MAIN_IMPL(TstLabels, QGuiApplication)
#include "tst_labels.moc"
