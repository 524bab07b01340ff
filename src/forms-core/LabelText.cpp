#include "LabelText.h"

#include "EmployeeRecord.h"
#include "IdentifierChecks.h"

namespace {

constexpr int FirstNameWidth = 16;
constexpr int NameLineWidth = 31;
constexpr int ZipPlus4Width = 10;

} // namespace

QString LabelNameLine(const QString &FirstName, const QString &LastName)
{
    return ((FirstName + QLatin1Char(' ')).left(FirstNameWidth) + LastName).left(NameLineWidth);
}

QString LabelBarCodeDigits(const QString &CityStateZip)
{
    const QString Zip = CityStateZip.right(ZipPlus4Width);
    if (Zip.size() != ZipPlus4Width || !IsValidZipPlus4(Zip))
        return QString();
    return Zip.left(5) + Zip.mid(6);
}

TLabelLines LabelLines(const EmployeeRecord &Employee)
{
    TLabelLines Lines;
    Lines.Name = LabelNameLine(Employee.FirstName(), Employee.LastName());
    Lines.Street = Employee.StreetAddress();
    Lines.CityStateZip = Employee.CityStateZip();
    Lines.BarCodeDigits = LabelBarCodeDigits(Lines.CityStateZip);
    return Lines;
}
