#include "W2Checks.h"

#include "Box12Codes.h"
#include "EmployeeRecord.h"
#include "IdentifierChecks.h"
#include "NumberUtils.h"
#include "TextUtils.h"

#include <array>

namespace {

bool Above0(double Amount)
{
    return RoundValue(Amount, 2) > 0;
}

bool Is0(double Amount)
{
    return RoundValue(Amount, 2) == 0;
}

TFieldCheck Fail(const QString &Field, const QString &Message)
{
    return { Field, Message };
}

struct TCodeLine {
    QString Code;
    double Amount;
};

TFieldCheck CheckIdentity(const EmployeeRecord &E)
{
    if (Is0(E.Box1Wages()))
        return Fail(
            QStringLiteral("Amount1"), QStringLiteral("Box 1 (Wages, tips, other comp.) cannot be zero."));
    if (!IsValidSSN(E.EmployeeSSN()))
        return Fail(QStringLiteral("Boxa"), QStringLiteral("Social security number is invalid."));
    if (IsBlank(E.FirstName()))
        return Fail(QStringLiteral("Boxe_a"), QStringLiteral("Employee's first name is missing."));
    if (IsBlank(E.LastName()))
        return Fail(QStringLiteral("Boxe_b"), QStringLiteral("Employee's last name is missing."));
    if (IsBlank(E.StreetAddress()))
        return Fail(QStringLiteral("Boxf_a"), QStringLiteral("Employee's street address is missing."));
    if (IsBlank(E.City()))
        return Fail(QStringLiteral("Boxf_b"), QStringLiteral("Employee's city name is missing."));
    if (IsBlank(E.State()))
        return Fail(QStringLiteral("Boxf_c"), QStringLiteral("Employee's state name is missing."));
    if (!IsValidZip(E.ZipCode()))
        return Fail(QStringLiteral("Boxf_d"), QStringLiteral("Employee's Zip Code is not valid."));
    return {};
}

// Each rule runs over the four lines before the next rule starts.
TFieldCheck CheckBox12(const EmployeeRecord &E)
{
    const std::array<TCodeLine, 4> Lines { { { E.Box12Code_a(), E.Box12Amt_a() },
        { E.Box12Code_b(), E.Box12Amt_b() }, { E.Box12Code_c(), E.Box12Amt_c() },
        { E.Box12Code_d(), E.Box12Amt_d() } } };
    const QString Letters = QStringLiteral("abcd");
    for (int I = 0; I < 4; ++I)
        if (IsBlank(Lines[I].Code) && Above0(Lines[I].Amount))
            return Fail(QStringLiteral("Box12Code_") + Letters[I],
                QStringLiteral("Box 12%1 code is missing.").arg(Letters[I]));
    for (int I = 0; I < 4; ++I)
        if (!IsBlank(Lines[I].Code) && Is0(Lines[I].Amount))
            return Fail(QStringLiteral("Box12Amt_") + Letters[I],
                QStringLiteral("Box 12%1 amount is missing.").arg(Letters[I]));
    for (int I = 0; I < 4; ++I)
        if (!IsBlank(Lines[I].Code) && !IsValidBox12Code(Lines[I].Code))
            return Fail(QStringLiteral("Box12Code_") + Letters[I],
                QStringLiteral("Box 12%1 code is invalid.").arg(Letters[I]));
    return {};
}

TFieldCheck CheckBox14(const EmployeeRecord &E)
{
    const std::array<TCodeLine, 3> Lines { { { E.Box14Desc_a(), E.Box14Amt_a() },
        { E.Box14Desc_b(), E.Box14Amt_b() }, { E.Box14Desc_c(), E.Box14Amt_c() } } };
    const QString Letters = QStringLiteral("abc");
    for (int I = 0; I < 3; ++I)
        if (IsBlank(Lines[I].Code) && Above0(Lines[I].Amount))
            return Fail(QStringLiteral("Box14Desc_") + Letters[I],
                QStringLiteral("Box 14 description %1 is missing.").arg(I + 1));
    for (int I = 0; I < 3; ++I)
        if (!IsBlank(Lines[I].Code) && Is0(Lines[I].Amount))
            return Fail(QStringLiteral("Box14Amt_") + Letters[I],
                QStringLiteral("Box 14 amount %1 is missing.").arg(I + 1));
    return {};
}

TFieldCheck CheckStateLine(
    const QString &State, const QString &StateID, double Wages, double Tax, const QString &Line)
{
    if (StateLineComplete(State, StateID, Wages, Tax))
        return {};
    return Fail((IsBlank(State) ? QStringLiteral("Box15") : QStringLiteral("StateID_")) + Line,
        QStringLiteral("State %1 data is incomplete.").arg(Line == QLatin1String("a") ? 1 : 2));
}

TFieldCheck CheckLocalLine(double Wages, const QString &Locality, double Tax, const QString &Line)
{
    if (LocalLineComplete(Wages, Locality, Tax))
        return {};
    return Fail((Is0(Wages) ? QStringLiteral("Box18") : QStringLiteral("Box20")) + Line,
        QStringLiteral("Local data %1 is incomplete.").arg(Line == QLatin1String("a") ? 1 : 2));
}

TFieldCheck CheckStateAndLocal(const EmployeeRecord &E)
{
    TFieldCheck Result = CheckStateLine(
        E.Box15State_a(), E.StateID_a(), E.Box16StateWages_a(), E.Box17StateTax_a(), QStringLiteral("a"));
    if (Result.Passed())
        Result = CheckStateLine(
            E.Box15State_b(), E.StateID_b(), E.Box16StateWages_b(), E.Box17StateTax_b(), QStringLiteral("b"));
    if (Result.Passed())
        Result = CheckLocalLine(
            E.Box18LocalWages_a(), E.Box20Locality_a(), E.Box19LocalTax_a(), QStringLiteral("a"));
    if (Result.Passed())
        Result = CheckLocalLine(
            E.Box18LocalWages_b(), E.Box20Locality_b(), E.Box19LocalTax_b(), QStringLiteral("b"));
    return Result;
}

} // namespace

bool StateLineComplete(const QString &State, const QString &StateID, double Wages, double Tax)
{
    const int Present = int(!IsBlank(State)) + int(!IsBlank(StateID)) + int(Above0(Wages));
    return Present == 3 || (Present == 0 && !Above0(Tax));
}

bool LocalLineComplete(double Wages, const QString &Locality, double Tax)
{
    const int Present = int(Above0(Wages)) + int(!IsBlank(Locality));
    return Present == 2 || (Present == 0 && !Above0(Tax));
}

TFieldCheck CheckW2(const EmployeeRecord &Employee)
{
    for (const auto Check : { CheckIdentity, CheckBox12, CheckBox14, CheckStateAndLocal })
        if (const TFieldCheck Result = Check(Employee); !Result.Passed())
            return Result;
    return {};
}
