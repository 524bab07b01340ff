#include "TRecordScanGuard.h"

#include "TRecordSet.h"

TRecordScanGuard::TRecordScanGuard(TRecordSet &Set)
    : FSet(Set)
    , FHomeRec(Set.CurrentRecord())
    , FUncaught(std::uncaught_exceptions())
{
}

TRecordScanGuard::~TRecordScanGuard()
{
    if (std::uncaught_exceptions() > FUncaught)
        FSet.SetCurrentRecord(FHomeRec);
}
