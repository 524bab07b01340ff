#pragma once

class QEvent;
class QObject;

// When a modal window (a message box, a list, the calculator) closes, the
// window it was opened from is made the active window again. Without a
// window manager that does it, that window stayed inactive: it still got the
// keys but no focus events, so its fields were neither highlighted nor left
// (no checks, amounts not formatted) until it was clicked.
class TModalReturn {
public:
    // Called by the application for every event once it was delivered.
    static void Delivered(QObject *Receiver, const QEvent *Event);
};
