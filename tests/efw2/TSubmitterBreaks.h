#pragma once

#include "TSubmitterData.h"

#include <QString>

// The submitter rules in their order, each with a way to break it, the field
// it names and its message: shared by the rule, window and command-line tests.
struct TSubmitterBreak {
    const char *Row;
    QString Field;
    QString Message;
    void (*Break)(TSubmitterData &Data);
};

inline constexpr int SubmitterRuleCount = 17;
const TSubmitterBreak &SubmitterBreak(int Rule); // 1 to 17

// Submitter data that fails rule Rule and every later rule it can, so that
// only table order decides which is reported.
TSubmitterData BrokenFrom(int Rule);
