#include "TRvRenderPrinter.h"

#include "EReportException.h"
#include "PageLayoutFor.h"
#include "TPagePainter.h"
#include "TPrinterCatalog.h"
#include "TSnapshotReader.h"

#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

// Qt's CUPS print engine passes this property's name and value pairs on to
// the job as options; Qt has no other way to name a paper source.
const QPrintEngine::PrintEnginePropertyKey CupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QString PrinterOf(const TJobSettings &Job)
{
    const QString Name
        = Job.PrinterName.isEmpty() ? TPrinterCatalog::Current().DefaultPrinter() : Job.PrinterName;
    if (Name.isEmpty())
        throw EReportException(QStringLiteral("No printer is installed."));
    return Name;
}

QPrinter::DuplexMode DuplexOf(TDuplex Duplex)
{
    switch (Duplex) {
    case TDuplex::Vertical:
        return QPrinter::DuplexLongSide;
    case TDuplex::Horizontal:
        return QPrinter::DuplexShortSide;
    default:
        return QPrinter::DuplexNone;
    }
}

// Puts the printer on the page's paper, or on the paper chosen for the job
// when there is one (the page is then drawn from that paper's top-left
// corner, unscaled). Size and orientation are set apart from the margins: a
// layout without margins is refused by a printer with unprintable edges, and
// the painter starts at the paper's corner anyway (full page).
void SetPaper(QPrinter &Printer, const TReportPage &Page, const TJobSettings &Job)
{
    const QPageLayout Layout = PageLayoutFor(Page);
    QPageSize Size = Layout.pageSize();
    if (!Job.PaperName.isEmpty())
        for (const QPageSize &Each : QPrinterInfo::printerInfo(Printer.printerName()).supportedPageSizes())
            if (Each.name() == Job.PaperName)
                Size = Each;
    Printer.setPageSize(Size);
    Printer.setPageOrientation(Layout.orientation());
}

} // namespace

TRvRenderPrinter::TCopyPlan TRvRenderPrinter::PlanCopies(int Copies, int MaxCopies)
{
    Copies = qMax(1, Copies);
    MaxCopies = qMax(1, MaxCopies);
    if (Copies <= MaxCopies)
        return { 1, Copies };
    // A printer that makes some copies but not that many gets full jobs.
    const int PerPass = MaxCopies;
    return { (Copies + PerPass - 1) / PerPass, PerPass };
}

int TRvRenderPrinter::MaxCopies() const
{
    return TPrinterCatalog::Current().MaxCopies(PrinterOf(Settings));
}

void TRvRenderPrinter::Configure(QPrinter &Printer, const TJobSettings &Job, int Copies) const
{
    const QString Name = PrinterOf(Job);
    Printer.setPrinterName(Name);
    if (Printer.printerName() != Name)
        throw EReportException(QStringLiteral("The printer %1 is not installed.").arg(Name));
    Printer.setDocName(Job.Title);
    Printer.setFullPage(true);
    Printer.setCopyCount(Copies);
    Printer.setCollateCopies(Job.Collate);
    Printer.setDuplex(DuplexOf(Job.Duplex));
    QStringList Options;
    const QString Bin
        = Job.BinName.isEmpty() ? QString() : TPrinterCatalog::Current().BinKeyword(Name, Job.BinName);
    if (!Bin.isEmpty())
        Options << QStringLiteral("media-source") << Bin;
    if (Printer.printEngine())
        Printer.printEngine()->setProperty(CupsOptions, Options);
}

void TRvRenderPrinter::PrintOnce(const TSnapshotReader &Snapshot, const TJobSettings &Job, int Copies) const
{
    QPrinter Printer(QPrinter::HighResolution);
    Configure(Printer, Job, Copies);
    TReportPage Page = Snapshot.Page(1);
    SetPaper(Printer, Page, Job);
    if (OnJobStart)
        OnJobStart(Printer);
    QPainter Painter;
    if (!Painter.begin(&Printer))
        throw EReportException(
            QStringLiteral("The printer %1 could not be started.").arg(Printer.printerName()));
    for (int Number = 1; Number <= Snapshot.PageCount(); ++Number) {
        if (Number > 1) {
            Page = Snapshot.Page(Number);
            SetPaper(Printer, Page, Job);
            if (!Printer.newPage())
                throw EReportException(
                    QStringLiteral("The printer %1 refused page %2.").arg(Printer.printerName()).arg(Number));
        }
        TPagePainter::Paint(Page, Painter, Printer.resolution());
        if (OnPage)
            OnPage(Number);
    }
    if (!Painter.end())
        throw EReportException(
            QStringLiteral("The printer %1 did not take the job.").arg(Printer.printerName()));
    // Qt hands the job to CUPS and ignores CUPS's answer; a refused job
    // (too many copies, a stopped queue) would vanish without a word.
    if (Printer.outputFormat() == QPrinter::NativeFormat && cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST)
        throw EReportException(QStringLiteral("The printer %1 refused the job: %2")
                                   .arg(Printer.printerName(), QString::fromUtf8(cupsLastErrorString())));
}

void TRvRenderPrinter::Render(const TSnapshotReader &Snapshot)
{
    if (Snapshot.PageCount() < 1)
        throw EReportException(QStringLiteral("There are no pages to print."));
    const TJobSettings Job = IgnoreFileSettings ? Settings : Snapshot.Job();
    const TCopyPlan Plan = PlanCopies(Job.Copies, TPrinterCatalog::Current().MaxCopies(PrinterOf(Job)));
    int Left = qMax(1, Job.Copies);
    for (int Pass = 0; Pass < Plan.Passes; ++Pass) {
        const int Copies = qMin(Left, Plan.CopiesPerPass);
        PrintOnce(Snapshot, Job, Copies);
        Left -= Copies;
    }
}
