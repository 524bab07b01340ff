#pragma once

#include <QString>

// Dates as the forms write them, "mm/dd/yyyy", whatever the machine's locale.

// At least 10 of its characters are digits or '/', and the text is a real
// date written month/day/year (month and day of one or two digits, a
// four-digit year).
bool IsValidDateText(const QString &Text);
// Month, day and year read from characters 1-2, 4-5 and 7-10 of a valid date
// text; all three 0 when the text is not one.
void SplitDateText(const QString &Text, int &Month, int &Day, int &Year);
// Month and day with two digits, the year as it is: 3, 7, 2025 -> "03/07/2025".
QString MakeDateText(int Month, int Day, int Year);
// The date N months later (earlier when negative) as "mm/dd/yyyy", the day
// clipped to the end of a shorter month; empty for an invalid date.
QString AddMonthsToDateText(const QString &Text, int N);
bool IsLeapYear(int Year);
