#include "CompanyFiles.h"

QString W2FileExtension(int Year)
{
    return QStringLiteral(".W2") + YearDigits(Year);
}

QString W3FileExtension(int Year)
{
    return QStringLiteral(".W3") + YearDigits(Year);
}

QString W3FileFor(const QString &W2File)
{
    const qsizetype NameStart = W2File.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype Dot = W2File.lastIndexOf(QLatin1Char('.'));
    const QString Base = Dot >= NameStart ? W2File.left(Dot) : W2File;
    return Base + W3FileExtension();
}
