#include "TPrinterCatalog.h"

#include "TCupsPrinterCatalog.h"

#include <QPageSize>

namespace {
TPrinterCatalog *Installed = nullptr;
}

TPrinterCatalog &TPrinterCatalog::Current()
{
    static TCupsPrinterCatalog System;
    return Installed ? *Installed : System;
}

void TPrinterCatalog::Install(TPrinterCatalog *Catalog)
{
    Installed = Catalog;
}

QSizeF TPrinterCatalog::PaperSize(const QString &, const QString &PaperName)
{
    for (int Id = 0; Id <= int(QPageSize::LastPageSize); ++Id) {
        const QPageSize::PageSizeId SizeId = QPageSize::PageSizeId(Id);
        if (QPageSize::name(SizeId) == PaperName || QPageSize::key(SizeId) == PaperName)
            return QPageSize::size(SizeId, QPageSize::Inch);
    }
    return {};
}
