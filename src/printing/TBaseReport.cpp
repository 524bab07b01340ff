#include "TBaseReport.h"

#include "EReportException.h"
#include "TFontMetrics.h"
#include "TPageSink.h"
#include "TPrinterCatalog.h"

#include <utility>

TBaseReport::TBaseReport(TPageSink &Sink)
    : FSink(Sink)
{
}

void TBaseReport::BeginDoc()
{
    if (FPrinting)
        throw EReportException(QStringLiteral("A report output was started twice."));
    FPrinting = true;
    FPageNumber = 0;
    FSink.BeginDoc();
    StartPage();
}

void TBaseReport::StartPage()
{
    ++FPageNumber;
    FPage = TReportPage(FNextWidth, FNextHeight);
    Home();
    if (OnPageStart)
        OnPageStart(FPageNumber);
}

void TBaseReport::RequirePage() const
{
    if (!FPrinting)
        throw EReportException(
            QStringLiteral("Nothing can be drawn on a report output that is not started."));
}

void TBaseReport::NewPage()
{
    RequirePage();
    FSink.AddPage(FPage);
    StartPage();
}

void TBaseReport::EndDoc()
{
    RequirePage();
    FSink.AddPage(FPage);
    FPrinting = false;
    FSink.EndDoc(FJob);
}

void TBaseReport::SetPageSize(double Width, double Height)
{
    if (!(Width > 0 && Height > 0))
        throw EReportException(QStringLiteral("A page must have a width and a height."));
    FPage.Width = FNextWidth = Width;
    FPage.Height = FNextHeight = Height;
}

void TBaseReport::SetOrigin(double X, double Y)
{
    FOriginX = X;
    FOriginY = Y;
}

void TBaseReport::SetSection(double Left, double Top, double Right, double Bottom)
{
    FSectionLeft = Left;
    FSectionTop = Top;
    FSectionRight = Right;
    FSectionBottom = Bottom;
}

void TBaseReport::Home()
{
    XPos = FSectionLeft;
    YPos = FSectionTop;
}

void TBaseReport::GotoXY(double X, double Y)
{
    XPos = X;
    YPos = Y;
}

void TBaseReport::SetFont(const QString &Name, double Size)
{
    Font.Family = Name;
    Font.Size = Size;
}

double TBaseReport::LineHeight() const
{
    return TFontMetrics::LineSpacing(Font);
}

double TBaseReport::TextWidth(const QString &Text) const
{
    return TFontMetrics::TextWidth(Font, Text);
}

quint8 TBaseReport::ItemFlags() const
{
    return PreviewOnly ? TPageItem::PreviewOnly : 0;
}

void TBaseReport::AddText(const QString &Text, double X, double Width, TTextAlign Align, bool Clip)
{
    RequirePage();
    if (Text.isEmpty())
        return;
    TPageItem Item;
    Item.Kind = TPageItem::TKind::Text;
    Item.Flags = ItemFlags() | (Clip ? TPageItem::Clipped : 0);
    Item.X = FOriginX + X;
    Item.Y = FOriginY + YPos;
    Item.W = Width;
    Item.H = TFontMetrics::Height(Font);
    Item.FontIndex = FPage.FontIndex(Font);
    Item.Align = Align;
    Item.Color = FontColor;
    Item.Text = Text;
    FPage.Items.append(Item);
}

void TBaseReport::Print(const QString &Text)
{
    AddText(Text, XPos, 0, TTextAlign::Left, false);
    XPos += TextWidth(Text);
}

void TBaseReport::PrintLn(const QString &Text)
{
    Print(Text);
    NewLine();
}

void TBaseReport::NewLine()
{
    XPos = FSectionLeft;
    YPos += LineHeight();
}

void TBaseReport::PrintLeft(const QString &Text, double X)
{
    AddText(Text, X, 0, TTextAlign::Left, false);
    XPos = X + TextWidth(Text);
}

void TBaseReport::PrintCenter(const QString &Text, double X)
{
    AddText(Text, X, 0, TTextAlign::Center, false);
    XPos = X + TextWidth(Text) / 2;
}

void TBaseReport::PrintRight(const QString &Text, double X)
{
    AddText(Text, X, 0, TTextAlign::Right, false);
    XPos = X;
}

void TBaseReport::PrintXY(double X, double Y, const QString &Text)
{
    YPos = Y;
    PrintLeft(Text, X);
}

void TBaseReport::TextBox(const QString &Text, double X, double Y, double Width, TTextAlign Align, bool Clip)
{
    YPos = Y;
    AddText(Text, X, qMax(0.0, Width), Align, Clip);
}

void TBaseReport::MoveTo(double X, double Y)
{
    XPos = X;
    YPos = Y;
}

void TBaseReport::LineTo(double X, double Y)
{
    Line(XPos, YPos, X, Y);
    XPos = X;
    YPos = Y;
}

