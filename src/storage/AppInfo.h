#pragma once

#include <QString>

// The tax year this version prepares. Everything bound to the year (file
// extensions, folders, settings keys, captions, the EFW2 RE record) is made
// from it, so next year's version changes this one value.
inline constexpr int TaxYear = QMRK_TAX_YEAR;

// The year as the texts write it: 2025 -> "2025"; and its last two digits
// as the file extensions and the update file name carry them: "25".
QString YearText(int Year = TaxYear);
QString YearDigits(int Year = TaxYear);
// The version the captions show, "2025.00".
QString VersionText();

// The application title: caption of the program's messages and windows.
QString AppTitle();
// The program's version, as the build gives it.
QString AppVersion();
