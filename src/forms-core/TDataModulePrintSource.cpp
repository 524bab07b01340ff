#include "TDataModulePrintSource.h"

#include "TFrmDataModule.h"
#include "TRecordIndex.h"
#include "TRecordSet.h"

TDataModulePrintSource::TDataModulePrintSource(TFrmDataModule &Data)
    : FData(Data)
{
}

const EmployerRecord &TDataModulePrintSource::Employer() const
{
    return FData.CurrentEmployer;
}

int TDataModulePrintSource::FirstRecord() const
{
    return FData.RSW2->FirstRecord();
}

int TDataModulePrintSource::LastRecord() const
{
    return FData.RSW2->LastRecord();
}

int TDataModulePrintSource::RecordCount()
{
    return FData.RSW2->RecordCount();
}

QList<int> TDataModulePrintSource::SortedRecords()
{
    const int Count = RecordCount();
    TRecordIndex &Index = TRecordIndex::Instance();
    Index.Build(FData, Count);
    QList<int> Records;
    for (const RecIndexData &Entry : Index.Entries().first(qMin(Count, int(Index.Entries().size()))))
        Records.append(Entry.Index + 1);
    return Records;
}

const EmployeeRecord &TDataModulePrintSource::Read(int RecNo)
{
    FData.RSW2->SetCurrentRecord(RecNo);
    FData.RSW2->GetRec();
    return FData.CurrentEmployee;
}

void TDataModulePrintSource::Remember()
{
    FData.RSW2->PushRec();
}

void TDataModulePrintSource::Restore()
{
    FData.RSW2->PopRec();
}
