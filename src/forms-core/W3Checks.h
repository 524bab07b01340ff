#pragma once

#include "TFieldCheck.h"

class EmployerRecord;

// The checks the employer passes before the W-3 window lets the person
// close it, in their order; the first failure is returned with the control
// to focus.
TFieldCheck CheckW3(const EmployerRecord &Employer);
