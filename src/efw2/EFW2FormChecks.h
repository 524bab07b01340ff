#pragma once

#include "TFieldCheck.h"

class EmployeeRecord;
class EmployerRecord;

// The checks of the entry windows that a company passes before its EFW2
// records are written: the employer the W-3 window's, each employee the W-2
// window's. The EFW2 writer asks them here, so it always runs the checks the
// windows run, never a copy of them.
TFieldCheck EmployerFormCheck(const EmployerRecord &Employer);
TFieldCheck EmployeeFormCheck(const EmployeeRecord &Employee);
