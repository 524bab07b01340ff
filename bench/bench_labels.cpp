// Mailing labels at their largest: 10,000 employees (the most a file holds)
// printed by qmrk-w2-cli labels into one PDF, 334 Avery 5160 sheets, every
// label with its POSTNET bar code. Prints the time, the tool's peak memory
// and the PDF bytes a page. Usage: bench_labels [RUNS]
#include "TBenchCompany.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int EmployeeCount = 10000;
constexpr int Sheets = (EmployeeCount + 29) / 30;

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

struct TRun {
    double Seconds = 0;
    qint64 PeakKiB = 0;
    qint64 Bytes = 0;
};

TRun LabelsOnce(const QString &Company, const QString &Pdf)
{
    QFile::remove(Pdf);
    QProcess Cli;
    QElapsedTimer Clock;
    Clock.start();
    Cli.start(
        QStringLiteral(QMRK_CLI_PATH), { QStringLiteral("labels"), QStringLiteral("--pdf"), Pdf, Company });
    if (!Cli.waitForStarted())
        qFatal("qmrk-w2-cli did not start");
    TRun Run;
    while (!Cli.waitForFinished(20))
        Run.PeakKiB = std::max(Run.PeakKiB, PeakKiB(Cli.processId()));
    Run.Seconds = Clock.nsecsElapsed() / 1e9;
    if (Cli.exitStatus() != QProcess::NormalExit || Cli.exitCode() != 0)
        qFatal("labels failed: %s", Cli.readAllStandardError().constData());
    Run.Bytes = QFileInfo(Pdf).size();
    return Run;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    const int Runs = std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("3")).toInt());
    QTemporaryDir Folder;
    const QString Company = TBenchCompany::WriteCompany(Folder.path(), QStringLiteral("Acme"), EmployeeCount);
    const QString Pdf = Folder.filePath(QStringLiteral("labels.pdf"));
    std::vector<TRun> All;
    for (int I = 0; I < Runs; ++I)
        All.push_back(LabelsOnce(Company, Pdf));
    std::sort(All.begin(), All.end(), [](const TRun &A, const TRun &B) { return A.Seconds < B.Seconds; });
    const TRun &Median = All[All.size() / 2];
    std::printf(
        "%-44s median %7.2f s   best %7.2f s   peak %6.1f MiB   %7.1f KiB a page (%d pages, %d runs)\n",
        "10,000 employee labels with bar codes", Median.Seconds, All.front().Seconds, Median.PeakKiB / 1024.0,
        Median.Bytes / 1024.0 / Sheets, Sheets, Runs);
    return 0;
}
