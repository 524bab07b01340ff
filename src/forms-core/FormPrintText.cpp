#include "FormPrintText.h"

#include "AmountFormat.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "IdentifierChecks.h"
#include "NumberUtils.h"
#include "TextUtils.h"

#include <iterator>

namespace {

// The printed form has a box 9 only for the one verification code the IRS
// once asked for: exactly 19 characters.
constexpr int Box9CodeLength = 19;

struct TBox12Slot {
    QString Code;
    double Amount;
};

void AddAmount(TReportParams &Params, const QString &Name, double Value, bool Grouped)
{
    Params.append({ Name, PrintAmount(Value, Grouped) });
}

// A coded box (12 or 14) prints its text only beside an amount that prints.
void AddCodedAmount(
    TReportParams &Params, const QString &Name, const QString &Text, double Amount, bool Grouped)
{
    const QString AmountText = PrintAmount(Amount, Grouped);
    Params.append({ Name + QLatin1Char('1'), AmountText.isEmpty() ? QString() : Text });
    Params.append({ Name + QLatin1Char('2'), AmountText });
}

QString Box9Text(const EmployeeRecord &Employee, TW2Copy Copy)
{
    if (Copy == TW2Copy::State)
        return QString();
    const QString Text = Employee.Box9Text();
    return TrimText(Text).size() == Box9CodeLength ? Text : QString();
}

QString BoxaText(const EmployeeRecord &Employee, TW2Copy Copy, bool Masked)
{
    if (Copy == TW2Copy::Employee && Masked)
        return MaskSSN(Employee.EmployeeSSN());
    return Employee.EmployeeSSN();
}

void AddW3Amount(TReportParams &Params, const QString &Name, double Value)
{
    const QString Text = PrintAmount(Value, false);
    if (!Text.isEmpty())
        Params.append({ Name, Text });
}

void AddW3Phone(TReportParams &Params, const QString &Name, const QString &Number)
{
    if (IsValidPhone(Number))
        Params.append({ Name, Number });
}

void AddW3Flags(TReportParams &Params, const EmployerRecord &Employer)
{
    const bool Flags[] = { Employer.KindOfPayer941(), Employer.KindOfPayerMilitary(),
        Employer.KindOfPayer943(), Employer.KindOfPayer944(), Employer.KindOfPayerCT1(),
        Employer.KindOfPayerHousehold(), Employer.KindOfPayerMedicareGovt(),
        Employer.KindOfEmployerNoneApply(), Employer.KindOfEmployer501cNonGovt(),
        Employer.KindOfEmployerStateLocalNon501c(), Employer.KindOfEmployerStateLocal501c(),
        Employer.KindOfEmployerFederalGovt(), Employer.ThirdPartySickPay() };
    for (int I = 0; I < int(std::size(Flags)); ++I)
        if (Flags[I])
            Params.append({ QStringLiteral("Boxb%1").arg(I + 1), QStringLiteral("X") });
}

} // namespace

TW2Copy W2CopyOfFormType(int FormType)
{
    switch (FormType) {
    case 1:
        return TW2Copy::Employer;
    case 2:
        return TW2Copy::State;
    case 3:
        return TW2Copy::SSA;
    default:
        return TW2Copy::Employee;
    }
}

QString PrintUpper(const QString &Text)
{
    QString Result = Text;
    for (QChar &Ch : Result)
        if (Ch >= QLatin1Char('a') && Ch <= QLatin1Char('z'))
            Ch = QChar(Ch.unicode() - 'a' + 'A');
    return Result;
}

QString PrintAmount(double Value, bool Grouped)
{
    const double Rounded = RoundValue(Value, 2);
    if (Rounded == 0)
        return QString();
    // QString::number writes '.' whatever the locale, as the amount fields show it.
    return Grouped ? FormatAmount(Rounded, 2, false) : QString::number(Rounded, 'f', 2);
}

bool GroupsThousands(TW2Copy Copy)
{
    return Copy != TW2Copy::SSA;
}

QString PrintCheck(bool Set)
{
    return Set ? QStringLiteral("X") : QString();
}

