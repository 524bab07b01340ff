#pragma once

#include <QString>

// EFW2 files are plain ASCII, while names and addresses are typed in
// Windows-1252. Each character becomes one ASCII character, so the field
// widths hold: a letter with a diacritic becomes its base letter (é to e,
// Ñ to N, Ø to O), typographic quotes and dashes become ' " and -, and every
// other character outside printable ASCII (control characters included)
// becomes a blank.
QString ToEFW2Ascii(const QString &Text);

// ToEFW2Ascii with the letters a to z made capitals.
QString ToEFW2Upper(const QString &Text);
