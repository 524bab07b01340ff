#pragma once

#include "EmployeeRecord.h"
#include "EmployerRecord.h"

#include <QList>
#include <QString>

class TFrmDataModule;

// One client of an EFW2 submission as the writer sees it: the employer, and
// the employees that count as valid W-2 employees, who are the ones that get
// an RW line, with their record numbers. Records that never went through
// the W-2 window (all amounts zero) get no line, so the RT and RF counts
// always equal the RW lines.
struct TEFW2Client {
    EmployerRecord Employer;
    QList<EmployeeRecord> Employees; // the RW employees, in file order
    QList<int> RecordNumbers; // of each RW employee, counted from 1
    int RecordCount = 0; // every employee record of the file

    int ValidCount() const { return int(Employees.size()); }
};

// The client from records already read.
TEFW2Client MakeEFW2Client(const EmployerRecord &Employer, const QList<EmployeeRecord> &Records);
// The open company: CurrentEmployer and every employee record, walked in
// file order through CurrentEmployee; the employee file comes back to its
// current record. Post edits first.
TEFW2Client ReadEFW2Client(TFrmDataModule &Data);

// "JOHN SMITH", the way messages name an employee.
QString EmployeeDisplayName(const EmployeeRecord &Employee);
