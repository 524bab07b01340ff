#include "AppInfo.h"

QString AppTitle()
{
    return QStringLiteral("Quillmark W-2 2025");
}

QString AppVersion()
{
    return QStringLiteral(QMRK_VERSION);
}
