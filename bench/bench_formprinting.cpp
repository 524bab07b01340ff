// Forms W-2 at their largest: 10,000 employees (the most a file holds)
// printed by qmrk-w2-cli print with the installed TaxForms.RAV, as the SSA's
// Copy A (two a page, 5,000 pages) and as the employee copies (one a page,
// 10,000 pages), each into one PDF. Prints the time, the tool's peak memory
// and the PDF bytes a page. Usage: bench_formprinting [RUNS]
#include "TBenchCompany.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int EmployeeCount = 10000;

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

// One print run as the tool itself; the peak memory is read while it runs.
TRun PrintOnce(const QString &Form, const QString &Company, const QString &Pdf)
{
    QFile::remove(Pdf);
    QProcess Cli;
    QElapsedTimer Clock;
    Clock.start();
    Cli.start(QStringLiteral(QMRK_CLI_PATH),
        { QStringLiteral("print"), QStringLiteral("--form"), Form, QStringLiteral("--pdf"), Pdf, Company });
    if (!Cli.waitForStarted())
        qFatal("qmrk-w2-cli did not start");
    TRun Run;
    while (!Cli.waitForFinished(20))
        Run.PeakKiB = std::max(Run.PeakKiB, PeakKiB(Cli.processId()));
    Run.Seconds = Clock.nsecsElapsed() / 1e9;
    if (Cli.exitStatus() != QProcess::NormalExit || Cli.exitCode() != 0)
        qFatal("print --form %s failed: %s", qPrintable(Form), Cli.readAllStandardError().constData());
    Run.Bytes = QFileInfo(Pdf).size();
    return Run;
}

void Report(
    const char *What, int Pages, const QString &Form, const QString &Company, const QString &Pdf, int Runs)
{
    std::vector<TRun> All;
    for (int I = 0; I < Runs; ++I)
        All.push_back(PrintOnce(Form, Company, Pdf));
    std::sort(All.begin(), All.end(), [](const TRun &A, const TRun &B) { return A.Seconds < B.Seconds; });
    const TRun &Median = All[All.size() / 2];
    std::printf(
        "%-44s median %7.2f s   best %7.2f s   peak %6.1f MiB   %7.1f KiB a page (%d pages, %d runs)\n", What,
        Median.Seconds, All.front().Seconds, Median.PeakKiB / 1024.0, Median.Bytes / 1024.0 / Pages, Pages,
        Runs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    const int Runs = std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("3")).toInt());
    QTemporaryDir Folder;
    const QString Company = TBenchCompany::WriteCompany(Folder.path(), QStringLiteral("Acme"), EmployeeCount);
    const QString Pdf = Folder.filePath(QStringLiteral("forms.pdf"));
    Report("10,000 employees as Copy A (SSA)", EmployeeCount / 2, QStringLiteral("ssa"), Company, Pdf, Runs);
    Report(
        "10,000 employees as employee copies", EmployeeCount, QStringLiteral("employee"), Company, Pdf, Runs);
    return 0;
}
