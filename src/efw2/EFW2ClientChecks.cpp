#include "EFW2ClientChecks.h"

#include "EFW2FormChecks.h"
#include "EFW2Records.h"
#include "RecordFields.h"
#include "TEFW2Client.h"

#include <cmath>
#include <optional>

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

// A money field as the record holds it, for a message: "nan", "inf", "-1000.00".
QString StoredAmount(double Value)
{
    if (std::isnan(Value))
        return QStringLiteral("nan");
    if (std::isinf(Value))
        return Value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    return QString::number(Value, 'f', 2);
}

// The first money field of Bytes that is not a finite amount of zero or
// more: a damaged or foreign file, which must not be filed as zeros.
template <typename TRecord> std::optional<std::pair<QString, QString>> UnfitMoney(const TRecord &Record)
{
    const QByteArray Bytes = Record.Bytes();
    for (const TFieldDef &Field : TRecord::Fields()) {
        if (Field.Type != TFieldType::Money)
            continue;
        const double Value = ReadMoney(Bytes, Field);
        if (!std::isfinite(Value) || Value < 0)
            return std::make_pair(QLatin1String(Field.Name), StoredAmount(Value));
    }
    return std::nullopt;
}

QString UnfitMoneyText(const std::pair<QString, QString> &Unfit)
{
    return QStringLiteral("The amount field %1 holds %2; an amount must be a number of zero or more.")
        .arg(Unfit.first, Unfit.second);
}

TEFW2Refusal CheckMoney(const TEFW2Client &Client)
{
    if (const auto Unfit = UnfitMoney(Client.Employer))
        return EmployerRefusal(Unfit->first, UnfitMoneyText(*Unfit));
    for (int I = 0; I < Client.Employees.size(); ++I) {
        const EmployeeRecord &Employee = Client.Employees.at(I);
        if (const auto Unfit = UnfitMoney(Employee))
            return { Client.RecordNumbers.at(I), EmployeeDisplayName(Employee), Unfit->first,
                UnfitMoneyText(*Unfit) };
    }
    return {};
}

template <typename TCents, typename TLabels>
std::optional<QString> TooLargeOf(
    const TCents &Cents, const TLabels &Labels, int Width, const QString &Prefix)
{
    for (size_t I = 0; I < Cents.size(); ++I)
        if (!EFW2CentsFit(Cents[I], Width))
            return TooLarge(Prefix + Labels[I], Cents[I]);
    return std::nullopt;
}

TEFW2Refusal CheckEmployee(const TEFW2Client &Client, int Index)
{
    const EmployeeRecord &Employee = Client.Employees.at(Index);
    const int Number = Client.RecordNumbers.at(Index);
    const QString Name = EmployeeDisplayName(Employee);
    const TFieldCheck Form = EmployeeFormCheck(Employee);
    if (!Form.Passed())
        return { Number, Name, Form.Field, Form.Message };
    if (const auto Message = TooLargeOf(RWCents(Employee), RWAmountLabels(), RWAmountWidth, QString()))
        return { Number, Name, QString(), *Message };
    if (const auto Message = TooLargeOf(ROCents(Employee), ROAmountLabels(), ROAmountWidth, QString()))
        return { Number, Name, QString(), *Message };
    return {};
}

TEFW2Refusal CheckTotals(const TEFW2Client &Client)
{
    TRWCents Sum {};
    TROCents ROSum {};
    for (const EmployeeRecord &Employee : Client.Employees) {
        const TRWCents Cents = RWCents(Employee);
        for (int I = 0; I < RWAmountCount; ++I)
            Sum[I] += Cents[I];
        const TROCents RO = ROCents(Employee);
        for (int I = 0; I < ROAmountCount; ++I)
            ROSum[I] += RO[I];
    }
    const QString Total = QStringLiteral("The total of ");
    if (const auto Message = TooLargeOf(Sum, RWAmountLabels(), RTAmountWidth, Total))
        return EmployerRefusal(QString(), *Message);
    if (const auto Message = TooLargeOf(ROSum, ROAmountLabels(), RUAmountWidth, Total))
        return EmployerRefusal(QString(), *Message);
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
    if (const TEFW2Refusal Money = CheckMoney(Client); Money.Refused())
        return Money;
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
