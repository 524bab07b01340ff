#include "MakerAddresses.h"

QString UpdateServer()
{
    return QStringLiteral(QMRK_UPDATE_SERVER);
}

QString MakerWebSite()
{
    return QStringLiteral(QMRK_WEB_SITE);
}
