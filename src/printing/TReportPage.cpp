#include "TReportPage.h"

#include "EReportException.h"

TReportPage::TReportPage(double Width, double Height)
    : Width(Width)
    , Height(Height)
{
}

quint16 TReportPage::FontIndex(const TReportFont &Font)
{
    const qsizetype Found = Fonts.indexOf(Font);
    if (Found >= 0)
        return quint16(Found);
    if (Fonts.size() >= 0xFFFF)
        throw EReportException(QStringLiteral("A page uses more than 65535 fonts."));
    Fonts.append(Font);
    return quint16(Fonts.size() - 1);
}

const TReportFont &TReportPage::FontOf(const TPageItem &Item) const
{
    static const TReportFont Fallback;
    return Item.FontIndex < Fonts.size() ? Fonts.at(Item.FontIndex) : Fallback;
}

QList<const TPageItem *> TReportPage::Texts() const
{
    QList<const TPageItem *> Result;
    for (const TPageItem &Item : Items)
        if (Item.Kind == TPageItem::TKind::Text)
            Result.append(&Item);
    return Result;
}
