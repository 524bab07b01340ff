#pragma once

#include <QFont>
#include <QString>

// A font of a report item: family, size in points and style.
struct TReportFont {
    QString Family = QStringLiteral("Arial");
    double Size = 10.0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const TReportFont &Other) const = default;

    // The Qt font for a device whose logical resolution is DeviceDpi when one
    // inch of the page takes DotsPerInch device pixels.
    QFont ToQFont(double DotsPerInch, double DeviceDpi) const;
};
