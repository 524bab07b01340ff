#pragma once

#include <QString>

// Number conversions with US conventions ('.' as decimal point) whatever the
// machine's locale.

// Value rounded to N decimals, half away from zero on its decimal digits: the
// value is first taken to 15 significant digits, so an amount typed as 1.005
// (stored as 1.00499999...) rounds to 1.01 as the person expects. NaN,
// infinities and results out of range give 0.
double RoundValue(double Value, int N);

// Lenient reading of an amount typed with '$', ',' or blanks: only digits,
// '-' and '.' are kept; nothing left reads as 0. What remains must be a plain
// decimal number, else EConvertError.
double TextToFloat(const QString &Text);

// As TextToFloat for whole numbers: only digits and '-' are kept. A remainder
// that is malformed or out of range raises EConvertError.
int TextToInt(const QString &Text);
