#pragma once

#include <QString>

// A company is a pair of files with one base name: the employee records in
// name.W225 and the employer record in name.W325.
inline constexpr char W2FileExtension[] = ".W225";
inline constexpr char W3FileExtension[] = ".W325";

// The employer file of the pair: W2File with its extension (from the last '.'
// of the file name) replaced by ".W325", or ".W325" added when it has none.
QString W3FileFor(const QString &W2File);

// The most records each file of the pair holds: the employer file one, but
// room for more was always given; the employee file the program's limit.
inline constexpr int MaxEmployerRecords = 1000;
inline constexpr int MaxEmployeeRecords = 10000;
