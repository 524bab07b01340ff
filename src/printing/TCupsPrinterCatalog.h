#pragma once

#include "TPrinterCatalog.h"

// The system's printers: names, paper sizes and two-sided printing through
// Qt; paper sources, copies and collation, which Qt does not serve on Linux,
// from CUPS.
class TCupsPrinterCatalog : public TPrinterCatalog {
public:
    QStringList PrinterNames() override;
    QString DefaultPrinter() override;
    QStringList PaperNames(const QString &Printer) override;
    QSizeF PaperSize(const QString &Printer, const QString &PaperName) override;
    QStringList BinNames(const QString &Printer) override;
    QString BinKeyword(const QString &Printer, const QString &BinName) override;
    bool SupportsDuplex(const QString &Printer) override;
    bool SupportsCollate(const QString &Printer) override;
    int MaxCopies(const QString &Printer) override;
};
