#include "AppInfo.h"

QString YearText(int Year)
{
    return QString::number(Year);
}

QString YearDigits(int Year)
{
    return QStringLiteral("%1").arg(Year % 100, 2, 10, QLatin1Char('0'));
}

QString VersionText()
{
    return YearText() + QStringLiteral(".00");
}

QString AppTitle()
{
    return QStringLiteral("Quillmark W-2 ") + YearText();
}

QString AppVersion()
{
    return QStringLiteral(QMRK_VERSION);
}
