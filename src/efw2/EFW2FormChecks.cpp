#include "EFW2FormChecks.h"

#include "W2Checks.h"
#include "W3Checks.h"

TFieldCheck EmployerFormCheck(const EmployerRecord &Employer)
{
    return CheckW3(Employer);
}

TFieldCheck EmployeeFormCheck(const EmployeeRecord &Employee)
{
    return CheckW2(Employee);
}
