#pragma once

#include <QPointer>

class QFocusEvent;
class QWidget;

// Tells the focus moves between the fields of a window, the ones the fields
// check and the windows highlight, from the focus leaving and coming back
// with the whole window (a message box, the calculator) or going to a popup.
// A field that refuses to be left holds a guard from its message until the
// focus is back on it; meanwhile the other fields' focus events are no moves.
class TFocusGuard {
public:
    explicit TFocusGuard(QWidget *Field);
    ~TFocusGuard();
    TFocusGuard(const TFocusGuard &) = delete;
    TFocusGuard &operator=(const TFocusGuard &) = delete;

    // Puts the focus back on the field; false when it cannot take it (hidden
    // or disabled).
    bool Restore();

    // Whether Event, received by Field, enters it. Entered is the field's
    // state: a field that has the focus when its window is shown is entered
    // then, and coming back to the window enters nothing.
    static bool Enters(const QWidget *Field, const QFocusEvent *Event, bool &Entered);
    // Whether Event leaves the field: never when the window loses the focus.
    static bool Leaves(const QWidget *Field, const QFocusEvent *Event, bool &Entered);

private:
    static bool Ignored(const QWidget *Field, const QFocusEvent *Event);

    QPointer<QWidget> FField;
    QPointer<QWidget> FOuter;
};
