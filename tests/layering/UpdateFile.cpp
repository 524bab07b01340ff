#include "MakerAddresses.h"
#include "TWebUpdate.h"

#include <QNetworkAccessManager>

QString ProbeUpdateFile()
{
    return UpdateServer();
}
