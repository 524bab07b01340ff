#pragma once

#include "RecIndexData.h"

#include <QList>

class EmployeeRecord;
class TFrmDataModule;

// The employee records in name order, behind the employee list and the SSA
// copies. Built only when the data module marks it stale.
class TRecordIndex {
public:
    // The index of the run.
    static TRecordIndex &Instance();

    const QList<RecIndexData> &Entries() const { return FEntries; }

    // The sort key of an employee: last name, a tab, first name.
    static QString IndexKey(const EmployeeRecord &Employee);
    // Entries in name order, letter case ignored; entries with equal names
    // keep their order, so every record stays listed once.
    static QList<RecIndexData> Sorted(QList<RecIndexData> Entries);

    // Rebuilds the index over the first EmployeeCount records when
    // RecordIndexDirty is set, walking the file through CurrentEmployee and
    // re-reading the current record. Post edits of the current employee first.
    void Build(TFrmDataModule &Data, int EmployeeCount);

private:
    QList<RecIndexData> FEntries;
};
