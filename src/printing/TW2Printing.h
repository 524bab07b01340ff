#pragma once

#include "TRvSystem.h"

#include <functional>

class EmployeeRecord;
class TBaseReport;
class TRvProject;
class TW2PrintSource;

// The W-2 print runs: the three report systems of the copies and their
// print events. The W-2 window and the command-line tool both print through
// it; they only choose where the pages go.
class TW2Printing {
public:
    explicit TW2Printing(TRvProject &Project);

    TRvSystem RptEmployeeW2; // the employee copy, one employee a page
    TRvSystem RptEmployeeW2D1; // Copy D and Copy 1, four a page
    TRvSystem RptSSAW2; // Copy A, two a page

    // The captions of Copy D and Copy 1.
    static QString CopyCaption(int FormType);
    // The report system of a form type (0 to 3), its titles set for the copy.
    TRvSystem &SystemFor(int FormType);
    // Runs the copy FormType of the records First to Last of Source (every
    // record, by name, for Copy A). False when the output options were
    // cancelled. Source ends on the record that was current.
    bool Print(TW2PrintSource &Source, int FormType, int First, int Last, bool MaskSSN);

    // The before-print event of the three systems.
    // Runs after the stored printer setup was applied to the output.
    std::function<void(TBaseReport &)> OnBeforePrint;

    void RptEmployeeW2Print(TBaseReport &Output);
    void RptEmployeeW2D1Print(TBaseReport &Output);
    void RptSSAW2Print(TBaseReport &Output);

private:
    void SetSlot(int Slot, const TW2PrintSource &Source, const EmployeeRecord &Employee);

    TRvProject &FProject;
    TW2PrintSource *FSource = nullptr;
    int FFormType = 0;
    int FFirst = 0;
    int FLast = 0;
    bool FMaskSSN = true;
};
