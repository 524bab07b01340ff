#pragma once

#include <QString>

// The outcome of a form's checks: the first field that failed, named as the
// entry window's control, and the message for the person. Empty when every
// check passed.
struct TFieldCheck {
    QString Field;
    QString Message;

    bool Passed() const { return Field.isEmpty(); }
};
