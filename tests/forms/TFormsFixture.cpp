#include "TFormsFixture.h"

#include "RecordFields.h"
#include "TRecordBytes.h"
#include "TRecordSet.h"

#include <QTest>

TFormsFixture::TFormsFixture()
{
    Data.CurrentEmployer = EmployerRecord();
    Data.CurrentEmployee = EmployeeRecord();
}

TFormsFixture::~TFormsFixture()
{
    Data.CloseCompany();
}

QString TFormsFixture::W2Path() const
{
    return Dir.filePath(QStringLiteral("Acme.W225"));
}

QString TFormsFixture::W3Path() const
{
    return Dir.filePath(QStringLiteral("Acme.W325"));
}

void TFormsFixture::WriteCompany(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees)
{
    QList<QByteArray> Records;
    for (const EmployeeRecord &Employee : Employees)
        Records.append(Employee.Bytes());
    TRecordBytes::WriteFile(W3Path(), { Employer.Bytes() });
    TRecordBytes::WriteFile(W2Path(), Records);
}

void TFormsFixture::OpenCompany(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees)
{
    WriteCompany(Employer, Employees);
    Data.OpenCompany(W2Path());
}

QList<EmployeeRecord> TFormsFixture::StoredEmployees() const
{
    const QByteArray Bytes = TRecordBytes::ReadFile(W2Path());
    QList<EmployeeRecord> Result;
    for (qsizetype At = 0; At + EmployeeRecord::RecSize <= Bytes.size(); At += EmployeeRecord::RecSize)
        Result.append(EmployeeRecord::FromBytes(Bytes.mid(At, EmployeeRecord::RecSize)));
    return Result;
}

EmployerRecord TFormsFixture::StoredEmployer() const
{
    return EmployerRecord::FromBytes(TRecordBytes::ReadFile(W3Path()));
}

EmployerRecord TFormsFixture::SampleEmployer()
{
    EmployerRecord R;
    R.SetKindOfPayer941(true);
    R.SetKindOfEmployerNoneApply(true);
    R.SetEmployerEIN(QStringLiteral("12-3456789"));
    R.SetEmployerName(QStringLiteral("Acme Tool & Die Co."));
    R.SetEmployerTradeName(QStringLiteral("Acme Tools"));
    R.SetEmployerAddress(QStringLiteral("100 Industrial Way"));
    R.SetEmployerCity(QStringLiteral("Springfield"));
    R.SetEmployerState(QStringLiteral("IL"));
    R.SetEmployerZipCode(QStringLiteral("62701"));
    R.SetEmployerCityStateZip(QStringLiteral("Springfield IL 62701"));
    R.SetBox15State(QStringLiteral("IL"));
    R.SetEmployerStateID(QStringLiteral("12345678"));
    R.SetContactPerson(QStringLiteral("Pat Ledger"));
    R.SetContactPhone(QStringLiteral("217-555-0100"));
    R.SetContactEmail(QStringLiteral("pat@acme.example"));
    R.SetContactFax(QStringLiteral("   -   -    "));
    R.SetOtherEIN(QStringLiteral("  -       "));
    R.SetSignerName(QStringLiteral("Pat Ledger"));
    R.SetSignerTitle(QStringLiteral("Controller"));
    R.SetSignatureDate(QStringLiteral("01/30/2026"));
    return R;
}

EmployeeRecord TFormsFixture::SampleEmployee(const QString &First, const QString &Last, double Wages)
{
    EmployeeRecord E;
    E.SetEmployeeSSN(QStringLiteral("123-45-6780"));
    E.SetFirstName(First);
    E.SetLastName(Last);
    E.SetStreetAddress(QStringLiteral("12 Elm Street"));
    E.SetCity(QStringLiteral("Springfield"));
    E.SetState(QStringLiteral("IL"));
    E.SetZipCode(QStringLiteral("62704"));
    E.SetCityStateZip(QStringLiteral("Springfield IL 62704"));
    E.SetBox1Wages(Wages);
    E.SetBox3SocSecWages(Wages);
    E.SetBox4SocSecTax(qRound64(Wages * 6.2) / 100.0);
    E.SetBox5MedicareWages(Wages);
    E.SetBox6MedicareTax(qRound64(Wages * 1.45) / 100.0);
    E.SetBox15State_a(QStringLiteral("IL"));
    E.SetStateID_a(QStringLiteral("12345678"));
    E.SetBox16StateWages_a(Wages);
    return E;
}

QList<EmployeeRecord> TFormsFixture::Employees(const QStringList &Names)
{
    QList<EmployeeRecord> Result;
    for (const QString &Name : Names) {
        const QStringList Parts = Name.split(QLatin1Char(' '));
        Result.append(SampleEmployee(Parts.value(0), Parts.value(1)));
    }
    return Result;
}

void TFormsFixture::ExpectSameFields(
    const QByteArray &Got, const QByteArray &Expected, std::span<const TFieldDef> Fields)
{
    for (const TFieldDef &Def : Fields) {
        if (Def.Type == TFieldType::Str)
            QVERIFY2(ReadStr(Got, Def) == ReadStr(Expected, Def), Def.Name);
        else
            QVERIFY2(Got.mid(Def.Offset, Def.Size()) == Expected.mid(Def.Offset, Def.Size()), Def.Name);
    }
}
