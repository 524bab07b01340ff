#include "TEmployeeListPrintSource.h"

#include "TRecordIndex.h"

TEmployeeListPrintSource::TEmployeeListPrintSource(
    const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees)
    : FEmployer(Employer)
    , FEmployees(Employees)
{
}

int TEmployeeListPrintSource::FirstRecord() const
{
    return 1;
}

int TEmployeeListPrintSource::LastRecord() const
{
    return int(FEmployees.size());
}

int TEmployeeListPrintSource::RecordCount()
{
    return int(FEmployees.size());
}

QList<int> TEmployeeListPrintSource::SortedRecords()
{
    QList<RecIndexData> Entries;
    for (int I = 0; I < FEmployees.size(); ++I)
        Entries.append({ TRecordIndex::IndexKey(FEmployees.at(I)), I });
    QList<int> Records;
    for (const RecIndexData &Entry : TRecordIndex::Sorted(std::move(Entries)))
        Records.append(Entry.Index + 1);
    return Records;
}

const EmployeeRecord &TEmployeeListPrintSource::Read(int RecNo)
{
    FCurrent = RecNo;
    return FEmployees.at(RecNo - 1);
}

void TEmployeeListPrintSource::Remember()
{
    FRemembered = FCurrent;
}

void TEmployeeListPrintSource::Restore()
{
    FCurrent = FRemembered;
}
