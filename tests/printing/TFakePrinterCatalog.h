#pragma once

#include "TPrinterCatalog.h"

#include <QHash>

// Printers that exist only in a test; installed for its lifetime.
class TFakePrinterCatalog : public TPrinterCatalog {
public:
    struct TPrinter {
        QStringList Papers;
        QStringList Bins;
        bool Duplex = false;
        bool Collate = false;
        int MaxCopies = 1;
    };

    TFakePrinterCatalog();
    ~TFakePrinterCatalog() override;

    QHash<QString, TPrinter> Printers;
    QStringList Order;
    QString Default;

    void Add(const QString &Name, const TPrinter &Printer);

    QStringList PrinterNames() override { return Order; }
    QString DefaultPrinter() override { return Default; }
    QStringList PaperNames(const QString &Printer) override { return Printers.value(Printer).Papers; }
    QStringList BinNames(const QString &Printer) override { return Printers.value(Printer).Bins; }
    QString BinKeyword(const QString &, const QString &BinName) override { return BinName.toLower(); }
    bool SupportsDuplex(const QString &Printer) override { return Printers.value(Printer).Duplex; }
    bool SupportsCollate(const QString &Printer) override { return Printers.value(Printer).Collate; }
    int MaxCopies(const QString &Printer) override { return Printers.value(Printer).MaxCopies; }
};
