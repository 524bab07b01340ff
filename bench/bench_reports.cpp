// Report runs of 10,000 one-page reports of the sample project: to one PDF
// and to a snapshot, then that snapshot opened in the preview and paged to its
// last page, in a process of its own so its peak memory (VmHWM) is the
// preview's. Prints the median and best of several runs.
#include "TBaseReport.h"
#include "TFrmReportPreview.h"
#include "TPreviewPageWidget.h"
#include "TRvProject.h"
#include "TRvRenderPreview.h"
#include "TRvSystem.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Pages = 10000;
constexpr int Runs = 3;

double Seconds(std::chrono::steady_clock::time_point Start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

// The peak resident memory of this process so far, in MiB.
double PeakMiB()
{
    QFile Status(QStringLiteral("/proc/self/status"));
    if (!Status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &Line : Status.readAll().split('\n'))
        if (Line.startsWith("VmHWM:"))
            return Line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

void Report(const char *What, std::vector<double> Values, const char *Unit)
{
    std::sort(Values.begin(), Values.end());
    std::printf("%-58s median %8.3f %s   best %8.3f %s\n", What, Values[Values.size() / 2], Unit,
        Values.front(), Unit);
}

// One run of Pages one-page reports to a file in Format.
double RunToFile(const QString &Target, TFileFormat Format)
{
    TRvSystem System;
    TRvProject Project;
    Project.ProjectFile = QStringLiteral(QMRK_SAMPLE_PROJECT);
    Project.Engine = &System;
    System.SystemSetups &= ~SystemSetup::AllowSetup;
    System.SystemOptions &= ~SystemOption::ShowStatus;
    System.DefaultDest = TReportDest::File;
    System.OutputFileName = Target;
    System.OutputFormat = Format;
    System.OnPrint = [&Project](TBaseReport &Output) {
        Project.Open();
        Project.SelectReport(QStringLiteral("Sample"));
        for (int Number = 1; Number <= Pages; ++Number) {
            Project.SetParam(QStringLiteral("Boxa"),
                QStringLiteral("123-45-%1").arg(Number % 10000, 4, 10, QLatin1Char('0')));
            Project.SetParam(QStringLiteral("Name"), QStringLiteral("EMPLOYEE NUMBER %1").arg(Number));
            Project.SetParam(QStringLiteral("Amount"), QStringLiteral("%1.25").arg(Number * 3));
            Project.SetParam(QStringLiteral("Caption"), QStringLiteral("Copy %1").arg(Number));
            Project.Execute();
            if (Number < Pages)
                Output.NewPage();
        }
        Project.Close();
    };
    const auto Start = std::chrono::steady_clock::now();
    System.Execute();
    return Seconds(Start);
}

// The child: opens Snapshot in the preview, shows the first page, pages to
// the last; prints "open last peak" in seconds and MiB.
int PreviewChild(const QString &Snapshot)
{
    const auto Start = std::chrono::steady_clock::now();
    TFrmReportPreview Window;
    Window.resize(1000, 760);
    Window.OpenFile(Snapshot);
    Window.show();
    Window.PageView->grab();
    const double Open = Seconds(Start);
    const auto Paging = std::chrono::steady_clock::now();
    Window.BtnLastClick();
    Window.PageView->grab();
    const double Last = Seconds(Paging);
    if (Window.RvRenderPreview->CurrentPage() != Pages)
        qFatal("the preview did not reach the last page");
    std::printf("%f %f %f\n", Open, Last, PeakMiB());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    if (App.arguments().value(1) == QLatin1String("preview"))
        return PreviewChild(App.arguments().value(2));

    QTemporaryDir Dir;
    const QString Snapshot = Dir.filePath(QStringLiteral("run.ndr"));
    const QString Pdf = Dir.filePath(QStringLiteral("run.pdf"));
    std::vector<double> ToSnapshot, ToPdf, Open, Last, Peak;
    for (int Run = 0; Run < Runs; ++Run) {
        ToSnapshot.push_back(RunToFile(Snapshot, TFileFormat::Snapshot));
        ToPdf.push_back(RunToFile(Pdf, TFileFormat::PDF));
        QProcess Child;
        Child.start(App.applicationFilePath(), { QStringLiteral("preview"), Snapshot });
        if (!Child.waitForFinished(120000) || Child.exitCode() != 0)
            qFatal("the preview run failed: %s", Child.readAllStandardError().constData());
        const QList<QByteArray> Figures = Child.readAllStandardOutput().trimmed().split(' ');
        Open.push_back(Figures.value(0).toDouble());
        Last.push_back(Figures.value(1).toDouble());
        Peak.push_back(Figures.value(2).toDouble());
    }
    std::printf("%d one-page reports of the sample project (%d runs)\n", Pages, Runs);
    Report("run to a snapshot", ToSnapshot, "s ");
    Report("run to one PDF (pages, then the PDF from them)", ToPdf, "s ");
    Report("preview: open the snapshot, show page 1", Open, "s ");
    Report("preview: go to the last page and show it", Last, "s ");
    Report("preview process: peak memory (VmHWM)", Peak, "MiB");
    std::printf("snapshot %.1f MiB, PDF %.1f MiB\n", QFileInfo(Snapshot).size() / 1048576.0,
        QFileInfo(Pdf).size() / 1048576.0);
    return 0;
}
