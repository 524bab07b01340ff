#include "AddressLine.h"

QString CityStateZipLine(const QString &City, const QString &State, const QString &Zip)
{
    return City + QLatin1Char(' ') + State + QLatin1Char(' ') + Zip;
}
