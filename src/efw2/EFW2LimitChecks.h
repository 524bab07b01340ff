#pragma once

#include <QList>
#include <QString>

struct TEFW2Client;

// One amount of an employee that AccuWage would report. An error makes the
// SSA reject the report; a notice is worth a look but may be right (an
// employer may withhold the Additional Medicare Tax on its own schedule).
struct TEFW2Finding {
    bool Error = true;
    int Job = 0; // which client of the run, counted from 0
    int RecordNumber = 0; // of the employee record, counted from 1
    QString EmployeeName;
    QString MaskedSSN;
    QString Rule;
    QString Amounts;

    // "Error: employee record 3 (JOHN SMITH, ***-**-6789): <rule> (<amounts>)"
    QString Text() const;
};

// The findings of every employee that gets an RW line, in file order; for
// one employee in the order of the rules.
QList<TEFW2Finding> CheckEFW2Limits(const TEFW2Client &Client);
bool HasErrors(const QList<TEFW2Finding> &Findings);
// "176,100.00"
QString DollarsText(qint64 Cents);
