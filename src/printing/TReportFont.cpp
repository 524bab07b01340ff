#include "TReportFont.h"

QFont TReportFont::ToQFont(double DotsPerInch, double DeviceDpi) const
{
    QFont Font(Family);
    // Qt turns points into pixels with the device's logical resolution; the
    // page may be scaled on it (zoom), so the size carries that scale.
    Font.setPointSizeF(Size * DotsPerInch / DeviceDpi);
    Font.setBold(Bold);
    Font.setItalic(Italic);
    Font.setUnderline(Underline);
    return Font;
}
