#include "TRvProject.h"

#include "EReportException.h"
#include "TBaseReport.h"
#include "TFontMetrics.h"
#include "TRvSystem.h"

#include <cmath>

namespace {

QString OneLine(QString Text)
{
    Text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    Text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    Text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return Text;
}

TPageItem LineItem(const TReportItemDef &Def)
{
    TPageItem Item;
    Item.Kind = TPageItem::TKind::Line;
    Item.X = Def.X;
    Item.Y = Def.Y;
    Item.X2 = Def.X2;
    Item.Y2 = Def.Y2;
    Item.PenWidth = Def.Pen;
    Item.Color = Def.Color;
    return Item;
}

TPageItem RectItem(const TReportItemDef &Def)
{
    TPageItem Item;
    Item.Kind = TPageItem::TKind::Rect;
    Item.Flags = Def.Filled ? TPageItem::Filled : 0;
    Item.X = Def.X;
    Item.Y = Def.Y;
    Item.W = Def.Width;
    Item.H = Def.Height;
    Item.RadiusX = Item.RadiusY = Def.Radius;
    Item.PenWidth = Def.Pen;
    Item.Color = Def.Color;
    Item.FillColor = Def.Fill;
    return Item;
}

// The item's font, made smaller in steps of 0.1 pt while a fitted text is
// wider than its box, but not below its floor.
TReportFont FittedFont(const TReportItemDef &Def, const QString &Text)
{
    TReportFont Font = Def.Font;
    if (!Def.Fit)
        return Font;
    const double Wide = TFontMetrics::TextWidth(Font, Text);
    if (Wide <= Def.Width)
        return Font;
    // Widths grow nearly in proportion to the size: start there, then step
    // down for what kerning and rounding add.
    int Tenths = int(std::floor(Font.Size * Def.Width / Wide * 10));
    const int Floor = int(std::ceil(Def.MinFontSize * 10 - 1e-9));
    for (; Tenths > Floor; --Tenths) {
        Font.Size = Tenths / 10.0;
        if (TFontMetrics::TextWidth(Font, Text) <= Def.Width)
            return Font;
    }
    Font.Size = qMin(Def.Font.Size, Floor / 10.0);
    return Font;
}

TPageItem TextItem(const TReportItemDef &Def, const QString &Text, TReportPage &Page)
{
    TPageItem Item;
    Item.Kind = TPageItem::TKind::Text;
    const TReportFont Font = FittedFont(Def, Text);
    // A fitted text still too wide at its smallest size stays in its box.
    const bool Clip = Def.Clip || (Def.Fit && TFontMetrics::TextWidth(Font, Text) > Def.Width);
    Item.Flags = Clip ? TPageItem::Clipped : 0;
    Item.H = TFontMetrics::Height(Font);
    const double Box = Def.Height > 0 ? Def.Height : Item.H;
    double Top = Def.Y;
    if (Def.VAlign == TReportItemDef::TVAlign::Center)
        Top += (Box - Item.H) / 2;
    else if (Def.VAlign == TReportItemDef::TVAlign::Bottom)
        Top += Box - Item.H;
    Item.X = Def.X;
    Item.Y = Top;
    Item.W = Def.Width;
    Item.FontIndex = Page.FontIndex(Font);
    Item.Align = Def.Align;
    Item.Color = Def.Color;
    Item.Text = Text;
    return Item;
}

// A background item as the preview shows it behind the data alone.
void MakeGrey(TPageItem &Item)
{
    constexpr QRgb LightGrey = 0xFFC0C0C0;
    Item.Color = LightGrey;
    // A filled area keeps a quarter of its darkness, so captions on it stay readable.
    const int Shade = 255 - (255 - qGray(Item.FillColor)) / 4;
    Item.FillColor = qRgb(Shade, Shade, Shade);
    Item.Flags |= TPageItem::PreviewOnly;
}

void Move(TPageItem &Item, double Dx, double Dy)
{
    Item.X += Dx;
    Item.Y += Dy;
    Item.X2 += Dx;
    Item.Y2 += Dy;
}

} // namespace

void TRvProject::Open()
{
    if (FProject)
        return;
    FProject = TReportProject::Load(ProjectFile);
}

void TRvProject::Close()
{
    FProject.reset();
    FReport.clear();
}

QStringList TRvProject::ReportNames() const
{
    return FProject ? FProject->ReportNames() : QStringList();
}

bool TRvProject::SelectReport(const QString &Name, bool FullName)
{
    Q_UNUSED(FullName)
    if (!FProject)
        return false;
    const TReportDefinition *Report = FProject->Find(Name);
    if (!Report)
        return false;
    FReport = Report->Name;
    return true;
}

void TRvProject::SetParam(const QString &Name, const QString &Value)
{
    FParams.insert(Name, Value);
}

const TReportDefinition &TRvProject::Current() const
{
    if (!FProject)
        throw EReportException(QStringLiteral("The report project %1 is not open.").arg(ProjectFile));
    const TReportDefinition *Report = FReport.isEmpty() ? nullptr : FProject->Find(FReport);
    if (!Report)
        throw EReportException(
            QStringLiteral("No report of the report project %1 is selected.").arg(FProject->Path()));
    return *Report;
}

void TRvProject::Execute()
{
    if (!Engine || !Engine->BaseReport())
        throw EReportException(QStringLiteral("A report can only be rendered while its report system runs."));
    ExecuteOn(*Engine->BaseReport());
}

void TRvProject::ExecuteOn(TBaseReport &Output)
{
    const TReportDefinition &Report = Current();
    Output.SetPageSize(Report.PageWidth, Report.PageHeight);
    for (const TReportItemDef &Def : Report.Items) {
        const bool Behind = Def.Background && !PrintBackground;
        if (Behind && !PreviewBackground)
            continue;
        TPageItem Item;
        switch (Def.Kind) {
        case TReportItemDef::TKind::Line:
            Item = LineItem(Def);
            break;
        case TReportItemDef::TKind::Rect:
            Item = RectItem(Def);
            break;
        case TReportItemDef::TKind::Text:
            if (Def.Text.isEmpty())
                continue;
            Item = TextItem(Def, OneLine(Def.Text), Output.Page());
            break;
        case TReportItemDef::TKind::Field: {
            const QString Value = OneLine(FParams.value(Def.Text));
            if (Value.isEmpty())
                continue;
            Item = TextItem(Def, Value, Output.Page());
            break;
        }
        }
        if (Def.PreviewOnly)
            Item.Flags |= TPageItem::PreviewOnly;
        if (Behind)
            MakeGrey(Item);
        else if (!Def.Background)
            Move(Item, DataOffsetX, DataOffsetY);
        Output.AddItem(Item);
    }
}
