#include "TBenchCompany.h"

#include <QDir>
#include <QFile>

namespace TBenchCompany {

EmployerRecord Employer(const QString &Name)
{
    EmployerRecord R;
    R.SetKindOfPayer941(true);
    R.SetKindOfEmployerNoneApply(true);
    R.SetEmployerEIN(QStringLiteral("12-3456789"));
    R.SetEmployerName(Name);
    R.SetEmployerAddress(QStringLiteral("100 Industrial Way"));
    R.SetEmployerCity(QStringLiteral("Springfield"));
    R.SetEmployerState(QStringLiteral("IL"));
    R.SetEmployerZipCode(QStringLiteral("62701-4321"));
    R.SetBox15State(QStringLiteral("IL"));
    R.SetEmployerStateID(QStringLiteral("12345678"));
    R.SetContactPerson(QStringLiteral("Pat Ledger"));
    R.SetContactPhone(QStringLiteral("217-555-0100"));
    R.SetContactEmail(QStringLiteral("pat@acme.example"));
    return R;
}

EmployeeRecord Employee(int I)
{
    const double Wages = 20000.0 + I * 3.17;
    EmployeeRecord E;
    E.SetEmployeeSSN(QStringLiteral("234-56-%1").arg(1000 + I % 9000, 4, 10, QLatin1Char('0')));
    E.SetFirstName(QStringLiteral("Jos\u00e9 %1").arg(I));
    E.SetLastName(QStringLiteral("Mu\u00f1oz"));
    E.SetStreetAddress(QStringLiteral("%1 Elm Street").arg(I));
    E.SetCity(QStringLiteral("Springfield"));
    E.SetState(QStringLiteral("IL"));
    E.SetZipCode(QStringLiteral("62704-1234"));
    // As the W-2 window derives it on every save.
    E.SetCityStateZip(QStringLiteral("Springfield IL 62704-1234"));
    E.SetBox1Wages(Wages);
    E.SetBox2FedIncomeTax(Wages * 0.1);
    E.SetBox3SocSecWages(Wages);
    E.SetBox4SocSecTax(Wages * 0.062);
    E.SetBox5MedicareWages(Wages);
    E.SetBox6MedicareTax(Wages * 0.0145);
    E.SetBox12Code_a(QStringLiteral("D"));
    E.SetBox12Amt_a(1000);
    E.SetBox12Code_b(QStringLiteral("dd"));
    E.SetBox12Amt_b(5000.55);
    E.SetBox15State_a(QStringLiteral("IL"));
    E.SetStateID_a(QStringLiteral("12345678"));
    E.SetBox16StateWages_a(Wages);
    return E;
}

QString WriteCompany(const QString &Folder, const QString &Name, int Count)
{
    const QString Base = QDir(Folder).filePath(Name);
    QFile W3(Base + QStringLiteral(".W325"));
    QFile W2(Base + QStringLiteral(".W225"));
    if (!W3.open(QIODevice::WriteOnly) || !W2.open(QIODevice::WriteOnly))
        qFatal("cannot write the company files");
    W3.write(Employer(Name.toUpper()).Bytes());
    for (int I = 0; I < Count; ++I)
        W2.write(Employee(I).Bytes());
    return Base + QStringLiteral(".W225");
}

} // namespace TBenchCompany