TReportParams W2EmployerParams(const EmployerRecord &Employer)
{
    const bool NoTradeName = IsBlank(Employer.EmployerTradeName());
    const QString Name = PrintUpper(Employer.EmployerName());
    return {
        { QStringLiteral("Boxb"), Employer.EmployerEIN() },
        { QStringLiteral("Boxc1"), NoTradeName ? QString() : Name },
        { QStringLiteral("Boxc2"), NoTradeName ? Name : PrintUpper(Employer.EmployerTradeName()) },
        { QStringLiteral("Boxc3"), PrintUpper(Employer.EmployerAddress()) },
        { QStringLiteral("Boxc4"), PrintUpper(Employer.EmployerCityStateZip()) },
    };
}

TReportParams W2EmployeeParams(const EmployeeRecord &Employee, TW2Copy Copy, bool Masked)
{
    const bool Grouped = GroupsThousands(Copy);
    const EmployeeRecord &E = Employee;
    TReportParams P {
        { QStringLiteral("Boxa"), BoxaText(E, Copy, Masked) },
        { QStringLiteral("Boxd"), E.ControlNumber() },
        { QStringLiteral("Boxe1"), PrintUpper(E.FirstName()) },
        { QStringLiteral("Boxe2"), PrintUpper(E.LastName()) },
        { QStringLiteral("Boxe3"), PrintUpper(E.Suffix()) },
        { QStringLiteral("Boxf1"), PrintUpper(E.StreetAddress()) },
        { QStringLiteral("Boxf2"), PrintUpper(E.CityStateZip()) },
    };
    const double Boxes1To8[] = { E.Box1Wages(), E.Box2FedIncomeTax(), E.Box3SocSecWages(), E.Box4SocSecTax(),
        E.Box5MedicareWages(), E.Box6MedicareTax(), E.Box7SocSecTips(), E.Box8AllocatedTips() };
    for (int I = 0; I < 8; ++I)
        AddAmount(P, QStringLiteral("Box%1").arg(I + 1), Boxes1To8[I], Grouped);
    P.append({ QStringLiteral("Box9"), Box9Text(E, Copy) });
    AddAmount(P, QStringLiteral("Box10"), E.Box10DependentCare(), Grouped);
    AddAmount(P, QStringLiteral("Box11"), E.Box11NonqualifiedPlans(), Grouped);
    const TBox12Slot Box12[] = { { E.Box12Code_a(), E.Box12Amt_a() }, { E.Box12Code_b(), E.Box12Amt_b() },
        { E.Box12Code_c(), E.Box12Amt_c() }, { E.Box12Code_d(), E.Box12Amt_d() } };
    for (int I = 0; I < 4; ++I)
        AddCodedAmount(P, QStringLiteral("Box12") + QChar('a' + I), Box12[I].Code, Box12[I].Amount, Grouped);
    P.append({ QStringLiteral("Box13a"), PrintCheck(E.Box13Statutory()) });
    P.append({ QStringLiteral("Box13b"), PrintCheck(E.Box13Retirement()) });
    P.append({ QStringLiteral("Box13c"), PrintCheck(E.Box13SickPay()) });
    const TBox12Slot Box14[] = { { E.Box14Desc_a(), E.Box14Amt_a() }, { E.Box14Desc_b(), E.Box14Amt_b() },
        { E.Box14Desc_c(), E.Box14Amt_c() } };
    for (int I = 0; I < 3; ++I)
        AddCodedAmount(
            P, QStringLiteral("Box14") + QChar('a' + I), PrintUpper(Box14[I].Code), Box14[I].Amount, Grouped);
    P.append({ QStringLiteral("Box15a1"), E.Box15State_a() });
    P.append({ QStringLiteral("Box15a2"), E.StateID_a() });
    P.append({ QStringLiteral("Box15b1"), E.Box15State_b() });
    P.append({ QStringLiteral("Box15b2"), E.StateID_b() });
    const double StateLines[][2] = { { E.Box16StateWages_a(), E.Box16StateWages_b() },
        { E.Box17StateTax_a(), E.Box17StateTax_b() }, { E.Box18LocalWages_a(), E.Box18LocalWages_b() },
        { E.Box19LocalTax_a(), E.Box19LocalTax_b() } };
    for (int I = 0; I < 4; ++I) {
        AddAmount(P, QStringLiteral("Box%1a").arg(16 + I), StateLines[I][0], Grouped);
        AddAmount(P, QStringLiteral("Box%1b").arg(16 + I), StateLines[I][1], Grouped);
    }
    P.append({ QStringLiteral("Box20a"), PrintUpper(E.Box20Locality_a()) });
    P.append({ QStringLiteral("Box20b"), PrintUpper(E.Box20Locality_b()) });
    return P;
}

