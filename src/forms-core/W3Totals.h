#pragma once

class EmployeeRecord;
class EmployerRecord;
class TFrmDataModule;

// The W-3 totals are plain sums over every employee record; the display
// rounds them to cents.

// Sets every total of boxes 1 to 12a and 16 to 19 to 0. The count of forms
// and box 14, which the person enters, are left alone.
void ClearW3Totals(EmployerRecord &Employer);
// Adds one employee's amounts to the totals.
void AddToW3Totals(EmployerRecord &Employer, const EmployeeRecord &Employee);
// Recomputes the totals and the count of forms of CurrentEmployer from every
// record of the employee file, walking it through CurrentEmployee and coming
// back to the current record. Post edits of the current employee first.
void ComputeW3Totals(TFrmDataModule &Data);
