#include "TRvSystem.h"

#include "CommitSaveFile.h"
#include "EPrintCancelled.h"
#include "EReportException.h"
#include "TBaseReport.h"
#include "TPageSink.h"
#include "TReportInteraction.h"
#include "TRvRenderHTML.h"
#include "TRvRenderPDF.h"
#include "TRvRenderPrinter.h"
#include "TSnapshotReader.h"
#include "TSnapshotWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>

#include <sys/file.h>

namespace {

// Takes the status window down on every way out of a run.
class TStatusGuard {
public:
    TStatusGuard(bool Show, const QString &Caption)
        : FShown(Show)
    {
        if (FShown)
            TReportInteraction::Current().StatusShow(Caption);
    }
    ~TStatusGuard()
    {
        if (FShown)
            TReportInteraction::Current().StatusHide();
    }
    void Text(const QString &Line) const
    {
        if (FShown)
            TReportInteraction::Current().StatusText(Line);
    }

private:
    bool FShown;
};

std::unique_ptr<QTemporaryFile> NewTemporary()
{
    auto File
        = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/qmrk-report-XXXXXX.ndr"));
    if (!File->open())
        throw EReportException(
            QStringLiteral("No temporary file could be made for the report: %1").arg(File->errorString()));
    return File;
}

} // namespace

TRvSystem::TRvSystem() = default;

TRvSystem::~TRvSystem() = default;

TStreamMode TRvSystem::StreamMode() const
{
    if (SystemFiler.StreamMode == TStreamMode::Memory && !SystemFiler.FileName.isEmpty())
        return TStreamMode::File;
    return SystemFiler.StreamMode;
}

QString TRvSystem::StatusLine(const QString &Format, int Page) const
{
    QString Line = Format;
    return Line.replace(QLatin1String("%p"), QString::number(Page));
}

TOutputOptions TRvSystem::InitialOptions() const
{
    TOutputOptions Options;
    Options.Destination = DefaultDest;
    Options.Job.Title = SystemPrinter.Title;
    Options.Job.Copies = qMax(1, SystemPrinter.Copies);
    Options.Job.Collate = SystemPrinter.Collate;
    Options.Job.Duplex = SystemPrinter.Duplex;
    Options.FileName = OutputFileName;
    Options.Format = OutputFormat;
    return Options;
}

bool TRvSystem::Execute()
{
    TOutputOptions Options = InitialOptions();
    if ((SystemSetups & SystemSetup::AllowSetup)
        && !TReportInteraction::Current().OutputOptions(TitleSetup, SystemSetups, Options, false))
        return false;
    FDestination = Options.Destination;
    try {
        switch (Options.Destination) {
        case TReportDest::Preview:
            RunPreview(Options);
            break;
        case TReportDest::Printer:
            RunPrinter(Options);
            break;
        case TReportDest::File:
            RunFile(Options);
            break;
        }
    } catch (const EPrintCancelled &) {
        return false;
    }
    if (OnAfterPrint)
        OnAfterPrint();
    return true;
}

void TRvSystem::Generate(QIODevice &Device, const QString &Name, const TJobSettings &Job)
{
    TSnapshotWriter Writer(Device, Name);
    Generate(Writer, Job);
}

void TRvSystem::Generate(TPageSink &Sink, const TJobSettings &Job)
{
    TBaseReport Output(Sink);
    Output.SetJob(Job);
    const TStatusGuard Status(SystemOptions & SystemOption::ShowStatus, TitleStatus);
    Output.OnPageStart
        = [this, &Status](int Page) { Status.Text(StatusLine(SystemFiler.StatusFormat, Page)); };
    FOutput = &Output;
    try {
        if (OnBeforePrint)
            OnBeforePrint(Output);
        Output.BeginDoc();
        if (OnPrint)
            OnPrint(Output);
        Output.EndDoc();
    } catch (...) {
        FOutput = nullptr;
        throw;
    }
    FOutput = nullptr;
}

