#pragma once

#include "TW2PrintSource.h"

class TFrmDataModule;

// The open company as a W-2 print run walks it: every read goes through the
// employee file into CurrentEmployee, and the run ends on the record it
// started from.
class TDataModulePrintSource : public TW2PrintSource {
public:
    explicit TDataModulePrintSource(TFrmDataModule &Data);

    const EmployerRecord &Employer() const override;
    int FirstRecord() const override;
    int LastRecord() const override;
    int RecordCount() override;
    QList<int> SortedRecords() override;
    const EmployeeRecord &Read(int RecNo) override;
    void Remember() override;
    void Restore() override;

private:
    TFrmDataModule &FData;
};
