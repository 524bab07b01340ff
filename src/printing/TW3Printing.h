#pragma once

#include "EmployerRecord.h"
#include "TRvSystem.h"

#include <functional>

class TBaseReport;
class TRvProject;

// The W-3 print run: its report system and print event, shared by the W-3
// window and the command-line tool. The pages stay in memory for the preview.
class TW3Printing {
public:
    explicit TW3Printing(TRvProject &Project);

    TRvSystem RptFormW3;

    // Points the project's engine at RptFormW3, as the window does when shown.
    void AttachEngine();
    // Prints Employer as given, saved or not. False when the output options
    // were cancelled.
    bool Print(const EmployerRecord &Employer);

    // Runs after the stored printer setup was applied to the output.
    std::function<void(TBaseReport &)> OnBeforePrint;

    void RptFormW3Print(TBaseReport &Output);

private:
    TRvProject &FProject;
    EmployerRecord FEmployer;
};