void TRvSystem::RunPreview(const TOutputOptions &Options)
{
    FTemp.reset();
    FMemory.close();
    switch (StreamMode()) {
    case TStreamMode::File: {
        QFile File(SystemFiler.FileName);
        const auto Unwritable = [&File] {
            return EReportException(QStringLiteral("The snapshot %1 could not be written: %2")
                                        .arg(QFileInfo(File).absoluteFilePath(), File.errorString()));
        };
        // Emptied only once locked: a preview of another copy of the program
        // started from the same folder may be reading it.
        if (!File.open(QIODevice::ReadWrite))
            throw Unwritable();
        LockSnapshotFile(File);
        if (!File.resize(0))
            throw Unwritable();
        Generate(File, File.fileName(), Options.Job);
        break;
    }
    case TStreamMode::TempFile:
        FTemp = NewTemporary();
        Generate(*FTemp, FTemp->fileName(), Options.Job);
        FTemp->close();
        break;
    case TStreamMode::User:
        if (!SystemFiler.UserStream)
            throw EReportException(QStringLiteral("The report system has no stream for its pages."));
        Generate(*SystemFiler.UserStream, QStringLiteral("the report's stream"), Options.Job);
        break;
    case TStreamMode::Memory:
        FMemory.setData(QByteArray());
        FMemory.open(QIODevice::ReadWrite);
        Generate(FMemory, QStringLiteral("the report in memory"), Options.Job);
        break;
    }
    ShowPreview();
}

void TRvSystem::LockSnapshotFile(QFile &File)
{
    // A folder whose file system takes no locks leaves the file unlocked, as
    // before locks were taken, rather than refusing every preview.
    if (::flock(File.handle(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        throw EReportException(QStringLiteral("The snapshot %1 is in use by another report preview.")
                                   .arg(QFileInfo(File).absoluteFilePath()));
}

void TRvSystem::ShowPreview()
{
    QObject *Form = nullptr;
    auto Call = [this, &Form](int Mode) {
        if (OnOverridePreview)
            OnOverridePreview(*this, Mode, Form);
        else
            TReportInteraction::Current().OverridePreview(*this, Mode, Form);
    };
    Call(0);
    try {
        Call(1);
        Call(2);
    } catch (...) {
        Call(3);
        throw;
    }
    Call(3);
}

QIODevice *TRvSystem::FilerStream()
{
    switch (StreamMode()) {
    case TStreamMode::Memory:
        return &FMemory;
    case TStreamMode::User:
        return SystemFiler.UserStream;
    default:
        return nullptr;
    }
}

QString TRvSystem::FilerFileName() const
{
    switch (StreamMode()) {
    case TStreamMode::File:
        return SystemFiler.FileName;
    case TStreamMode::TempFile:
        return FTemp ? FTemp->fileName() : QString();
    default:
        return QString();
    }
}

void TRvSystem::RunPrinter(const TOutputOptions &Options)
{
    const auto Pages = NewTemporary();
    Generate(*Pages, Pages->fileName(), Options.Job);
    const TSnapshotReader Snapshot(*Pages, Pages->fileName());
    const TStatusGuard Status(SystemOptions & SystemOption::ShowStatus, TitleStatus);
    TRvRenderPrinter Printer;
    Printer.OnPage = [this, &Status](int Page) { Status.Text(StatusLine(SystemPrinter.StatusFormat, Page)); };
    Printer.Render(Snapshot);
}

void TRvSystem::RunFile(const TOutputOptions &Options)
{
    if (Options.FileName.isEmpty())
        throw EReportException(QStringLiteral("No file was named for the report."));
    if (Options.Format == TFileFormat::Snapshot) {
        QSaveFile File(Options.FileName);
        if (!File.open(QIODevice::WriteOnly))
            throw EReportException(QStringLiteral("The snapshot %1 could not be written: %2")
                                       .arg(Options.FileName, File.errorString()));
        Generate(File, Options.FileName, Options.Job);
        if (const QString Problem = CommitSaveFile(File); !Problem.isEmpty())
            throw EReportException(
                QStringLiteral("The snapshot %1 could not be written: %2").arg(Options.FileName, Problem));
        return;
    }
    if (Options.Format == TFileFormat::PDF) {
        // Each page goes into the document as it is finished: a long run
        // spent a tenth of its time writing and reading a snapshot first.
        TRvRenderPDF Pdf;
        Pdf.Info = TRvRenderPDF::ProgramInfo();
        Pdf.RenderPages([this, &Options](TPageSink &Sink) { Generate(Sink, Options.Job); }, Options.FileName);
        return;
    }
    const auto Pages = NewTemporary();
    Generate(*Pages, Pages->fileName(), Options.Job);
    const TSnapshotReader Snapshot(*Pages, Pages->fileName());
    TRvRenderHTML Html;
    Html.Title = Options.Job.Title;
    Html.Render(Snapshot, Options.FileName);
}
