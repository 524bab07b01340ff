#include "SubmitterRules.h"

#include "EmailCheck.h"
#include "IdentifierChecks.h"
#include "TSubmitterData.h"
#include "TextUtils.h"

namespace {

bool HasDigit(const QString &Text)
{
    for (QChar Ch : Text)
        if (Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9'))
            return true;
    return false;
}

// A field that may stay blank but, once filled in, must be complete.
bool ShortWhenFilled(const QString &Text, int Length)
{
    return !IsBlank(Text) && Text.size() < Length;
}

TSubmitterCheck CheckIdentity(const TSubmitterData &S)
{
    if (!IsValidEIN(S.EIN))
        return { QStringLiteral("EIN"),
            QStringLiteral("Submitter's Employer Identification Number is required.") };
    if (S.UserID.size() < 8)
        return { QStringLiteral("UserID"), QStringLiteral("BSO User ID must be 8 characters.") };
    if (S.ResubInd && IsBlank(S.ResubID))
        return { QStringLiteral("ResubID"), QStringLiteral("Wage File Identifier is required.") };
    if (ShortWhenFilled(S.ZipCode, 5))
        return { QStringLiteral("ZipCode"), QStringLiteral("Company Zip Code must be 5 digits.") };
    if (ShortWhenFilled(S.ZipCodeExt, 4))
        return { QStringLiteral("ZipCodeExt"),
            QStringLiteral("Company Zip Code extension must be 4 digits.") };
    return {};
}

TSubmitterCheck CheckSubmitterAddress(const TSubmitterData &S)
{
    if (IsBlank(S.SubmitName))
        return { QStringLiteral("SubmitName"), QStringLiteral("Submitter Name is required.") };
    if (IsBlank(S.SubmitAddr2))
        return { QStringLiteral("SubmitAddr2"), QStringLiteral("Submitter's Delivery address is required.") };
    if (IsBlank(S.SubmitCity))
        return { QStringLiteral("SubmitCity"), QStringLiteral("Submitter's City is required.") };
    if (IsBlank(S.SubmitState))
        return { QStringLiteral("SubmitState"), QStringLiteral("Submitter's State is required.") };
    if (S.SubmitZip.size() < 5)
        return { QStringLiteral("SubmitZip"), QStringLiteral("Submitter's Zip Code must be 5 digits.") };
    if (ShortWhenFilled(S.SubmitZipExt, 4))
        return { QStringLiteral("SubmitZipExt"),
            QStringLiteral("Submitter's Zip Code extension must be 4 digits.") };
    return {};
}

TSubmitterCheck CheckContact(const TSubmitterData &S)
{
    if (IsBlank(S.ContactName))
        return { QStringLiteral("ContactName"),
            QStringLiteral("Person to be contacted by SSA is required.") };
    if (!IsValidPhone(S.ContactPhone))
        return { QStringLiteral("ContactPhone"),
            QStringLiteral("Contact Person's telephone number is required.") };
    if (IsBlank(S.ContactEmail))
        return { QStringLiteral("ContactEmail"),
            QStringLiteral("Contact Person's e-mail/internet address is required.") };
    if (!IsValidEmail(S.ContactEmail))
        return { QStringLiteral("ContactEmail"),
            QStringLiteral("Contact Person's e-mail/internet address is invalid.") };
    if (HasDigit(S.ContactFax) && !IsValidPhone(S.ContactFax))
        return { QStringLiteral("ContactFax"), QStringLiteral("Contact Person's fax number is not valid.") };
    if (IsBlank(S.PreparerCode))
        return { QStringLiteral("PreparerCode"), QStringLiteral("Preparer Code is required.") };
    return {};
}

} // namespace

TSubmitterCheck ValidateSubmitter(const TSubmitterData &S)
{
    for (const auto Check : { CheckIdentity, CheckSubmitterAddress, CheckContact }) {
        const TSubmitterCheck Result = Check(S);
        if (!Result.Passed())
            return Result;
    }
    return {};
}

QStringList MarkRequiredFields(const TSubmitterData &S)
{
    QStringList Marked;
    const auto Mark = [&Marked](bool Condition, const char *Field) {
        if (Condition)
            Marked.append(QLatin1String(Field));
    };
    Mark(!IsValidEIN(S.EIN), "EIN");
    Mark(S.UserID.size() < 8, "UserID");
    Mark(S.ResubInd && IsBlank(S.ResubID), "ResubID");
    Mark(IsBlank(S.SubmitName), "SubmitName");
    Mark(IsBlank(S.SubmitAddr2), "SubmitAddr2");
    Mark(IsBlank(S.SubmitCity), "SubmitCity");
    Mark(IsBlank(S.SubmitState), "SubmitState");
    Mark(S.SubmitZip.size() < 5, "SubmitZip");
    Mark(ShortWhenFilled(S.SubmitZipExt, 4), "SubmitZipExt");
    Mark(IsBlank(S.ContactName), "ContactName");
    Mark(!IsValidPhone(S.ContactPhone), "ContactPhone");
    Mark(!IsValidEmail(S.ContactEmail), "ContactEmail");
    Mark(IsBlank(S.PreparerCode), "PreparerCode");
    return Marked;
}

const QStringList &MarkableFields()
{
    static const QStringList Fields { QStringLiteral("EIN"), QStringLiteral("UserID"),
        QStringLiteral("ResubID"), QStringLiteral("SubmitName"), QStringLiteral("SubmitAddr2"),
        QStringLiteral("SubmitCity"), QStringLiteral("SubmitState"), QStringLiteral("SubmitZip"),
        QStringLiteral("SubmitZipExt"), QStringLiteral("ContactName"), QStringLiteral("ContactPhone"),
        QStringLiteral("ContactEmail"), QStringLiteral("PreparerCode") };
    return Fields;
}
