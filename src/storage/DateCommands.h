#pragma once

#include <QDate>
#include <QString>

// One-key commands of the date fields, on texts "mm/dd/yyyy".

// The text of a date field nobody has typed into.
QString EmptyDateText();
// "+", "-", "T", "M", "H", "Y", "R", "W", "K" in either case ("C", the
// calendar, is the field's own business).
bool IsDateCommandKey(QChar Key);
// The text after the command Key on Text. An empty date first becomes Today
// for the commands that move a date; "T" always gives Today; the others act
// only on a valid date and otherwise leave Text as it is, as does a result
// outside the years 1 to 9999.
QString ApplyDateCommand(QChar Key, const QString &Text, const QDate &Today);
// "H": the last day of the month; on the last day already, the last day of
// the next month (December 31 goes to January 31 of the next year).
void LastDayCommand(int &Month, int &Day, int &Year);
