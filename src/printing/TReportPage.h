#pragma once

#include "TPageItem.h"
#include "TReportFont.h"

#include <QList>

// A generated page: its size in inches, the fonts its texts use and its
// drawing items in the order they are painted.
class TReportPage {
public:
    TReportPage() = default;
    TReportPage(double Width, double Height);

    double Width = 8.5;
    double Height = 11.0;
    QList<TReportFont> Fonts;
    QList<TPageItem> Items;

    // Index of Font in Fonts, added when new.
    quint16 FontIndex(const TReportFont &Font);
    const TReportFont &FontOf(const TPageItem &Item) const;
    // The text items in painting order.
    QList<const TPageItem *> Texts() const;

    bool operator==(const TReportPage &Other) const = default;
};
