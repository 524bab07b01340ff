#pragma once

#include <QChar>
#include <QStringList>

// The 54 postal codes the state selectors offer, in their fixed order.
const QStringList &StateCodes();
// The state a first-letter key selects from the selection CurrentIndex (-1
// for none): the next code with that letter after the current one, wrapping
// to the first; the first when the current code has another letter. -1 when
// no code starts with the letter.
int NextStateIndex(int CurrentIndex, QChar Letter);
