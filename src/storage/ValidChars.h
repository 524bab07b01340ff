#pragma once

#include <QString>

#include <bitset>

// The characters an entry field accepts, as single-byte codes 0 to 255.
using TCharSet = std::bitset<256>;

// Reads a set written as "[A..Z,0..9,-]": items separated by ',', each a
// character or a range "low..high"; a "'" makes the next character literal
// and a quote right after it closes it ("','" is a comma, "'''" a quote). Blanks are characters like any
// other, but a later character of the same end replaces an earlier one, so "[A..I, J..N]" holds no blank.
// False, Set untouched, when Text is not in brackets.
bool ParseValidChars(const QString &Text, TCharSet &Set);
bool CharInSet(QChar Ch, const TCharSet &Set);
