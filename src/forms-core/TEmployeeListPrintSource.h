#pragma once

#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "TW2PrintSource.h"

// Records read from a company pair without opening it (the command-line
// tool): record n is Employees[n - 1]. Nothing is written back.
class TEmployeeListPrintSource : public TW2PrintSource {
public:
    TEmployeeListPrintSource(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees);

    const EmployerRecord &Employer() const override { return FEmployer; }
    int FirstRecord() const override;
    int LastRecord() const override;
    int RecordCount() override;
    QList<int> SortedRecords() override;
    const EmployeeRecord &Read(int RecNo) override;
    void Remember() override;
    void Restore() override;
    int CurrentRecord() const { return FCurrent; }

private:
    EmployerRecord FEmployer;
    QList<EmployeeRecord> FEmployees;
    int FCurrent = 1;
    int FRemembered = 1;
};
