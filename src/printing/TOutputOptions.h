#pragma once

#include "ReportTypes.h"
#include "TJobSettings.h"

#include <QString>

// The choices of the output options dialog: where the run goes, the printer
// and its copies and options, and the file for a run to a file.
struct TOutputOptions {
    TReportDest Destination = TReportDest::Preview;
    TJobSettings Job;
    QString FileName;
    TFileFormat Format = TFileFormat::Snapshot;
};
