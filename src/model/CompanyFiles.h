#pragma once

#include "AppInfo.h"

#include <QString>

// A company is a pair of files with one base name: the employee records in
// name.W225 and the employer record in name.W325, the last two digits of the
// tax year in the extension (last year's pair is name.W224 and name.W324).
QString W2FileExtension(int Year = TaxYear);
QString W3FileExtension(int Year = TaxYear);

// The employer file of the pair: W2File with its extension (from the last '.'
// of the file name) replaced by ".W325", or ".W325" added when it has none.
QString W3FileFor(const QString &W2File);
