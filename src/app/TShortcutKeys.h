#pragma once

#include <QKeyEvent>

class QEvent;

// Alt with a key is a shortcut (the navigators' Alt+N, a button's &Ok), yet
// on X11 the key event still carries the key's character, which an edit,
// list or spin box would type. The application hands every widget such a
// key without its character. Ctrl+Alt together is AltGr on some keyboards
// and types as usual.
class TShortcutKeys {
public:
    // Whether Event is a key press of an Alt combination that carries text.
    static bool CarriesText(const QEvent *Event);
    // The same key press with no text.
    static QKeyEvent WithoutText(const QKeyEvent &Key);
};
