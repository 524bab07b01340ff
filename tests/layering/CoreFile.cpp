#include "TAppGlobals.h"
#include "TRecordSet.h"

#include <QString>

QString ProbeCoreFile()
{
    return QStringLiteral("core");
}
