#pragma once

#include <QList>

class EmployeeRecord;
class EmployerRecord;

// The employer and the employee records a W-2 print run walks: the open
// company of the program, or records read from a company pair by the
// command-line tool. Records are numbered from 1 as in the file.
class TW2PrintSource {
public:
    virtual ~TW2PrintSource();

    virtual const EmployerRecord &Employer() const = 0;
    virtual int FirstRecord() const = 0;
    virtual int LastRecord() const = 0;
    virtual int RecordCount() = 0;
    // The record numbers of every employee, by last name, then first name.
    virtual QList<int> SortedRecords() = 0;
    // Makes record RecNo current and reads it.
    virtual const EmployeeRecord &Read(int RecNo) = 0;
    // Remembers the current record, and makes it current and reads it again.
    virtual void Remember() = 0;
    virtual void Restore() = 0;
};
