#pragma once

#include <QString>

// The submitter data of an EFW2 submission, field for field as the EFW2
// window shows it and the settings file keeps it: masked fields with their
// literals and blanks ("  -       " untouched), a state left unchosen as an
// empty text. The RA builder and the submitter rules read it, so the window
// and the command-line tool share them.
struct TSubmitterData {
    QString EIN;
    QString UserID;
    bool ResubInd = false;
    QString ResubID;
    QString CompanyName;
    QString LocationAddr;
    QString DeliveryAddr;
    QString City;
    QString StateCode;
    QString ZipCode;
    QString ZipCodeExt;
    QString ForeignState;
    QString ForeignZip;
    QString CountryCode;
    QString SubmitName;
    QString SubmitAddr1;
    QString SubmitAddr2;
    QString SubmitCity;
    QString SubmitState;
    QString SubmitZip;
    QString SubmitZipExt;
    QString SubmitFSP;
    QString SubmitFPC;
    QString SubmitCC;
    QString ContactName;
    QString ContactPhone;
    QString ContactExt;
    QString ContactEmail;
    QString ContactFax;
    QString PreparerCode;

    friend bool operator==(const TSubmitterData &, const TSubmitterData &) = default;
};
