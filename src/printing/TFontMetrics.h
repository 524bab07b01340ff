#pragma once

#include "TReportFont.h"

#include <QString>

// Font measures in inches, independent of any screen or printer: taken at a
// high resolution without hinting, so every output lays text out alike.
class TFontMetrics {
public:
    static double Ascent(const TReportFont &Font);
    static double Descent(const TReportFont &Font);
    // Ascent plus descent: the height of a text line's box.
    static double Height(const TReportFont &Font);
    // Distance from one line to the next.
    static double LineSpacing(const TReportFont &Font);
    static double TextWidth(const TReportFont &Font, const QString &Text);
    // The family the system really uses for Font (to check substitutions).
    static QString ResolvedFamily(const TReportFont &Font);
};