void TBaseReport::Line(double X1, double Y1, double X2, double Y2)
{
    RequirePage();
    TPageItem Item;
    Item.Kind = TPageItem::TKind::Line;
    Item.Flags = ItemFlags();
    Item.X = FOriginX + X1;
    Item.Y = FOriginY + Y1;
    Item.X2 = FOriginX + X2;
    Item.Y2 = FOriginY + Y2;
    Item.PenWidth = qMax(0.0, PenWidth);
    Item.Color = PenColor;
    FPage.Items.append(Item);
}

void TBaseReport::AddRect(
    double X1, double Y1, double X2, double Y2, double Rx, double Ry, bool Outline, std::optional<QRgb> Fill)
{
    RequirePage();
    if (X2 < X1)
        std::swap(X1, X2);
    if (Y2 < Y1)
        std::swap(Y1, Y2);
    TPageItem Item;
    Item.Kind = TPageItem::TKind::Rect;
    Item.Flags = ItemFlags() | (Fill ? TPageItem::Filled : 0);
    Item.X = FOriginX + X1;
    Item.Y = FOriginY + Y1;
    Item.W = X2 - X1;
    Item.H = Y2 - Y1;
    Item.RadiusX = qMax(0.0, Rx);
    Item.RadiusY = qMax(0.0, Ry);
    Item.PenWidth = Outline ? qMax(0.0, PenWidth) : 0.0;
    Item.Color = PenColor;
    Item.FillColor = Fill.value_or(0xFF000000);
    FPage.Items.append(Item);
}

void TBaseReport::Rectangle(double X1, double Y1, double X2, double Y2)
{
    AddRect(X1, Y1, X2, Y2, 0, 0, true, Brush);
}

void TBaseReport::RoundRect(
    double X1, double Y1, double X2, double Y2, double CornerWidth, double CornerHeight)
{
    AddRect(X1, Y1, X2, Y2, CornerWidth / 2, CornerHeight / 2, true, Brush);
}

void TBaseReport::FillRect(double X1, double Y1, double X2, double Y2)
{
    AddRect(X1, Y1, X2, Y2, 0, 0, false, Brush.value_or(0xFF000000));
}

void TBaseReport::AddItem(const TPageItem &Item)
{
    RequirePage();
    FPage.Items.append(Item);
}

QStringList TBaseReport::Printers() const
{
    return TPrinterCatalog::Current().PrinterNames();
}

bool TBaseReport::SelectPrinter(const QString &Name)
{
    if (!Printers().contains(Name))
        return false;
    if (Name != FJob.PrinterName) {
        // Paper and source names belong to a driver; another printer starts
        // from its own defaults.
        FJob.PaperName.clear();
        FJob.BinName.clear();
    }
    FJob.PrinterName = Name;
    return true;
}

QString TBaseReport::PrinterName() const
{
    return FJob.PrinterName.isEmpty() ? TPrinterCatalog::Current().DefaultPrinter() : FJob.PrinterName;
}

QStringList TBaseReport::Papers() const
{
    return TPrinterCatalog::Current().PaperNames(PrinterName());
}

bool TBaseReport::SelectPaper(const QString &Name)
{
    if (!Papers().contains(Name))
        return false;
    FJob.PaperName = Name;
    const QSizeF Size = TPrinterCatalog::Current().PaperSize(PrinterName(), Name);
    if (Size.isValid() && !Size.isEmpty()) {
        FNextWidth = Size.width();
        FNextHeight = Size.height();
        ApplyOrientation();
        if (FPrinting && FPage.Items.isEmpty()) {
            FPage.Width = FNextWidth;
            FPage.Height = FNextHeight;
        }
    }
    return true;
}

QStringList TBaseReport::Bins() const
{
    return TPrinterCatalog::Current().BinNames(PrinterName());
}

bool TBaseReport::SelectBin(const QString &Name)
{
    if (!Bins().contains(Name))
        return false;
    FJob.BinName = Name;
    return true;
}

void TBaseReport::ApplyOrientation()
{
    const bool Wide = FNextWidth > FNextHeight;
    if ((FJob.Orientation == TOrientation::Landscape && !Wide)
        || (FJob.Orientation == TOrientation::Portrait && Wide))
        std::swap(FNextWidth, FNextHeight);
}

void TBaseReport::SetOrientation(TOrientation Orientation)
{
    FJob.Orientation = Orientation;
    ApplyOrientation();
    if (FPrinting && FPage.Items.isEmpty()) {
        FPage.Width = FNextWidth;
        FPage.Height = FNextHeight;
    }
}

void TBaseReport::SetCopies(int Copies)
{
    FJob.Copies = qBound(1, Copies, 9999);
}

bool TBaseReport::SupportCollate() const
{
    return TPrinterCatalog::Current().SupportsCollate(PrinterName());
}

bool TBaseReport::SupportDuplex() const
{
    return TPrinterCatalog::Current().SupportsDuplex(PrinterName());
}

int TBaseReport::MaxCopies() const
{
    return TPrinterCatalog::Current().MaxCopies(PrinterName());
}

void TBaseReport::SetJob(const TJobSettings &Job)
{
    FJob = Job;
    FJob.Copies = qBound(1, FJob.Copies, 9999);
}