QString W2SlotParamName(const QString &Name, int Slot)
{
    const bool EndsInDigit = !Name.isEmpty() && Name.back().isDigit();
    return Name + (EndsInDigit ? QStringLiteral("_") : QString()) + QString::number(Slot);
}

TReportParams W3Params(const EmployerRecord &Employer)
{
    const EmployerRecord &R = Employer;
    TReportParams P { { QStringLiteral("Boxa"), R.EmployerControlNumber() } };
    AddW3Flags(P, R);
    P.append({ QStringLiteral("Boxc"), QString::number(R.FormsW2Count()) });
    P.append({ QStringLiteral("Boxd"), R.EstablishmentNumber() });
    P.append({ QStringLiteral("Boxe"), R.EmployerEIN() });
    P.append({ QStringLiteral("Boxf1"), PrintUpper(R.EmployerName()) });
    P.append({ QStringLiteral("Boxf2"), PrintUpper(R.EmployerTradeName()) });
    P.append({ QStringLiteral("Boxg1"), PrintUpper(R.EmployerAddress()) });
    P.append({ QStringLiteral("Boxg2"), PrintUpper(R.EmployerCityStateZip()) });
    P.append({ QStringLiteral("Boxh"), IsValidEIN(R.OtherEIN()) ? R.OtherEIN() : QString() });
    const double Boxes1To8[]
        = { R.TotalWages(), R.TotalFedIncomeTax(), R.TotalSocSecWages(), R.TotalSocSecTax(),
              R.TotalMedicareWages(), R.TotalMedicareTax(), R.TotalSocSecTips(), R.TotalAllocatedTips() };
    for (int I = 0; I < 8; ++I)
        AddW3Amount(P, QStringLiteral("Box%1").arg(I + 1), Boxes1To8[I]);
    AddW3Amount(P, QStringLiteral("Box10"), R.TotalDependentCare());
    AddW3Amount(P, QStringLiteral("Box11"), R.TotalNonqualifiedPlans());
    AddW3Amount(P, QStringLiteral("Box12a"), R.TotalDeferredComp());
    P.append({ QStringLiteral("Box13"), PrintUpper(R.SickPayText()) });
    AddW3Amount(P, QStringLiteral("Box14"), R.SickPayTaxWithheld());
    P.append({ QStringLiteral("Box15"), R.Box15State() });
    P.append({ QStringLiteral("EmployerStateID"), R.EmployerStateID() });
    AddW3Amount(P, QStringLiteral("Box16"), R.TotalStateWages());
    AddW3Amount(P, QStringLiteral("Box17"), R.TotalStateTax());
    AddW3Amount(P, QStringLiteral("Box18"), R.TotalLocalWages());
    AddW3Amount(P, QStringLiteral("Box19"), R.TotalLocalTax());
    P.append({ QStringLiteral("ContactPerson"), PrintUpper(R.ContactPerson()) });
    AddW3Phone(P, QStringLiteral("TelephoneNum"), R.ContactPhone());
    P.append({ QStringLiteral("EmailAddress"), R.ContactEmail() });
    AddW3Phone(P, QStringLiteral("FaxNum"), R.ContactFax());
    P.append({ QStringLiteral("Signature"), R.SignerName() });
    P.append({ QStringLiteral("Title"), PrintUpper(R.SignerTitle()) });
    P.append({ QStringLiteral("Date"), R.SignatureDate() });
    return P;
}
