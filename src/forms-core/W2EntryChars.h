#pragma once

#include <QLatin1String>
#include <QString>

// The characters the W-2 window's filtered boxes take, in the notation of
// ParseValidChars. Whatever reaches an employee record from elsewhere (an
// import) is held to the same sets.
namespace W2EntryChars {

inline constexpr QLatin1String ControlNumber("[A..Z,0..9,-]");
inline constexpr QLatin1String ZipCode("[0..9,-]");
inline constexpr QLatin1String StateID("[0..9]");
// The letters a box 12 code is made of (no O, U or X).
inline constexpr QLatin1String Box12Code("[A..I, J..N, P..T,V,W,Y,Z]");

// The dollar digits an amount box takes, by the employee record field it
// edits: the narrow boxes 12, 14, 17 and 19 six, every other nine.
inline int AmountDigits(const QString &Field)
{
    for (QLatin1String Narrow : { QLatin1String("Box12Amt_"), QLatin1String("Box14Amt_"),
             QLatin1String("Box17StateTax_"), QLatin1String("Box19LocalTax_") })
        if (Field.startsWith(Narrow))
            return 6;
    return 9;
}

} // namespace W2EntryChars
