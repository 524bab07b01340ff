#pragma once

#include "EmployeeRecord.h"
#include "EmployerRecord.h"

#include <QString>

// The company of the benchmarks: an employer and employees who pass every
// W-2 check and fill the boxes most employees have, box 12 included.
namespace TBenchCompany {

EmployerRecord Employer(const QString &Name);
EmployeeRecord Employee(int I);
// Writes Folder/Name.W325 and Folder/Name.W225 with Count employees; the
// path of the .W225.
QString WriteCompany(const QString &Folder, const QString &Name, int Count);

} // namespace TBenchCompany
