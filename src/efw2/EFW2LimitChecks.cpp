#include "EFW2LimitChecks.h"

#include "AppInfo.h"
#include "EFW2Records.h"
#include "EmployeeRecord.h"
#include "IdentifierChecks.h"
#include "TEFW2Client.h"
#include "TaxRates.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The 2025 figures of the W-2's derived amounts, in cents and in whole
// parts of 1,000 and 10,000, so that the checks compare exact integers.
const qint64 WageBase = std::llround(TaxRates::SocSecWageBase * 100);
const qint64 MaxSocSecTax = std::llround(TaxRates::MaxSocSecTax * 100);
const qint64 MedicareThreshold = std::llround(TaxRates::AdditionalMedicareThreshold * 100);
const qint64 SocSecPerMille = std::llround(TaxRates::SocSecTaxRate * 1000);
const qint64 MedicarePer10000 = std::llround(TaxRates::MedicareTaxRate * 10000);
const qint64 AdditionalPer10000 = std::llround(TaxRates::AdditionalMedicareTaxRate * 10000);

struct TAmounts {
    qint64 SocSecWages;
    qint64 SocSecTax;
    qint64 MedicareWages;
    qint64 MedicareTax;
    qint64 SocSecTips;
};

TAmounts AmountsOf(const EmployeeRecord &E)
{
    return { EFW2Cents(E.Box3SocSecWages()), EFW2Cents(E.Box4SocSecTax()), EFW2Cents(E.Box5MedicareWages()),
        EFW2Cents(E.Box6MedicareTax()), EFW2Cents(E.Box7SocSecTips()) };
}

struct TRuleResult {
    bool Error;
    QString Rule;
    QString Amounts;
};

QList<TRuleResult> RulesFailed(const TAmounts &A)
{
    QList<TRuleResult> Failed;
    const qint64 SocSecBase = A.SocSecWages + A.SocSecTips;
    const QString Base = DollarsText(SocSecBase);
    if (SocSecBase > WageBase)
        Failed.append({ true,
            QStringLiteral("social security wages plus tips above the %1 wage base of %2")
                .arg(YearText(), DollarsText(WageBase)),
            QStringLiteral("boxes 3 and 7: %1").arg(Base) });
    if (A.SocSecTax > MaxSocSecTax)
        Failed.append({ true,
            QStringLiteral("social security tax above the %1 maximum of %2")
                .arg(YearText(), DollarsText(MaxSocSecTax)),
            QStringLiteral("box 4: %1").arg(DollarsText(A.SocSecTax)) });
    // A cent of leeway, in thousandths of a cent.
    if (A.SocSecTax * 1000 > SocSecBase * SocSecPerMille + 1000)
        Failed.append({ true,
            QStringLiteral(
                "social security tax more than a cent above 6.2 % of social security wages plus tips"),
            QStringLiteral("box 4: %1, boxes 3 and 7: %2").arg(DollarsText(A.SocSecTax), Base) });
    if (A.MedicareWages < SocSecBase)
        Failed.append({ true, QStringLiteral("Medicare wages and tips below social security wages plus tips"),
            QStringLiteral("box 5: %1, boxes 3 and 7: %2").arg(DollarsText(A.MedicareWages), Base) });
    // In ten-thousandths of a cent.
    const qint64 Above = std::max<qint64>(0, A.MedicareWages - MedicareThreshold);
    const qint64 Expected = A.MedicareWages * MedicarePer10000 + Above * AdditionalPer10000;
    if (std::llabs(A.MedicareTax * 10000 - Expected) > 10000)
        Failed.append({ false,
            QStringLiteral(
                "Medicare tax more than a cent away from 1.45 % of Medicare wages and tips plus 0.9 % "
                "of the part above %1")
                .arg(DollarsText(MedicareThreshold)),
            QStringLiteral("box 6: %1, box 5: %2")
                .arg(DollarsText(A.MedicareTax), DollarsText(A.MedicareWages)) });
    return Failed;
}

// Code II (Medicaid waiver payments) is printed on the W-2, but the wage
// report this program writes has no field for it: say so, so that nobody
// takes the file for the whole of box 12.
QList<TRuleResult> AmountsLeftOut(const EmployeeRecord &E)
{
    const qint64 Cents = Box12Cents(E, QStringLiteral("II"));
    if (Cents <= 0)
        return {};
    return { { false,
        QStringLiteral("box 12 code II is printed on the W-2 but not written to the wage report"),
        QStringLiteral("code II: %1").arg(DollarsText(Cents)) } };
}

} // namespace

// As the forms show dollars, whatever the locale: "176,100.00".
QString DollarsText(qint64 Cents)
{
    QString Whole = QString::number(Cents / 100);
    for (qsizetype At = Whole.size() - 3; At > 0; At -= 3)
        Whole.insert(At, QLatin1Char(','));
    return Whole + QStringLiteral(".%1").arg(Cents % 100, 2, 10, QLatin1Char('0'));
}

QString TEFW2Finding::Text() const
{
    return QStringLiteral("%1: employee record %2 (%3, %4): %5 (%6)")
        .arg(Error ? QStringLiteral("Error") : QStringLiteral("Notice"))
        .arg(RecordNumber)
        .arg(EmployeeName, MaskedSSN, Rule, Amounts);
}

QList<TEFW2Finding> CheckEFW2Limits(const TEFW2Client &Client)
{
    QList<TEFW2Finding> Findings;
    for (int I = 0; I < Client.Employees.size(); ++I) {
        const EmployeeRecord &Employee = Client.Employees.at(I);
        for (const TRuleResult &Failed : RulesFailed(AmountsOf(Employee)) + AmountsLeftOut(Employee))
            Findings.append({ Failed.Error, 0, Client.RecordNumbers.at(I), EmployeeDisplayName(Employee),
                MaskSSN(Employee.EmployeeSSN()), Failed.Rule, Failed.Amounts });
    }
    return Findings;
}

bool HasErrors(const QList<TEFW2Finding> &Findings)
{
    return std::any_of(Findings.cbegin(), Findings.cend(), [](const TEFW2Finding &F) { return F.Error; });
}
