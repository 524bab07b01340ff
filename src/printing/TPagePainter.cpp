#include "TPagePainter.h"

#include "TFontMetrics.h"
#include "TReportPage.h"

#include <QGlyphRun>
#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace {

struct TContext {
    QPainter &Painter;
    double Dpi;
    QPointF Origin;
    int Options;

    QPointF Point(double X, double Y) const { return Origin + QPointF(X * Dpi, Y * Dpi); }
    QRectF Rect(double X, double Y, double W, double H) const
    {
        return QRectF(Point(X, Y), QSizeF(W * Dpi, H * Dpi));
    }

    QColor Color(QRgb Rgb) const
    {
        if (!(Options & TPagePainter::Monochrome))
            return QColor::fromRgba(Rgb);
        const int Grey = qGray(Rgb);
        return QColor(Grey, Grey, Grey, qAlpha(Rgb));
    }

    QPen Pen(double Width, QRgb Rgb) const
    {
        double Pixels = Width * Dpi;
        if (Options & TPagePainter::VisiblePens)
            Pixels = qMax(Pixels, 1.0);
        QPen Result(Color(Rgb), Pixels, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        return Result;
    }
};

void PaintLine(const TContext &C, const TPageItem &Item)
{
    if (Item.PenWidth <= 0)
        return;
    C.Painter.setPen(C.Pen(Item.PenWidth, Item.Color));
    C.Painter.drawLine(C.Point(Item.X, Item.Y), C.Point(Item.X2, Item.Y2));
}

void PaintRect(const TContext &C, const TPageItem &Item)
{
    const QRectF Box = C.Rect(Item.X, Item.Y, Item.W, Item.H);
    const bool Rounded = Item.RadiusX > 0 && Item.RadiusY > 0;
    QPainterPath Path;
    if (Rounded)
        Path.addRoundedRect(Box, Item.RadiusX * C.Dpi, Item.RadiusY * C.Dpi);
    else
        Path.addRect(Box);
    if (Item.Has(TPageItem::Filled))
        C.Painter.fillPath(Path, C.Color(Item.FillColor));
    if (Item.PenWidth > 0) {
        C.Painter.setPen(C.Pen(Item.PenWidth, Item.Color));
        C.Painter.setBrush(Qt::NoBrush);
        C.Painter.drawPath(Path);
    }
}

// A text shaped once: its glyphs placed from the top of its line, the line's
// ascent and its width.
struct TShapedText {
    QList<QGlyphRun> Runs;
    double Ascent = 0;
    double Width = 0;
};

// Shaping is the costly part of painting a text, and a long run paints the
// same captions on every page: the shaped texts are kept per font, device
// kind and text, and let go when there are many (the data texts of a long
// run are mostly new).
struct TShapeKey {
    QFont Font;
    QString Text;
    int Engine = 0;
    int Dpi = 0;
    bool operator==(const TShapeKey &) const = default;
};

size_t qHash(const TShapeKey &Key, size_t Seed = 0)
{
    return qHashMulti(Seed, Key.Font, Key.Text, Key.Engine, Key.Dpi);
}

// A space leaves no ink, yet a PDF writer spends a positioning and a show
// operation on each glyph; the glyphs keep their own positions, so the blank
// ones can go. A form page has thousands of caption glyphs, a sixth of them
// spaces.
//
// On a device of print resolution the glyphs are also placed on whole
// device dots (1/1200 in on a PDF): invisible, and the PDF writer's glyph
// steps become short whole numbers that repeat, which its compression -
// most of the time a long run takes - handles far better. A screen keeps
// the shaper's fractional places, where a whole pixel would show.
QList<QGlyphRun> ForPainting(QList<QGlyphRun> Runs, bool WholeDots)
{
    for (QGlyphRun &Run : Runs) {
        const QRawFont Font = Run.rawFont();
        const QList<quint32> Glyphs = Run.glyphIndexes();
        const QList<QPointF> Positions = Run.positions();
        QList<quint32> InkGlyphs;
        QList<QPointF> InkPositions;
        for (qsizetype I = 0; I < Glyphs.size() && I < Positions.size(); ++I) {
            if (Font.boundingRect(Glyphs[I]).isEmpty())
                continue;
            InkGlyphs.append(Glyphs[I]);
            InkPositions.append(WholeDots
                    ? QPointF(std::round(Positions[I].x()), std::round(Positions[I].y()))
                    : Positions[I]);
        }
        Run.setGlyphIndexes(InkGlyphs);
        Run.setPositions(InkPositions);
    }
    return Runs;
}

const TShapedText &Shaped(const QFont &Font, const QString &Text, QPaintDevice *Device)
{
    static QHash<TShapeKey, TShapedText> Cache;
    const int Engine = Device->paintEngine() ? int(Device->paintEngine()->type()) : -1;
    const TShapeKey Key { Font, Text, Engine, Device->logicalDpiY() };
    if (const auto Found = Cache.constFind(Key); Found != Cache.cend())
        return *Found;
    if (Cache.size() >= 8192)
        Cache.clear();
    QTextLayout Layout(Text, Font, Device);
    QTextOption Option;
    Option.setWrapMode(QTextOption::NoWrap);
    Layout.setTextOption(Option);
    Layout.beginLayout();
    QTextLine Line = Layout.createLine();
    Layout.endLayout();
    TShapedText Result;
    if (Line.isValid()) {
        Result.Runs = ForPainting(Layout.glyphRuns(), Device->logicalDpiX() >= 300);
        Result.Ascent = Line.ascent();
        Result.Width = Line.horizontalAdvance();
    }
    return *Cache.insert(Key, Result);
}

void PaintText(const TContext &C, const TReportPage &Page, const TPageItem &Item)
{
    const TReportFont &Font = Page.FontOf(Item);
    const QFont DeviceFont = Font.ToQFont(C.Dpi, C.Painter.device()->logicalDpiY());
    const TShapedText &Text = Shaped(DeviceFont, Item.Text, C.Painter.device());
    double Left = Item.X * C.Dpi;
    if (Item.Align == TTextAlign::Right)
        Left += Item.W * C.Dpi - Text.Width;
    else if (Item.Align == TTextAlign::Center)
        Left += (Item.W * C.Dpi - Text.Width) / 2;
    // The baseline comes from the resolution-free ascent, so the text sits at
    // the same place on every device whatever the device's hinting.
    const double Baseline = (Item.Y + TFontMetrics::Ascent(Font)) * C.Dpi;
    // Only a clipped text needs the painter's state put back after it: every
    // item sets the pen, brush and font it draws with.
    const bool Clip = Item.Has(TPageItem::Clipped) && Item.W > 0;
    if (Clip) {
        C.Painter.save();
        C.Painter.setClipRect(C.Rect(Item.X, Item.Y, Item.W, Item.H), Qt::IntersectClip);
    }
    C.Painter.setFont(DeviceFont);
    C.Painter.setPen(C.Color(Item.Color));
    // Glyph runs draw no underline; such a text is drawn as a text.
    if (DeviceFont.underline()) {
        C.Painter.drawText(C.Origin + QPointF(Left, Baseline), Item.Text);
    } else {
        const QPointF Top = C.Origin + QPointF(Left, Baseline - Text.Ascent);
        for (const QGlyphRun &Run : Text.Runs)
            C.Painter.drawGlyphRun(Top, Run);
    }
    if (Clip)
        C.Painter.restore();
}

} // namespace

void TPagePainter::Paint(
    const TReportPage &Page, QPainter &Painter, double DotsPerInch, QPointF Origin, int Options)
{
    const TContext C { Painter, DotsPerInch, Origin, Options };
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const TPageItem &Item : Page.Items) {
        if (Item.Has(TPageItem::PreviewOnly) && !(Options & ShowPreviewOnly))
            continue;
        switch (Item.Kind) {
        case TPageItem::TKind::Line:
            PaintLine(C, Item);
            break;
        case TPageItem::TKind::Rect:
            PaintRect(C, Item);
            break;
        case TPageItem::TKind::Text:
            PaintText(C, Page, Item);
            break;
        }
    }
    Painter.restore();
}
