#pragma once

class QFocusEvent;
class QWidget;

// Tells the focus moves between the fields of a window, the ones the fields
// check and the windows highlight, from the focus leaving with the whole
// window (a message box or a drop-down taking over), and lets a field refuse
// to be left.
class TFocusGuard {
public:
    // Puts the focus back on Field, which refuses to be left; false when the
    // field cannot take it (hidden or disabled). The field that was about to
    // get the focus never counts as entered or left.
    static bool Restore(QWidget *Field);
    static bool Restoring();
    // A focus event of a move between fields.
    static bool IsFieldMove(const QFocusEvent *Event);
};
