#include "TCupsPrinterCatalog.h"

#include <QPageSize>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <functional>

namespace {

// Runs Use with the printer's CUPS destination and its capabilities; false
// when CUPS does not know the printer.
bool WithDestination(const QString &Printer, const std::function<void(cups_dest_t *, cups_dinfo_t *)> &Use)
{
    const QByteArray Name = Printer.toLocal8Bit();
    cups_dest_t *Dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, Name.constData(), nullptr);
    if (!Dest)
        return false;
    cups_dinfo_t *Info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, Dest);
    if (Info) {
        Use(Dest, Info);
        cupsFreeDestInfo(Info);
    }
    cupsFreeDests(1, Dest);
    return Info != nullptr;
}

struct TBin {
    QString Keyword;
    QString Name;
};

QList<TBin> Bins(const QString &Printer)
{
    QList<TBin> Result;
    WithDestination(Printer, [&Result](cups_dest_t *Dest, cups_dinfo_t *Info) {
        ipp_attribute_t *Sources = cupsFindDestSupported(CUPS_HTTP_DEFAULT, Dest, Info, "media-source");
        for (int I = 0; Sources && I < ippGetCount(Sources); ++I) {
            const char *Keyword = ippGetString(Sources, I, nullptr);
            if (!Keyword)
                continue;
            const char *Name = cupsLocalizeDestValue(CUPS_HTTP_DEFAULT, Dest, Info, "media-source", Keyword);
            TBin Bin { QString::fromUtf8(Keyword), QString::fromUtf8(Name ? Name : Keyword) };
            // Drivers may list a source twice ("auto" for two PPD choices).
            bool Known = false;
            for (const TBin &Other : Result)
                Known = Known || Other.Keyword == Bin.Keyword;
            if (!Known)
                Result.append(Bin);
        }
    });
    return Result;
}

} // namespace

QStringList TCupsPrinterCatalog::PrinterNames()
{
    return QPrinterInfo::availablePrinterNames();
}

QString TCupsPrinterCatalog::DefaultPrinter()
{
    const QString Default = QPrinterInfo::defaultPrinterName();
    if (!Default.isEmpty())
        return Default;
    // CUPS without a default destination: the first printer serves.
    const QStringList Names = PrinterNames();
    return Names.isEmpty() ? QString() : Names.first();
}

QStringList TCupsPrinterCatalog::PaperNames(const QString &Printer)
{
    QStringList Result;
    for (const QPageSize &Size : QPrinterInfo::printerInfo(Printer).supportedPageSizes())
        Result.append(Size.name());
    return Result;
}

QSizeF TCupsPrinterCatalog::PaperSize(const QString &Printer, const QString &PaperName)
{
    for (const QPageSize &Size : QPrinterInfo::printerInfo(Printer).supportedPageSizes())
        if (Size.name() == PaperName)
            return Size.size(QPageSize::Inch);
    return TPrinterCatalog::PaperSize(Printer, PaperName);
}

QStringList TCupsPrinterCatalog::BinNames(const QString &Printer)
{
    QStringList Result;
    for (const TBin &Bin : Bins(Printer))
        Result.append(Bin.Name);
    return Result;
}

QString TCupsPrinterCatalog::BinKeyword(const QString &Printer, const QString &BinName)
{
    for (const TBin &Bin : Bins(Printer))
        if (Bin.Name == BinName || Bin.Keyword == BinName)
            return Bin.Keyword;
    return QString();
}

bool TCupsPrinterCatalog::SupportsDuplex(const QString &Printer)
{
    const QList<QPrinter::DuplexMode> Modes = QPrinterInfo::printerInfo(Printer).supportedDuplexModes();
    return Modes.contains(QPrinter::DuplexLongSide) || Modes.contains(QPrinter::DuplexShortSide);
}

bool TCupsPrinterCatalog::SupportsCollate(const QString &Printer)
{
    bool Collates = false;
    WithDestination(Printer, [&Collates](cups_dest_t *Dest, cups_dinfo_t *Info) {
        Collates = cupsCheckDestSupported(CUPS_HTTP_DEFAULT, Dest, Info, "multiple-document-handling",
            "separate-documents-collated-copies");
    });
    return Collates;
}

int TCupsPrinterCatalog::MaxCopies(const QString &Printer)
{
    // A printer that does not say makes one copy per job; the copies are then
    // sent one by one, which always gives the right count.
    int Most = 1;
    WithDestination(Printer, [&Most](cups_dest_t *Dest, cups_dinfo_t *Info) {
        ipp_attribute_t *Copies = cupsFindDestSupported(CUPS_HTTP_DEFAULT, Dest, Info, CUPS_COPIES);
        int Upper = 1;
        if (Copies && ippGetValueTag(Copies) == IPP_TAG_RANGE)
            ippGetRange(Copies, 0, &Upper);
        Most = qMax(1, Upper);
    });
    return Most;
}
