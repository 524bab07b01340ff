#pragma once

#include "TJobSettings.h"

#include <QString>

#include <functional>

class QPrinter;
class TSnapshotReader;

// Prints a snapshot's pages on a printer through QPrinter and CUPS. Copies are
// made by the printer when it can make them; otherwise the pages are sent as
// many times as copies are asked, one copy each.
class TRvRenderPrinter {
public:
    // How a number of copies goes to a printer: Passes jobs of CopiesPerPass
    // copies each (the last job may have fewer when they do not divide).
    struct TCopyPlan {
        int Passes = 1;
        int CopiesPerPass = 1;
        bool operator==(const TCopyPlan &Other) const = default;
    };
    static TCopyPlan PlanCopies(int Copies, int MaxCopies);

    // The printer choices used; Render takes them from the snapshot unless
    // IgnoreFileSettings is set (the output options dialog chose them).
    TJobSettings Settings;
    bool IgnoreFileSettings = false;
    // Told each page's number as it is sent.
    std::function<void(int)> OnPage;
    // Told the printer of each job before its first page (tests inspect it).
    std::function<void(QPrinter &)> OnJobStart;

    // The most copies the chosen printer makes of one job.
    int MaxCopies() const;
    void Render(const TSnapshotReader &Snapshot);

private:
    void PrintOnce(const TSnapshotReader &Snapshot, const TJobSettings &Job, int Copies) const;
    void Configure(QPrinter &Printer, const TJobSettings &Job, int Copies) const;
};
