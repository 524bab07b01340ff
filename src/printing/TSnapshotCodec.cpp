#include "TSnapshotCodec.h"

#include "TByteReader.h"
#include "TByteWriter.h"

namespace {

constexpr double MaxPageInches = 1000.0;
constexpr quint8 FontBold = 0x01;
constexpr quint8 FontItalic = 0x02;
constexpr quint8 FontUnderline = 0x04;
constexpr quint8 ItemFlagsKnown = TPageItem::Filled | TPageItem::PreviewOnly | TPageItem::Clipped;

void EncodeFont(TByteWriter &Out, const TReportFont &Font)
{
    Out.Str(Font.Family);
    Out.F64(Font.Size);
    Out.U8(
        (Font.Bold ? FontBold : 0) | (Font.Italic ? FontItalic : 0) | (Font.Underline ? FontUnderline : 0));
}

void EncodeItem(TByteWriter &Out, const TPageItem &Item)
{
    Out.U8(quint8(Item.Kind));
    Out.U8(Item.Flags);
    switch (Item.Kind) {
    case TPageItem::TKind::Line:
        for (double Value : { Item.X, Item.Y, Item.X2, Item.Y2, Item.PenWidth })
            Out.F64(Value);
        Out.U32(Item.Color);
        break;
    case TPageItem::TKind::Rect:
        for (double Value : { Item.X, Item.Y, Item.W, Item.H, Item.RadiusX, Item.RadiusY, Item.PenWidth })
            Out.F64(Value);
        Out.U32(Item.Color);
        Out.U32(Item.FillColor);
        break;
    case TPageItem::TKind::Text:
        for (double Value : { Item.X, Item.Y, Item.W, Item.H })
            Out.F64(Value);
        Out.U16(Item.FontIndex);
        Out.U8(quint8(Item.Align));
        Out.U32(Item.Color);
        Out.Str(Item.Text);
        break;
    }
}

double Length(TByteReader &In, const char *Name)
{
    const double Value = In.F64();
    if (Value < 0 || Value > MaxPageInches)
        In.Fail(QStringLiteral("%1 %2 is out of range").arg(QLatin1String(Name)).arg(Value));
    return Value;
}

double Coordinate(TByteReader &In)
{
    const double Value = In.F64();
    if (Value < -MaxPageInches || Value > MaxPageInches)
        In.Fail(QStringLiteral("a position of %1 inches is out of range").arg(Value));
    return Value;
}

TReportFont DecodeFont(TByteReader &In)
{
    TReportFont Font;
    Font.Family = In.Str();
    Font.Size = In.F64();
    if (Font.Size <= 0 || Font.Size > 1000)
        In.Fail(QStringLiteral("a font size of %1 points is out of range").arg(Font.Size));
    const quint8 Style = In.U8();
    if (Style & ~(FontBold | FontItalic | FontUnderline))
        In.Fail(QStringLiteral("unknown font style bits"));
    Font.Bold = Style & FontBold;
    Font.Italic = Style & FontItalic;
    Font.Underline = Style & FontUnderline;
    return Font;
}

void DecodeLine(TByteReader &In, TPageItem &Item)
{
    Item.X = Coordinate(In);
    Item.Y = Coordinate(In);
    Item.X2 = Coordinate(In);
    Item.Y2 = Coordinate(In);
    Item.PenWidth = Length(In, "pen width");
    Item.Color = In.U32();
}

void DecodeRect(TByteReader &In, TPageItem &Item)
{
    Item.X = Coordinate(In);
    Item.Y = Coordinate(In);
    Item.W = Length(In, "width");
    Item.H = Length(In, "height");
    Item.RadiusX = Length(In, "corner radius");
    Item.RadiusY = Length(In, "corner radius");
    Item.PenWidth = Length(In, "pen width");
    Item.Color = In.U32();
    Item.FillColor = In.U32();
}

void DecodeText(TByteReader &In, TPageItem &Item, int FontCount)
{
    Item.X = Coordinate(In);
    Item.Y = Coordinate(In);
    Item.W = Length(In, "width");
    Item.H = Length(In, "height");
    Item.FontIndex = In.U16();
    if (Item.FontIndex >= FontCount)
        In.Fail(QStringLiteral("font %1 of %2 does not exist").arg(Item.FontIndex).arg(FontCount));
    const quint8 Align = In.U8();
    if (Align > quint8(TTextAlign::Right))
        In.Fail(QStringLiteral("unknown alignment %1").arg(Align));
    Item.Align = TTextAlign(Align);
    Item.Color = In.U32();
    Item.Text = In.Str();
}

TPageItem DecodeItem(TByteReader &In, int FontCount)
{
    TPageItem Item;
    const quint8 Kind = In.U8();
    Item.Flags = In.U8();
    if (Item.Flags & ~ItemFlagsKnown)
        In.Fail(QStringLiteral("unknown item flags %1").arg(Item.Flags));
    switch (Kind) {
    case quint8(TPageItem::TKind::Line):
        Item.Kind = TPageItem::TKind::Line;
        DecodeLine(In, Item);
        break;
    case quint8(TPageItem::TKind::Rect):
        Item.Kind = TPageItem::TKind::Rect;
        DecodeRect(In, Item);
        break;
    case quint8(TPageItem::TKind::Text):
        Item.Kind = TPageItem::TKind::Text;
        DecodeText(In, Item, FontCount);
        break;
    default:
        In.Fail(QStringLiteral("unknown item kind %1").arg(Kind));
    }
    return Item;
}

} // namespace

