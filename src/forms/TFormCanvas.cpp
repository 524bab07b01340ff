#include "TFormCanvas.h"

#include <QPainter>

#include <cmath>

namespace {
constexpr int CaptionIndent = 3;
} // namespace

TFormCanvas::TFormCanvas(double WidthInches, double HeightInches, QWidget *Parent)
    : QWidget(Parent)
{
    setObjectName(QStringLiteral("FormCanvas"));
    // One pixel more than the grid, so its right and bottom lines show.
    setFixedSize(ToPixels(WidthInches) + 1, ToPixels(HeightInches) + 1);
    setAutoFillBackground(true);
    QPalette Paper = palette();
    Paper.setColor(QPalette::Window, Qt::white);
    setPalette(Paper);
}

int TFormCanvas::ToPixels(double Inches)
{
    return int(std::lround(Inches * PixelsPerInch));
}

QRect TFormCanvas::ToPixels(const QRectF &Inches)
{
    const int Left = ToPixels(Inches.left());
    const int Top = ToPixels(Inches.top());
    return QRect(Left, Top, ToPixels(Inches.right()) - Left, ToPixels(Inches.bottom()) - Top);
}

void TFormCanvas::Place(QWidget *Field, double X, double Y, double Width)
{
    const QRect Line = ToPixels(QRectF(X, Y, Width, LineHeight));
    // Clear of the box's bottom line.
    Field->setGeometry(Line.left(), Line.top(), Line.width(), Line.height() - 1);
}

void TFormCanvas::PlaceCheck(QWidget *Field, double X, double Y, double Side)
{
    const QRect Square = ToPixels(QRectF(X, Y, Side, Side));
    const int Pixels = 18;
    Field->setGeometry(
        Square.center().x() - Pixels / 2 + 1, Square.center().y() - Pixels / 2 + 1, Pixels, Pixels);
}

QFont TFormCanvas::CaptionFont(double Points, bool Bold)
{
    QFont Font(QStringLiteral("Arial"));
    Font.setPointSizeF(Points);
    Font.setBold(Bold);
    return Font;
}

QColor TFormCanvas::InkColor()
{
    // The dark red of the forms' ink.
    return QColor(0xB0, 0x10, 0x10);
}

void TFormCanvas::paintEvent(QPaintEvent *)
{
    QPainter Painter(this);
    for (const TBox &Box : FBoxes)
        PaintBox(Painter, Box);
    Painter.setPen(InkColor());
    for (const TText &Text : FTexts) {
        Painter.setFont(Text.Font);
        Painter.drawText(ToPixels(Text.Inches), int(Text.Alignment) | Qt::TextWordWrap, Text.Text);
    }
}

void TFormCanvas::PaintBox(QPainter &Painter, const TBox &Box) const
{
    const QRect Outline = ToPixels(Box.Inches);
    if (Box.Shaded)
        Painter.fillRect(Outline, QColor(0xEE, 0xEE, 0xEE));
    Painter.setPen(QPen(InkColor(), 1));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(Outline);
    if (Box.Number.isEmpty() && Box.Caption.isEmpty())
        return;
    const int LinePixels = ToPixels(LineHeight);
    QRect CaptionLine(
        Outline.left() + CaptionIndent, Outline.top() + 1, Outline.width() - CaptionIndent, LinePixels);
    if (Box.CaptionAtBottom)
        CaptionLine.moveBottom(Outline.bottom() - 1);
    int X = CaptionLine.left();
    if (!Box.Number.isEmpty()) {
        Painter.setFont(CaptionFont(7, true));
        Painter.drawText(CaptionLine, Qt::AlignLeft | Qt::AlignVCenter, Box.Number);
        X += Painter.fontMetrics().horizontalAdvance(Box.Number) + 5;
    }
    Painter.setFont(CaptionFont(7));
    CaptionLine.setLeft(X);
    Painter.drawText(CaptionLine, Qt::AlignLeft | Qt::AlignVCenter, Box.Caption);
}
