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

// Copies the pair of FromW2 (it and its W3FileFor) over the pair of ToW2,
// both files or neither; Save As, Backup and Restore copy through it. Both
// sources are checked before anything is written, each is copied beside its
// target, and only when both copies are on the disk do they take the
// targets' places, the employee file first. Until the employer file is in
// place too, a copy of the old employee file is kept aside, and a failure of
// that last rename puts it back. Clears CopyFailed, or sets it and raises
// ECopyFileException with the system's reason; the target pair is then as it
// was, and no temporary file is left.
void CopyCompanyPair(const QString &FromW2, const QString &ToW2);
// The last step of replacing a pair: NewW2 and NewW3, complete files staged
// beside ToW2 and its W3FileFor, take their places as CopyCompanyPair's
// copies do, the employee file first. On failure raises ECopyFileException
// with the target pair as it was and the staged files removed.
void CommitStagedPair(const QString &NewW2, const QString &NewW3, const QString &ToW2);
// The most records each file of the pair holds: the employer file one, but
// room for more was always given; the employee file the program's limit.
inline constexpr int MaxEmployerRecords = 1000;
inline constexpr int MaxEmployeeRecords = 10000;
