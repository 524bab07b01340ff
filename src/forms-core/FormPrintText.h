#pragma once

#include <QList>
#include <QPair>
#include <QString>

class EmployeeRecord;
class EmployerRecord;

// The texts the printed Forms W-2 and W-3 show, as named parameters of the
// tax form report project. Plain functions over the records so that the
// windows, the command-line tool and the tests print the same words.

// Which copy of Form W-2 a run prints (the program-wide W2FormType).
enum class TW2Copy { Employee = 0, Employer = 1, State = 2, SSA = 3 };

// The copy a form type byte stands for; anything unknown is the employee copy.
TW2Copy W2CopyOfFormType(int FormType);

// Parameter names and texts in the order they are set.
using TReportParams = QList<QPair<QString, QString>>;

// ASCII letters a to z raised; every other character as it is.
QString PrintUpper(const QString &Text);

// An amount rounded to cents; zero after rounding prints nothing. Grouped:
// thousands separated ("1,234.57"), else plain digits ("1234.57").
QString PrintAmount(double Value, bool Grouped);

// The employee copy, Copy D and Copy 1 group thousands; the SSA's Copy A does not.
bool GroupsThousands(TW2Copy Copy);

// "X" for a set flag, else empty.
QString PrintCheck(bool Set);

// The employer block of a W-2: Boxb and Boxc1 to Boxc4. Without a trade
// name the name moves down to the second line.
TReportParams W2EmployerParams(const EmployerRecord &Employer);

// Every employee parameter of a W-2, empty ones included so nothing of the
// previous employee stays on the page. MaskSSN hides all but the last four
// digits of box a, and only on the employee copy.
TReportParams W2EmployeeParams(const EmployeeRecord &Employee, TW2Copy Copy, bool MaskSSN);

// A parameter name of a report with several W-2s on a page: the slot number
// after an underscore when the name ends in a digit (Boxc1_3), else directly
// (Boxa1).
QString W2SlotParamName(const QString &Name, int Slot);

// The W-3's parameters. Flags, amounts, telephone and fax numbers that print
// nothing are left out.
TReportParams W3Params(const EmployerRecord &Employer);
