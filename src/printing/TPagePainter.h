#pragma once

#include <QPointF>

class QPainter;
class TReportPage;

// The one page painter: the preview, the printer and PDF all draw a page
// through it, from the same items.
class TPagePainter {
public:
    // Options.
    static constexpr int ShowPreviewOnly = 0x01; // draw the items meant for the screen
    static constexpr int Monochrome = 0x02; // every colour as its grey
    static constexpr int VisiblePens = 0x04; // no line thinner than one device pixel (screen)

    // Paints Page with its top-left corner at Origin (device pixels), one inch
    // taking DotsPerInch device pixels. The painter must be active.
    static void Paint(
        const TReportPage &Page, QPainter &Painter, double DotsPerInch, QPointF Origin = {}, int Options = 0);
};
