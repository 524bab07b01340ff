#include "TSubmitterBreaks.h"

#include "TEFW2Fixtures.h"

#include <array>

namespace {

const std::array<TSubmitterBreak, SubmitterRuleCount> &Breaks()
{
    static const std::array<TSubmitterBreak, SubmitterRuleCount> List { {
        { "1 EIN with an unassigned prefix", QStringLiteral("EIN"),
            QStringLiteral("Submitter's Employer Identification Number is required."),
            [](TSubmitterData &D) { D.EIN = QStringLiteral("07-3456789"); } },
        { "2 user ID of 7", QStringLiteral("UserID"), QStringLiteral("BSO User ID must be 8 characters."),
            [](TSubmitterData &D) { D.UserID = QStringLiteral("AB12CD3"); } },
        { "3 resubmission without identifier", QStringLiteral("ResubID"),
            QStringLiteral("Wage File Identifier is required."),
            [](TSubmitterData &D) {
                D.ResubInd = true;
                D.ResubID.clear();
            } },
        { "4 company ZIP of 3", QStringLiteral("ZipCode"),
            QStringLiteral("Company Zip Code must be 5 digits."),
            [](TSubmitterData &D) { D.ZipCode = QStringLiteral("627"); } },
        { "5 company ZIP extension of 2", QStringLiteral("ZipCodeExt"),
            QStringLiteral("Company Zip Code extension must be 4 digits."),
            [](TSubmitterData &D) { D.ZipCodeExt = QStringLiteral("12"); } },
        { "6 no submitter name", QStringLiteral("SubmitName"), QStringLiteral("Submitter Name is required."),
            [](TSubmitterData &D) { D.SubmitName.clear(); } },
        { "7 no delivery address", QStringLiteral("SubmitAddr2"),
            QStringLiteral("Submitter's Delivery address is required."),
            [](TSubmitterData &D) { D.SubmitAddr2 = QStringLiteral("   "); } },
        { "8 no city", QStringLiteral("SubmitCity"), QStringLiteral("Submitter's City is required."),
            [](TSubmitterData &D) { D.SubmitCity.clear(); } },
        { "9 no state", QStringLiteral("SubmitState"), QStringLiteral("Submitter's State is required."),
            [](TSubmitterData &D) { D.SubmitState.clear(); } },
        { "10 no submitter ZIP", QStringLiteral("SubmitZip"),
            QStringLiteral("Submitter's Zip Code must be 5 digits."),
            [](TSubmitterData &D) { D.SubmitZip.clear(); } },
        { "11 submitter ZIP extension of 3", QStringLiteral("SubmitZipExt"),
            QStringLiteral("Submitter's Zip Code extension must be 4 digits."),
            [](TSubmitterData &D) { D.SubmitZipExt = QStringLiteral("123"); } },
        { "12 no contact", QStringLiteral("ContactName"),
            QStringLiteral("Person to be contacted by SSA is required."),
            [](TSubmitterData &D) { D.ContactName.clear(); } },
        { "13 phone untouched", QStringLiteral("ContactPhone"),
            QStringLiteral("Contact Person's telephone number is required."),
            [](TSubmitterData &D) { D.ContactPhone = QStringLiteral("   -   -    "); } },
        { "14 no e-mail", QStringLiteral("ContactEmail"),
            QStringLiteral("Contact Person's e-mail/internet address is required."),
            [](TSubmitterData &D) { D.ContactEmail.clear(); } },
        { "15 e-mail without domain", QStringLiteral("ContactEmail"),
            QStringLiteral("Contact Person's e-mail/internet address is invalid."),
            [](TSubmitterData &D) { D.ContactEmail = QStringLiteral("pat@"); } },
        { "16 fax of five digits", QStringLiteral("ContactFax"),
            QStringLiteral("Contact Person's fax number is not valid."),
            [](TSubmitterData &D) { D.ContactFax = QStringLiteral("217-55 -    "); } },
        { "17 no preparer code", QStringLiteral("PreparerCode"), QStringLiteral("Preparer Code is required."),
            [](TSubmitterData &D) { D.PreparerCode.clear(); } },
    } };
    return List;
}

} // namespace

const TSubmitterBreak &SubmitterBreak(int Rule)
{
    return Breaks().at(Rule - 1);
}

TSubmitterData BrokenFrom(int Rule)
{
    TSubmitterData D = EFW2Fixtures::Submitter();
    // From the last rule back, so a blank e-mail (rule 14) wins over an
    // invalid one (rule 15) when both are broken.
    for (int Later = SubmitterRuleCount; Later >= Rule; --Later)
        SubmitterBreak(Later).Break(D);
    return D;
}
