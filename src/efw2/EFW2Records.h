#pragma once

#include <QList>
#include <QString>

#include <array>

class EmployeeRecord;
class EmployerRecord;
struct TSubmitterData;

// The records of the SSA's EFW2 wage report: lines of exactly 512 ASCII
// characters, the fields at fixed 1-based positions. Every field is cut or
// padded to its width, so a line never comes out short or long.

inline constexpr int EFW2LineLength = 512;
inline constexpr int RWAmountWidth = 11;
inline constexpr int RTAmountWidth = 15;

// An amount as the EFW2 money fields hold it: whole cents, rounded to the
// nearest cent; zero and negative amounts give 0.
qint64 EFW2Cents(double Value);
// The cents of Value, zero-filled on the left to Width digits. An amount
// whose cents need more digits comes out longer; the writer refuses such an
// amount before it builds any line.
QString FormatEFW2Amount(double Value, int Width);
// Whether the cents fit Width digits.
bool EFW2CentsFit(qint64 Cents, int Width);

// The cents of the four box 12 slots whose code is Code, letter case ignored,
// added together: a code entered in two slots reports both amounts. 0 when no
// slot holds it.
qint64 Box12Cents(const EmployeeRecord &Employee, const QString &Code);
// Box12Cents as an RW money field.
QString Box12Amount(const EmployeeRecord &Employee, const QString &Code);
// The RT totals: the sums of the cents the employees' RW lines hold.
QString Box12Total(const QList<EmployeeRecord> &Employees, const QString &Code);
QString Box11Total(const QList<EmployeeRecord> &Employees);

// The RA submitter record from the submitter data.
QString BuildRA(const TSubmitterData &Submitter);
// The RE employer record.
QString BuildRE(const EmployerRecord &Employer);
// Section 457 plans exist only for governments and tax-exempt organisations:
// an employer of the kind "None apply" reports box 11 as a plan not under
// section 457.
bool Box11IsSection457(const EmployerRecord &Employer);
// The RW record of one employee of Employer.
QString BuildRW(const EmployerRecord &Employer, const EmployeeRecord &Employee);
// The RT total record of the employees whose RW lines were written: their
// count, and the sums of the cents in their RW lines. Only the sick-pay tax
// comes from the employer record.
QString BuildRT(const EmployerRecord &Employer, const QList<EmployeeRecord> &RWEmployees);
// The RO optional record of one employee: allocated tips and the box 12
// amounts the RW has no field for. Only written for an employee who has one
// of them (HasRO).
QString BuildRO(const EmployeeRecord &Employee);
bool HasRO(const EmployeeRecord &Employee);
// The RU total of the RO lines written for RWEmployees: their count and the
// sums of their cents.
QString BuildRU(const QList<EmployeeRecord> &RWEmployees);
// The RF final record counting RWCount RW records.
QString BuildRF(qint32 RWCount);

// The money fields of the RW record that come from the employee, in line
// order: boxes 1 to 7, 10, box 12 codes D to H, box 11, codes W, Q, C, V, Y,
// AA, BB, DD and FF. The RT totals sum the same.
inline constexpr int RWAmountCount = 23;
using TRWCents = std::array<qint64, RWAmountCount>;
// Their cents for one employee, each field read once.
TRWCents RWCents(const EmployeeRecord &Employee);
// What each of them holds, as the W-2 names it.
const std::array<QString, RWAmountCount> &RWAmountLabels();

// The money fields of the RO record, in line order: box 8, box 12 codes A
// and B together, R, S, T, M, N, Z, EE, GG and HH. The RU totals sum the same.
inline constexpr int ROAmountWidth = 11;
inline constexpr int RUAmountWidth = 15;
inline constexpr int ROAmountCount = 11;
using TROCents = std::array<qint64, ROAmountCount>;
TROCents ROCents(const EmployeeRecord &Employee);
const std::array<QString, ROAmountCount> &ROAmountLabels();
