#include "TBenchToolRun.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace TBenchToolRun {

namespace {

    // The peak resident memory of a running process, in KiB; 0 once it is gone.
    qint64 PeakKiB(qint64 Pid)
    {
        QFile Status(QStringLiteral("/proc/%1/status").arg(Pid));
        if (!Status.open(QIODevice::ReadOnly))
            return 0;
        static const QRegularExpression Hwm(QStringLiteral(R"(VmHWM:\s+(\d+) kB)"));
        const QRegularExpressionMatch Match = Hwm.match(QString::fromLatin1(Status.readAll()));
        return Match.hasMatch() ? Match.captured(1).toLongLong() : 0;
    }

} // namespace

TRun RunOnce(const QStringList &Args, const QString &Pdf, const QString &What)
{
    QFile::remove(Pdf);
    QProcess Cli;
    QElapsedTimer Clock;
    Clock.start();
    Cli.start(QStringLiteral(QMRK_CLI_PATH), Args);
    if (!Cli.waitForStarted())
        qFatal("qmrk-w2-cli did not start");
    TRun Run;
    while (!Cli.waitForFinished(20))
        Run.PeakKiB = std::max(Run.PeakKiB, PeakKiB(Cli.processId()));
    Run.Seconds = Clock.nsecsElapsed() / 1e9;
    if (Cli.exitStatus() != QProcess::NormalExit || Cli.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(What), Cli.readAllStandardError().constData());
    Run.Bytes = QFileInfo(Pdf).size();
    return Run;
}

void Report(const char *What, int Pages, int Runs, const std::function<TRun()> &Once)
{
    std::vector<TRun> All;
    for (int I = 0; I < Runs; ++I)
        All.push_back(Once());
    std::sort(All.begin(), All.end(), [](const TRun &A, const TRun &B) { return A.Seconds < B.Seconds; });
    const TRun &Median = All[All.size() / 2];
    std::printf(
        "%-44s median %7.2f s   best %7.2f s   peak %6.1f MiB   %7.1f KiB a page (%d pages, %d runs)\n", What,
        Median.Seconds, All.front().Seconds, Median.PeakKiB / 1024.0, Median.Bytes / 1024.0 / Pages, Pages,
        Runs);
    std::fflush(stdout);
}

} // namespace TBenchToolRun