QByteArray TSnapshotCodec::EncodePage(const TReportPage &Page)
{
    TByteWriter Out;
    Out.F64(Page.Width);
    Out.F64(Page.Height);
    Out.U16(quint16(Page.Fonts.size()));
    for (const TReportFont &Font : Page.Fonts)
        EncodeFont(Out, Font);
    Out.U32(quint32(Page.Items.size()));
    for (const TPageItem &Item : Page.Items)
        EncodeItem(Out, Item);
    return Out.Bytes();
}

TReportPage TSnapshotCodec::DecodePage(QByteArrayView Payload, const QString &What)
{
    TByteReader In(Payload, What);
    TReportPage Page;
    Page.Width = Length(In, "page width");
    Page.Height = Length(In, "page height");
    if (Page.Width == 0 || Page.Height == 0)
        In.Fail(QStringLiteral("the page has no size"));
    const quint16 FontCount = In.U16();
    for (int I = 0; I < FontCount; ++I)
        Page.Fonts.append(DecodeFont(In));
    const quint32 ItemCount = In.U32();
    // Every item takes at least two bytes: a count beyond that is damage, and
    // must not reserve memory for items that are not there.
    if (ItemCount > quint32(Payload.size() - In.Position()) / 2)
        In.Fail(QStringLiteral("%1 items cannot fit in the page's bytes").arg(ItemCount));
    Page.Items.reserve(ItemCount);
    for (quint32 I = 0; I < ItemCount; ++I)
        Page.Items.append(DecodeItem(In, FontCount));
    if (!In.AtEnd())
        In.Fail(QStringLiteral("bytes follow the last item"));
    return Page;
}

QByteArray TSnapshotCodec::EncodeJob(const TJobSettings &Job)
{
    TByteWriter Out;
    Out.Str(Job.Title);
    Out.Str(Job.PrinterName);
    Out.Str(Job.PaperName);
    Out.Str(Job.BinName);
    Out.U8(quint8(Job.Orientation));
    Out.U8(quint8(Job.Duplex));
    Out.U8(Job.Collate ? 1 : 0);
    Out.U8(0);
    Out.U32(quint32(Job.Copies));
    return Out.Bytes();
}

TJobSettings TSnapshotCodec::DecodeJob(QByteArrayView Payload, const QString &What)
{
    TByteReader In(Payload, What);
    TJobSettings Job;
    Job.Title = In.Str();
    Job.PrinterName = In.Str();
    Job.PaperName = In.Str();
    Job.BinName = In.Str();
    const quint8 Orientation = In.U8();
    const quint8 Duplex = In.U8();
    const quint8 Collate = In.U8();
    const quint8 Reserved = In.U8();
    const quint32 Copies = In.U32();
    if (Orientation > 2 || Duplex > 2 || Collate > 1 || Reserved != 0)
        In.Fail(QStringLiteral("unknown printer settings"));
    if (Copies < 1 || Copies > 9999)
        In.Fail(QStringLiteral("%1 copies is out of range").arg(Copies));
    if (!In.AtEnd())
        In.Fail(QStringLiteral("bytes follow the printer settings"));
    Job.Orientation = TOrientation(Orientation);
    Job.Duplex = TDuplex(Duplex);
    Job.Collate = Collate == 1;
    Job.Copies = int(Copies);
    return Job;
}
