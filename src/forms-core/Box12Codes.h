#pragma once

#include <QString>
#include <QStringList>

// The codes of W-2 box 12 in the order the code list shows them, with their
// descriptions. There is no code CC, I, O, U or X.
const QStringList &Box12Codes();
const QStringList &Box12Descriptions();

// Whether Code is one of the box 12 codes, letter case ignored.
bool IsValidBox12Code(const QString &Code);
// Whether the amount of Code belongs to the W-3 box 12a total of deferred
// compensation: codes D to H, S, Y, AA, BB and EE, letter case ignored.
bool IsDeferredCompensationCode(const QString &Code);
