#pragma once

#include "TReportItemDef.h"

#include <QList>
#include <QString>

// A named report of a report project: its page size and drawing items.
struct TReportDefinition {
    QString Name;
    double PageWidth = 8.5;
    double PageHeight = 11.0;
    QList<TReportItemDef> Items;
};
