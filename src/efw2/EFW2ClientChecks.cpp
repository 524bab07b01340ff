#include "EFW2ClientChecks.h"

#include "EFW2FormChecks.h"
#include "EFW2Records.h"
#include "TEFW2Client.h"

namespace {

QString Dollars(qint64 Cents)
{
    return QStringLiteral("%1.%2").arg(Cents / 100).arg(Cents % 100, 2, 10, QLatin1Char('0'));
}

QString TooLarge(const QString &What, qint64 Cents)
{
    return QStringLiteral("%1 of %2 is too large for the EFW2 file.").arg(What, Dollars(Cents));
}

TEFW2Refusal EmployerRefusal(const QString &Field, const QString &Message)
{
    return { 0, QString(), Field, Message };
}

TEFW2Refusal CheckEmployee(const TEFW2Client &Client, int Index)
{
    const EmployeeRecord &Employee = Client.Employees.at(Index);
    const int Number = Client.RecordNumbers.at(Index);
    const QString Name = EmployeeDisplayName(Employee);
    const TFieldCheck Form = EmployeeFormCheck(Employee);
    if (!Form.Passed())
        return { Number, Name, Form.Field, Form.Message };
    const TRWCents Cents = RWCents(Employee);
    for (int I = 0; I < RWAmountCount; ++I)
        if (!EFW2CentsFit(Cents[I], RWAmountWidth))
            return { Number, Name, QString(), TooLarge(RWAmountLabels()[I], Cents[I]) };
    return {};
}

TEFW2Refusal CheckTotals(const TEFW2Client &Client)
{
    TRWCents Sum {};
    for (const EmployeeRecord &Employee : Client.Employees) {
        const TRWCents Cents = RWCents(Employee);
        for (int I = 0; I < RWAmountCount; ++I)
            Sum[I] += Cents[I];
    }
    for (int I = 0; I < RWAmountCount; ++I)
        if (!EFW2CentsFit(Sum[I], RTAmountWidth))
            return EmployerRefusal(
                QString(), TooLarge(QStringLiteral("The total of ") + RWAmountLabels()[I], Sum[I]));
    const qint64 SickPayTax = EFW2Cents(Client.Employer.SickPayTaxWithheld());
    if (!EFW2CentsFit(SickPayTax, RTAmountWidth))
        return EmployerRefusal(QStringLiteral("Box14"),
            TooLarge(QStringLiteral("Box 14 (Income tax withheld by third-party payer)"), SickPayTax));
    return {};
}

} // namespace

QString TEFW2Refusal::Text() const
{
    if (RecordNumber == 0)
        return QStringLiteral("Form W-3: ") + Message;
    return QStringLiteral("Form W-2 of employee record %1 (%2): %3")
        .arg(RecordNumber)
        .arg(EmployeeName, Message);
}

TEFW2Refusal CheckEFW2Client(const TEFW2Client &Client)
{
    const TFieldCheck Employer = EmployerFormCheck(Client.Employer);
    if (!Employer.Passed())
        return EmployerRefusal(Employer.Field, Employer.Message);
    for (int I = 0; I < Client.Employees.size(); ++I) {
        const TEFW2Refusal Refusal = CheckEmployee(Client, I);
        if (Refusal.Refused())
            return Refusal;
    }
    return CheckTotals(Client);
}
