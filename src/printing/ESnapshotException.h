#pragma once

#include "EReportException.h"

// A snapshot file or stream is damaged, incomplete or of an unknown kind.
class ESnapshotException : public EReportException {
public:
    using EReportException::EReportException;
};
