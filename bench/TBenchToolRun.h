#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// qmrk-w2-cli runs that write one PDF, timed with the tool's peak memory.
namespace TBenchToolRun {

struct TRun {
    double Seconds = 0;
    qint64 PeakKiB = 0;
    qint64 Bytes = 0;
};

// One run of the tool with Args, writing Pdf afresh; the peak memory is read
// while it runs. A failed run stops the benchmark, named by What.
TRun RunOnce(const QStringList &Args, const QString &Pdf, const QString &What);
// Runs Once Runs times and prints the median and best time, the median's
// peak memory and its PDF bytes a page.
void Report(const char *What, int Pages, int Runs, const std::function<TRun()> &Once);

} // namespace TBenchToolRun
