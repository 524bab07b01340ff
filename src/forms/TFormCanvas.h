#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

// The drawing of a paper form behind an entry window: box outlines with
// their captions, shaded boxes and free texts, placed in inches from the
// form's top-left corner as the paper has them. The entry fields are its
// children, placed on the data lines of their boxes.
class TFormCanvas : public QWidget {
    Q_OBJECT
public:
    // A form box: the box number is printed bold before the caption, which
    // sits on the box's first line or, for some boxes, on its last.
    struct TBox {
        QRectF Inches;
        QString Number;
        QString Caption;
        bool CaptionAtBottom = false;
        bool Shaded = false;
    };
    // A text of the form outside the boxes (identifier, title, notices).
    struct TText {
        QRectF Inches;
        QString Text;
        QFont Font;
        Qt::Alignment Alignment;
    };

    static constexpr double PixelsPerInch = 120;
    // One typewriter line of the form: 1/6 inch.
    static constexpr double LineHeight = 1.0 / 6;

    TFormCanvas(double WidthInches, double HeightInches, QWidget *Parent = nullptr);

    static int ToPixels(double Inches);
    static QRect ToPixels(const QRectF &Inches);

    void AddBox(const TBox &Box) { FBoxes.append(Box); }
    void AddText(const TText &Text) { FTexts.append(Text); }
    // Puts Field on the data line that starts at (X, Y) and is Width wide.
    void Place(QWidget *Field, double X, double Y, double Width);
    // Puts a check box of Side pixels on the centre of the square at (X, Y).
    void PlaceCheck(QWidget *Field, double X, double Y, double Side);

    static QFont CaptionFont(double Points = 7, bool Bold = false);
    static QColor InkColor();

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    void PaintBox(QPainter &Painter, const TBox &Box) const;

    QList<TBox> FBoxes;
    QList<TText> FTexts;
};
