#include "TEFW2Fixtures.h"

#include "TFormsFixture.h"
#include "TRecordBytes.h"

#include <QDir>

namespace EFW2Fixtures {

TSubmitterData Submitter()
{
    TSubmitterData D;
    D.EIN = QStringLiteral("12-3456789");
    D.UserID = QStringLiteral("AB12CD34");
    D.CompanyName = QStringLiteral("ACME PAYROLL SERVICES");
    D.LocationAddr = QStringLiteral("SUITE 200");
    D.DeliveryAddr = QStringLiteral("100 MAIN ST");
    D.City = QStringLiteral("SPRINGFIELD");
    D.StateCode = QStringLiteral("IL");
    D.ZipCode = QStringLiteral("62701");
    D.ZipCodeExt = QStringLiteral("1234");
    D.SubmitName = QStringLiteral("ACME PAYROLL SERVICES");
    D.SubmitAddr2 = QStringLiteral("100 MAIN ST");
    D.SubmitCity = QStringLiteral("SPRINGFIELD");
    D.SubmitState = QStringLiteral("IL");
    D.SubmitZip = QStringLiteral("62701");
    D.ContactName = QStringLiteral("PAT LEDGER");
    D.ContactPhone = QStringLiteral("217-555-0100");
    D.ContactExt = QStringLiteral("12");
    D.ContactEmail = QStringLiteral("pat@acme.example");
    D.ContactFax = QStringLiteral("217-555-0199");
    D.PreparerCode = QStringLiteral("A");
    return D;
}

EmployerRecord Employer(const QString &Name)
{
    EmployerRecord R;
    R.SetKindOfPayer941(true);
    R.SetKindOfEmployerNoneApply(true);
    R.SetEstablishmentNumber(QStringLiteral("0001"));
    R.SetEmployerEIN(QStringLiteral("12-3456789"));
    R.SetEmployerName(Name);
    R.SetEmployerAddress(QStringLiteral("100 Industrial Way"));
    R.SetEmployerCity(QStringLiteral("Springfield"));
    R.SetEmployerState(QStringLiteral("IL"));
    R.SetEmployerZipCode(QStringLiteral("62701-4321"));
    R.SetEmployerCityStateZip(QStringLiteral("Springfield IL 62701-4321"));
    R.SetOtherEIN(QStringLiteral("  -       "));
    R.SetBox15State(QStringLiteral("IL"));
    R.SetEmployerStateID(QStringLiteral("12345678"));
    R.SetContactPerson(QStringLiteral("Pat Ledger"));
    R.SetContactPhone(QStringLiteral("217-555-0100"));
    R.SetContactEmail(QStringLiteral("pat@acme.example"));
    R.SetContactFax(QStringLiteral("217-555-0199"));
    return R;
}

EmployeeRecord Employee(const QString &First, const QString &Last, double Wages)
{
    return TFormsFixture::SampleEmployee(First, Last, Wages);
}

QList<EmployeeRecord> Employees(int Count, const QString &Last)
{
    QList<EmployeeRecord> Result;
    for (int I = 1; I <= Count; ++I)
        Result.append(Employee(QStringLiteral("Emp%1").arg(I), Last, 1000.0 * I));
    return Result;
}

QString WriteCompany(const QString &Folder, const QString &Name, const EmployerRecord &Employer,
    const QList<EmployeeRecord> &Employees)
{
    QDir().mkpath(Folder);
    const QString Base = QDir(Folder).filePath(Name);
    TRecordBytes::WriteFile(Base + QStringLiteral(".W325"), { Employer.Bytes() });
    QList<QByteArray> Records;
    for (const EmployeeRecord &E : Employees)
        Records.append(E.Bytes());
    TRecordBytes::WriteFile(Base + QStringLiteral(".W225"), Records);
    return Base + QStringLiteral(".W225");
}

QByteArray SettingsBytes(const TSubmitterData &D, qint32 TotalRecords, bool ExcludeSubmitter,
    bool ExcludeFinal, bool LastClientConfirmed)
{
    const auto Text = [](const QString &Value) { return Value.toLatin1(); };
    return TRecordBytes(564)
        .PutStr(3, Text(D.EIN))
        .PutStr(14, Text(D.UserID))
        .PutStr(34, D.ResubInd ? "1" : "0")
        .PutStr(36, Text(D.ResubID))
        .PutStr(46, Text(D.CompanyName))
        .PutStr(104, Text(D.LocationAddr))
        .PutStr(127, Text(D.DeliveryAddr))
        .PutStr(150, Text(D.City))
        .PutStr(173, Text(D.StateCode))
        .PutStr(176, Text(D.ZipCode))
        .PutStr(182, Text(D.ZipCodeExt))
        .PutStr(193, Text(D.ForeignState))
        .PutStr(217, Text(D.ForeignZip))
        .PutStr(233, Text(D.CountryCode))
        .PutStr(236, Text(D.SubmitName))
        .PutStr(294, Text(D.SubmitAddr1))
        .PutStr(317, Text(D.SubmitAddr2))
        .PutStr(340, Text(D.SubmitCity))
        .PutStr(363, Text(D.SubmitState))
        .PutStr(366, Text(D.SubmitZip))
        .PutStr(372, Text(D.SubmitZipExt))
        .PutStr(383, Text(D.SubmitFSP))
        .PutStr(407, Text(D.SubmitFPC))
        .PutStr(423, Text(D.SubmitCC))
        .PutStr(426, Text(D.ContactName))
        .PutStr(454, Text(D.ContactPhone))
        .PutStr(470, Text(D.ContactExt))
        .PutStr(480, Text(D.ContactEmail))
        .PutStr(525, Text(D.ContactFax))
        .PutStr(540, Text(D.PreparerCode))
        .PutInt32(556, TotalRecords)
        .PutFlag(560, ExcludeSubmitter)
        .PutFlag(561, ExcludeFinal)
        .PutFlag(562, LastClientConfirmed);
}

QStringList RecordIds(const QStringList &Lines)
{
    QStringList Ids;
    for (const QString &Line : Lines)
        Ids.append(Line.left(2));
    return Ids;
}

QStringList CrLfLines(const QByteArray &Bytes)
{
    QStringList Lines;
    qsizetype From = 0;
    while (From < Bytes.size()) {
        const qsizetype End = Bytes.indexOf("\r\n", From);
        if (End < 0)
            return { QStringLiteral("<last line without CR LF>") };
        Lines.append(QString::fromLatin1(Bytes.mid(From, End - From)));
        From = End + 2;
    }
    if (Bytes.count('\n') != Lines.size())
        return { QStringLiteral("<a line ended without CR>") };
    return Lines;
}

} // namespace EFW2Fixtures
