#pragma once

#include "ReportTypes.h"
#include "TOutputOptions.h"

#include <QBuffer>
#include <QString>

#include <functional>
#include <memory>

class TPageSink;

class QFile;
class QObject;
class QTemporaryFile;
class TBaseReport;
class TRvRenderPreview;

// A report system: one print run from the output options to the preview,
// the printer or a file. Execute shows the output options dialog, raises the
// before-print event with the output, then the print event, which draws the
// pages and asks for new ones; the pages go to a snapshot (the file QMRK.RPT,
// memory or a temporary file) for the preview, to the printer, or to a file.
// The preview is shown through the preview override event in its modes 0 to
// 3; the after-print event ends the run.
class TRvSystem {
public:
    TRvSystem();
    ~TRvSystem();
    TRvSystem(const TRvSystem &) = delete;
    TRvSystem &operator=(const TRvSystem &) = delete;

    QString TitleSetup = QStringLiteral("Output Options");
    QString TitleStatus = QStringLiteral("Report Status");
    QString TitlePreview = QStringLiteral("Report Preview");

    struct TSystemFiler {
        // Snapshot file for the preview; set to file mode when a name is given.
        QString FileName;
        TStreamMode StreamMode = TStreamMode::Memory;
        QString StatusFormat = QStringLiteral("Generating page %p");
        // The caller's stream in user mode (not owned).
        QIODevice *UserStream = nullptr;
    } SystemFiler;

    struct TSystemPrinter {
        QString StatusFormat = QStringLiteral("Printing page %p");
        QString Title; // print job title
        int Copies = 1;
        bool Collate = false;
        TDuplex Duplex = TDuplex::Simplex;
    } SystemPrinter;

    struct TSystemPreview {
        bool Maximized = false;
        int FormWidth = 800;
        int FormHeight = 600;
        double ZoomFactor = 100;
        double ZoomInc = 10;
        double MarginPercent = 0;
        int ShadowDepth = 0;
        bool Monochrome = false;
        double GridHoriz = 0; // grid line spacing in inches; 0: no grid
        double GridVert = 0;
        int PageInc = 1;
        bool Rulers = false;
    } SystemPreview;

    int SystemOptions = SystemOption::Defaults;
    int SystemSetups = SystemSetup::Defaults;
    TReportDest DefaultDest = TReportDest::Preview;
    // A run to a file writes here, in this format, unless the dialog says otherwise.
    QString OutputFileName;
    TFileFormat OutputFormat = TFileFormat::Snapshot;

    std::function<void(TBaseReport &)> OnBeforePrint;
    std::function<void(TBaseReport &)> OnPrint;
    std::function<void()> OnAfterPrint;
    // Modes: 0 create the window and hand it back in Form, 1 show it, 2 wait
    // for it, 3 free it (always, also after a failure).
    std::function<void(TRvSystem &, int, QObject *&)> OnOverridePreview;
    std::function<void(TRvRenderPreview &)> OnPreviewSetup;
    std::function<void(TRvRenderPreview &)> OnPreviewShow;

    // Runs the report; false when the output options dialog was cancelled or
    // the before-print event raised EPrintCancelled.
    bool Execute();
    // The output, while the before-print and print events run.
    TBaseReport *BaseReport() const { return FOutput; }
    // The snapshot stream the preview shows when there is no snapshot file:
    // memory or the caller's stream; nullptr in file modes.
    QIODevice *FilerStream();
    // The snapshot file the preview shows: SystemFiler.FileName in file mode,
    // the temporary file in temporary mode, else empty.
    QString FilerFileName() const;
    // Where the last run went.
    TReportDest Destination() const { return FDestination; }
    // Locks an open snapshot file for the one run writing it or the one
    // preview reading it; raises EReportException naming it when another
    // holds it.
    static void LockSnapshotFile(QFile &File);

private:
    TStreamMode StreamMode() const;
    TOutputOptions InitialOptions() const;
    void Generate(QIODevice &Device, const QString &Name, const TJobSettings &Job);
    void Generate(TPageSink &Sink, const TJobSettings &Job);
    void RunPreview(const TOutputOptions &Options);
    void RunPrinter(const TOutputOptions &Options);
    void RunFile(const TOutputOptions &Options);
    void ShowPreview();
    QString StatusLine(const QString &Format, int Page) const;

    TBaseReport *FOutput = nullptr;
    QBuffer FMemory;
    std::unique_ptr<QTemporaryFile> FTemp;
    TReportDest FDestination = TReportDest::Preview;
};
