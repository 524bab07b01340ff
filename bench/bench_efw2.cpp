// Electronic filing at its largest: Process in the EFW2 window for one client
// of 10,000 employees (the most a file holds), and the efw2 command of
// qmrk-w2-cli for 10 clients of 1,000 employees each, in process and as the
// program itself. Every employee passes the W-2 checks and has box 12
// amounts, so every rule and every line is built. Prints median and best.
#include "EFW2Settings.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "TAppGlobals.h"
#include "TApplication.h"
#include "TBenchCompany.h"
#include "TEFW2Batch.h"
#include "TFrmDataModule.h"
#include "TFrmEFW2.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using TBenchCompany::WriteCompany;

constexpr int Runs = 9;

void WriteSettings(const QString &Path)
{
    EFW2Settings Settings;
    TSubmitterData D;
    D.EIN = QStringLiteral("12-3456789");
    D.UserID = QStringLiteral("AB12CD34");
    D.CompanyName = QStringLiteral("ACME PAYROLL");
    D.SubmitName = QStringLiteral("ACME PAYROLL");
    D.SubmitAddr2 = QStringLiteral("100 MAIN ST");
    D.SubmitCity = QStringLiteral("SPRINGFIELD");
    D.SubmitState = QStringLiteral("IL");
    D.SubmitZip = QStringLiteral("62701");
    D.ContactName = QStringLiteral("PAT LEDGER");
    D.ContactPhone = QStringLiteral("217-555-0100");
    D.ContactEmail = QStringLiteral("pat@acme.example");
    D.ContactFax = QStringLiteral("   -   -    ");
    D.PreparerCode = QStringLiteral("A");
    Settings.SetSubmitter(D);
    SaveEFW2Settings(Path, Settings);
}

void Report(const char *What, std::vector<double> Ms)
{
    std::sort(Ms.begin(), Ms.end());
    std::printf("%-58s median %8.1f ms   best %8.1f ms\n", What, Ms[Ms.size() / 2], Ms.front());
}

std::vector<double> Time(const std::function<void()> &Run)
{
    std::vector<double> Ms;
    for (int I = 0; I < Runs; ++I) {
        const auto Start = std::chrono::steady_clock::now();
        Run();
        Ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
    }
    return Ms;
}

void BenchProcess(const QString &Folder)
{
    const QString Program = QDir(Folder).filePath(QStringLiteral("prog/"));
    QDir().mkpath(Program);
    WriteSettings(Program + QStringLiteral("QMRK.W2S"));
    TAppGlobals::Instance().ProgramDir = Program;
    TAppGlobals::Instance().DataDir = QDir(Folder).filePath(QStringLiteral("data/"));
    QDir().mkpath(TAppGlobals::Instance().DataDir);
    const QString W2 = WriteCompany(TAppGlobals::Instance().DataDir, QStringLiteral("Big"), 10000);
    TFrmDataModule Module;
    Module.OpenCompany(W2);
    Module.FormsReviewState = 2;
    std::vector<double> Ms;
    for (int I = 0; I < Runs; ++I) {
        TFrmEFW2 Window(Module);
        const auto Start = std::chrono::steady_clock::now();
        Window.ProcessClient();
        Ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
    }
    Module.CloseCompany();
    Report("Process, 1 client of 10,000 employees", Ms);
}

void BenchBatch(const QString &Folder)
{
    const QString In = QDir(Folder).filePath(QStringLiteral("batch/"));
    QDir().mkpath(In);
    const QString Settings = In + QStringLiteral("QMRK.W2S");
    WriteSettings(Settings);
    QStringList Args { QStringLiteral("--settings"), Settings, QStringLiteral("--out"),
        In + QStringLiteral("out") };
    for (int I = 0; I < 10; ++I)
        Args.append(WriteCompany(In, QStringLiteral("Client%1").arg(I), 1000));
    QString Sink;
    QTextStream Out(&Sink);
    Report("efw2 command in process, 10 clients x 1,000 employees", Time([&] {
        if (TEFW2Batch(Out, Out).Run(Args) != 0)
            qFatal("the efw2 command failed: %s", qPrintable(Sink));
    }));
    Report("qmrk-w2-cli efw2, 10 clients x 1,000 employees", Time([&] {
        QProcess Cli;
        Cli.start(QStringLiteral(QMRK_CLI_PATH), QStringList { QStringLiteral("efw2") } + Args);
        if (!Cli.waitForFinished(120000) || Cli.exitCode() != 0)
            qFatal("qmrk-w2-cli failed: %s", Cli.readAllStandardError().constData());
    }));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication App(argc, argv);
    QTemporaryDir Dir;
    BenchProcess(Dir.path());
    BenchBatch(Dir.path());
    return 0;
}
