#include "W3Checks.h"

#include "EmailCheck.h"
#include "EmployerRecord.h"
#include "IdentifierChecks.h"
#include "TextUtils.h"

namespace {

const QString LeftBlank = QStringLiteral("Required field has been left blank.");

bool AnyKindOfPayer(const EmployerRecord &E)
{
    return E.KindOfPayer941() || E.KindOfPayerMilitary() || E.KindOfPayer943() || E.KindOfPayer944()
        || E.KindOfPayerCT1() || E.KindOfPayerHousehold() || E.KindOfPayerMedicareGovt();
}

bool AnyKindOfEmployer(const EmployerRecord &E)
{
    return E.KindOfEmployerNoneApply() || E.KindOfEmployer501cNonGovt() || E.KindOfEmployerStateLocalNon501c()
        || E.KindOfEmployerStateLocal501c() || E.KindOfEmployerFederalGovt();
}

TFieldCheck CheckKinds(const EmployerRecord &E)
{
    if (!AnyKindOfPayer(E))
        return { QStringLiteral("Boxb1"), QStringLiteral("The Kind of Payer box has not been checked.") };
    if (!AnyKindOfEmployer(E))
        return { QStringLiteral("Boxb8"), QStringLiteral("The Kind of Employer box has not been checked.") };
    return {};
}

TFieldCheck CheckIdentity(const EmployerRecord &E)
{
    if (!IsValidEIN(E.EmployerEIN()))
        return { QStringLiteral("Boxe"), LeftBlank };
    if (IsBlank(E.EmployerName()))
        return { QStringLiteral("Boxf_a"), LeftBlank };
    if (IsBlank(E.EmployerAddress()))
        return { QStringLiteral("Boxg_a"), LeftBlank };
    if (IsBlank(E.EmployerCity()))
        return { QStringLiteral("Boxg_b"), LeftBlank };
    if (IsBlank(E.EmployerState()))
        return { QStringLiteral("Boxg_c"), LeftBlank };
    if (!IsValidZip(E.EmployerZipCode()))
        return { QStringLiteral("Boxg_d"), QStringLiteral("Employer's Zip Code is invalid.") };
    return {};
}

TFieldCheck CheckStateAndContact(const EmployerRecord &E)
{
    if (IsBlank(E.Box15State()))
        return { QStringLiteral("Box15"), LeftBlank };
    // "X" stands for several states, which have no one state ID.
    if (IsBlank(E.EmployerStateID()) && TrimText(E.Box15State()) != QLatin1String("X"))
        return { QStringLiteral("StateID"), LeftBlank };
    if (IsBlank(E.ContactPerson()))
        return { QStringLiteral("Contact"), QStringLiteral("Employer's contact person name is missing.") };
    if (!IsBlank(E.ContactEmail()) && !IsValidEmail(E.ContactEmail()))
        return { QStringLiteral("Email"), QStringLiteral("Employer's email address is invalid.") };
    return {};
}

} // namespace

TFieldCheck CheckW3(const EmployerRecord &Employer)
{
    for (const auto Check : { CheckKinds, CheckIdentity, CheckStateAndContact })
        if (const TFieldCheck Result = Check(Employer); !Result.Passed())
            return Result;
    return {};
}
