#pragma once

#include "ReportTypes.h"

#include <QRgb>
#include <QString>

// One drawing item of a generated page; lengths in inches from the page's
// top-left corner. The same items feed the preview, the printer, PDF, HTML
// and snapshots.
struct TPageItem {
    enum class TKind : quint8 { Line = 1, Rect = 2, Text = 3 };

    // Flags.
    static constexpr quint8 Filled = 0x01; // Rect: the inside is painted with FillColor
    static constexpr quint8 PreviewOnly = 0x02; // shown in the preview, never printed or exported
    static constexpr quint8 Clipped = 0x04; // Text: nothing outside the box X, Y, W, H

    TKind Kind = TKind::Line;
    quint8 Flags = 0;
    // Line: from (X, Y) to (X2, Y2). Rect and Text: the box.
    double X = 0, Y = 0, W = 0, H = 0;
    double X2 = 0, Y2 = 0;
    // Rect: the corner radii; zero for square corners.
    double RadiusX = 0, RadiusY = 0;
    // Line and Rect: the pen; a rectangle with width 0 has no outline.
    double PenWidth = 0;
    QRgb Color = 0xFF000000; // pen or text colour
    QRgb FillColor = 0xFF000000;
    // Text: the font (an index into the page's fonts), alignment in the box
    // (a box of width 0 anchors the text at X) and the text. The box's top is
    // the top of the line; the baseline lies the font's ascent below it.
    quint16 FontIndex = 0;
    TTextAlign Align = TTextAlign::Left;
    QString Text;

    bool Has(quint8 Flag) const { return (Flags & Flag) != 0; }
    bool operator==(const TPageItem &Other) const = default;
};
