#pragma once

#include <exception>

class TRecordSet;

// Held across a whole-file scan (RootRec, NextRec for every record, PopRec).
// A scan cut short by an exception never reaches PopRec; the guard then puts
// the cursor back on the record current before the scan, without reading it:
// the read could fail again, and would replace the owner's copy of that
// record with the last one scanned. The scan's own PopRec is left to do the
// work when nothing was thrown.
class TRecordScanGuard {
public:
    explicit TRecordScanGuard(TRecordSet &Set);
    ~TRecordScanGuard();
    TRecordScanGuard(const TRecordScanGuard &) = delete;
    TRecordScanGuard &operator=(const TRecordScanGuard &) = delete;

private:
    TRecordSet &FSet;
    int FHomeRec;
    int FUncaught;
};
