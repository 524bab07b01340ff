// Figures for the prior-year transfer: 50 of last year's companies of 1,000
// employees each carried into new pairs, in core code and through
// qmrk-w2-cli. Prints median and best of several runs.
#include "AppInfo.h"
#include "CompanyFiles.h"
#include "TBenchCompany.h"
#include "TBenchTiming.h"
#include "TTransferRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Companies = 50;
constexpr int Employees = 1000;

// Last year's pair: the benchmark company under last year's extensions.
void WriteLastYearCompany(const QString &Folder, const QString &Name)
{
    const QString W2 = TBenchCompany::WriteCompany(Folder, Name, Employees);
    const QString Base = W2.left(W2.size() - W2FileExtension().size());
    if (!QFile::rename(W2, Base + W2FileExtension(TaxYear - 1))
        || !QFile::rename(W3FileFor(W2), Base + W3FileExtension(TaxYear - 1)))
        qFatal("cannot name last year's files");
}

void Measure(
    const char *Name, int Runs, const std::function<void()> &Setup, const std::function<void()> &Work)
{
    const TBenchTiming::TTimes Times = TBenchTiming::Time(Runs, Setup, Work);
    std::printf(
        "%-52s median %9.1f ms   best %9.1f ms   (%d runs)\n", Name, Times.MedianMs, Times.BestMs, Runs);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    QTemporaryDir Dir;
    const QString Old = Dir.filePath(QStringLiteral("old"));
    const QString New = Dir.filePath(QStringLiteral("new"));
    QDir().mkpath(Old);
    for (int I = 0; I < Companies; ++I)
        WriteLastYearCompany(Old, QStringLiteral("Client%1").arg(I, 2, 10, QLatin1Char('0')));
    const QStringList Names = TTransferRun::LastYearFiles(Old);
    if (Names.size() != Companies)
        qFatal("expected %d companies, found %d", Companies, int(Names.size()));
    const auto FreshTarget = [&] {
        QDir(New).removeRecursively();
        QDir().mkpath(New);
    };

    int Transferred = 0;
    Measure("core: 50 companies x 1,000 employees", 7, FreshTarget,
        [&] { Transferred = TTransferRun(Old, New, true).Run(Names, {}); });
    if (Transferred != Companies)
        qFatal("transferred %d", Transferred);
    Measure(
        "core: the same 50 skipped (all exist)", 7, [] {},
        [&] { Transferred = TTransferRun(Old, New, true).Run(Names, {}); });
    Measure(
        "core: the same 50 overwritten", 7, [] {},
        [&] { Transferred = TTransferRun(Old, New, false).Run(Names, {}); });
    Measure("qmrk-w2-cli transfer (process, 50 x 1,000)", 5, FreshTarget, [&] {
        QProcess Cli;
        Cli.start(QStringLiteral(QMRK_CLI_PATH), { "transfer", "--from", Old, "--to", New });
        if (!Cli.waitForFinished(120000) || Cli.exitCode() != 0)
            qFatal("qmrk-w2-cli transfer failed");
    });
    const qint64 Bytes = qint64(Companies) * (608 + Employees * 480);
    std::printf(
        "(%d companies, %.1f MB read and %.1f MB written a run)\n", Companies, Bytes / 1e6, Bytes / 1e6);
    return 0;
}
