#include "TRecordIndex.h"

#include "EmployeeRecord.h"
#include "TFrmDataModule.h"
#include "TRecordSet.h"
#include "TextUtils.h"

#include <algorithm>

namespace {
constexpr int MaxKeyLength = 40;
} // namespace

TRecordIndex &TRecordIndex::Instance()
{
    static TRecordIndex Index;
    return Index;
}

QString TRecordIndex::IndexKey(const EmployeeRecord &Employee)
{
    return (TrimText(Employee.LastName()) + QLatin1Char('\t') + TrimText(Employee.FirstName()))
        .left(MaxKeyLength);
}

QList<RecIndexData> TRecordIndex::Sorted(QList<RecIndexData> Entries)
{
    std::stable_sort(Entries.begin(), Entries.end(), [](const RecIndexData &A, const RecIndexData &B) {
        return A.Name.compare(B.Name, Qt::CaseInsensitive) < 0;
    });
    return Entries;
}

void TRecordIndex::Build(TFrmDataModule &Data, int EmployeeCount)
{
    if (!Data.RecordIndexDirty)
        return;
    FEntries.resize(qMax(EmployeeCount, 0));
    if (EmployeeCount == 1) {
        // One record needs no names; the index stays stale for the next employee.
        FEntries[0].Index = 0;
        return;
    }
    Data.RSW2->ScanRecords(
        EmployeeCount, [this, &Data](int I) { FEntries[I] = { IndexKey(Data.CurrentEmployee), I }; });
    FEntries = Sorted(std::move(FEntries));
    Data.RecordIndexDirty = false;
}
