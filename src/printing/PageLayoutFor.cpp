#include "PageLayoutFor.h"

#include "TReportPage.h"

#include <QPageSize>
#include <QSizeF>

QPageLayout PageLayoutFor(const TReportPage &Page)
{
    const bool Landscape = Page.Width > Page.Height;
    const QSizeF Portrait = Landscape ? QSizeF(Page.Height, Page.Width) : QSizeF(Page.Width, Page.Height);
    const QPageSize Size(Portrait, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(Size, Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}
