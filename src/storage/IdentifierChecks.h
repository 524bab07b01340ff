#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

// Checks of the numbers on the forms. Each measures the length with the
// blanks trimmed but tests the characters where they stand in the text as
// given, so trailing blanks are forgiven and leading ones are not.

// EIN prefixes the IRS does not assign; an EIN starting with one is invalid.
inline constexpr std::array<QLatin1String, 15> InvalidEINPrefixes { QLatin1String("00"), QLatin1String("07"),
    QLatin1String("08"), QLatin1String("09"), QLatin1String("17"), QLatin1String("18"), QLatin1String("19"),
    QLatin1String("28"), QLatin1String("29"), QLatin1String("49"), QLatin1String("69"), QLatin1String("70"),
    QLatin1String("78"), QLatin1String("79"), QLatin1String("89") };

// "999-99-9999", not starting with 9, 666 or 000, no group of zeros, and not
// the sample number 123-45-6789.
bool IsValidSSN(const QString &Text);
// "***-**-" and the last four digits of a valid SSN; empty otherwise.
QString MaskSSN(const QString &Text);
// "99-9999999" with a prefix the IRS assigns.
bool IsValidEIN(const QString &Text);
// "999-999-9999"; phone and fax numbers.
bool IsValidPhone(const QString &Text);
// "99999" or "99999-9999".
bool IsValidZip(const QString &Text);
// "99999-9999" only.
bool IsValidZipPlus4(const QString &Text);
