#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

// What the installed printers offer: names, paper sizes, paper sources,
// two-sided printing, collation and how many copies a printer makes of one
// job. The program uses the system's printers; tests install a catalog of
// their own.
class TPrinterCatalog {
public:
    virtual ~TPrinterCatalog() = default;

    virtual QStringList PrinterNames() = 0;
    // Empty when no printer is installed.
    virtual QString DefaultPrinter() = 0;
    // Paper size names as the printer's driver lists them.
    virtual QStringList PaperNames(const QString &Printer) = 0;
    // Width and height in inches of the paper PaperName; invalid when unknown.
    // The base looks the name up among the standard paper sizes.
    virtual QSizeF PaperSize(const QString &Printer, const QString &PaperName);
    // Paper source names as the driver lists them.
    virtual QStringList BinNames(const QString &Printer) = 0;
    // The value a print job carries for the source BinName ("tray-2").
    virtual QString BinKeyword(const QString &Printer, const QString &BinName) = 0;
    virtual bool SupportsDuplex(const QString &Printer) = 0;
    virtual bool SupportsCollate(const QString &Printer) = 0;
    // The most copies the printer makes of one job; 1 when it makes none.
    virtual int MaxCopies(const QString &Printer) = 0;

    static TPrinterCatalog &Current();
    // Installs Catalog (not owned); nullptr restores the system's printers.
    static void Install(TPrinterCatalog *Catalog);
};
