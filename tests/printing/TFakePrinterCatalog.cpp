#include "TFakePrinterCatalog.h"

TFakePrinterCatalog::TFakePrinterCatalog()
{
    TPrinterCatalog::Install(this);
}

TFakePrinterCatalog::~TFakePrinterCatalog()
{
    TPrinterCatalog::Install(nullptr);
}

void TFakePrinterCatalog::Add(const QString &Name, const TPrinter &Printer)
{
    Printers.insert(Name, Printer);
    Order.append(Name);
    if (Default.isEmpty())
        Default = Name;
}
