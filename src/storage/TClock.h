#pragma once

#include <QDate>

// Where the program learns today's date. Tests fix the day so that date
// commands and the tax year give the same answers on every run.
class TClock {
public:
    static QDate Today();
    // A fixed day for tests; an invalid date returns to the system clock.
    static void SetToday(const QDate &Date);
};
