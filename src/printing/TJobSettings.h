#pragma once

#include "ReportTypes.h"

#include <QString>

// The printer choices of a run: kept with its pages in a snapshot, so a
// snapshot prints later as it was set up.
struct TJobSettings {
    QString Title; // print job title
    QString PrinterName; // empty: the default printer
    QString PaperName; // empty: each page's own size
    QString BinName; // empty: the printer's default source
    TOrientation Orientation = TOrientation::Default;
    TDuplex Duplex = TDuplex::Simplex;
    bool Collate = false;
    int Copies = 1;

    bool operator==(const TJobSettings &Other) const = default;
};
