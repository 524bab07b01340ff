#pragma once

#include <QList>
#include <QString>

// The USPS POSTNET bar code: each digit is five bars, two of them tall
// (weights 7, 4, 2, 1, 0; 0 is 7 + 4), between two tall frame bars, with a
// check digit that brings the digit sum to a multiple of ten.

// (10 - digit sum mod 10) mod 10; -1 when Digits holds anything but digits.
int PostNetCheckDigit(const QString &Digits);

// The bars of Digits, frame bars and check digit included, from left to
// right: true for a tall bar, false for a short one. Empty when Digits is
// empty or holds anything but digits.
QList<bool> PostNetBars(const QString &Digits);
