#pragma once

#include <QLatin1String>

// The characters the W-2 window's filtered boxes take, in the notation of
// ParseValidChars. Whatever reaches an employee record from elsewhere (an
// import) is held to the same sets.
namespace W2EntryChars {

inline constexpr QLatin1String ControlNumber("[A..Z,0..9,-]");
inline constexpr QLatin1String ZipCode("[0..9,-]");
inline constexpr QLatin1String StateID("[0..9]");
// The letters a box 12 code is made of (no O, U or X).
inline constexpr QLatin1String Box12Code("[A..I, J..N, P..T,V,W,Y,Z]");

} // namespace W2EntryChars
