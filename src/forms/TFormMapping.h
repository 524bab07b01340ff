#pragma once

class EmployeeRecord;
class EmployerRecord;
class TFrmW2;
class TFrmW3;

// The one place that moves values between the working records and the
// fields of the entry windows. A put fills the fields from a record, a get
// copies the fields back into one, each text cut to its field's width;
// neither writes a file.
class TFormMapping {
public:
    static void PutEmployee(const EmployeeRecord &Employee, TFrmW2 &Window);
    // CityStateZip is rebuilt from city, state and ZIP; Box9Text is kept.
    static void GetEmployee(const TFrmW2 &Window, EmployeeRecord &Employee);
    // The employer's identity in the read-only boxes b and c of the W-2 window.
    static void PutEmployerBlock(const EmployerRecord &Employer, TFrmW2 &Window);

    static void PutEmployer(const EmployerRecord &Employer, TFrmW3 &Window);
    // Only what the person enters is read back; the count of forms, the
    // totals and the file password stay as they are in Employer.
    static void GetEmployer(const TFrmW3 &Window, EmployerRecord &Employer);
};
