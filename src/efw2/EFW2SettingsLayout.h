#pragma once

#include "TFieldDef.h"

#include <array>

// The 564-byte settings record "QMRK.W2S": one text slot for each field of
// the RA submitter record, in RA order, then the counters of the submission.
// Each slot names the RA field it mirrors by its 1-based position and width,
// so a built RA line can be copied back into the record slot by slot.
namespace EFW2SettingsLayout {

inline constexpr int RecSize = 564;

// A slot and the RA field it mirrors (RAPosition 0: none).
struct TSlot {
    TFieldDef Field;
    int RAPosition;
    int RAWidth;
};

inline constexpr TFieldDef RecordIdentifier = StrField("RecordIdentifier", 0, 2);
inline constexpr TFieldDef EIN = StrField("EIN", 3, 10);
inline constexpr TFieldDef UserID = StrField("UserID", 14, 8);
inline constexpr TFieldDef VendorCode = StrField("VendorCode", 23, 4);
inline constexpr TFieldDef Blank1 = StrField("Blank1", 28, 5);
inline constexpr TFieldDef ResubInd = StrField("ResubInd", 34, 1);
inline constexpr TFieldDef ResubID = StrField("ResubID", 36, 6);
inline constexpr TFieldDef SoftwareCode = StrField("SoftwareCode", 43, 2);
inline constexpr TFieldDef CompanyName = StrField("CompanyName", 46, 57);
inline constexpr TFieldDef LocationAddr = StrField("LocationAddr", 104, 22);
inline constexpr TFieldDef DeliveryAddr = StrField("DeliveryAddr", 127, 22);
inline constexpr TFieldDef City = StrField("City", 150, 22);
inline constexpr TFieldDef StateCode = StrField("StateCode", 173, 2);
inline constexpr TFieldDef ZipCode = StrField("ZipCode", 176, 5);
inline constexpr TFieldDef ZipCodeExt = StrField("ZipCodeExt", 182, 4);
inline constexpr TFieldDef Blank2 = StrField("Blank2", 187, 5);
inline constexpr TFieldDef ForeignState = StrField("ForeignState", 193, 23);
inline constexpr TFieldDef ForeignZip = StrField("ForeignZip", 217, 15);
inline constexpr TFieldDef CountryCode = StrField("CountryCode", 233, 2);
inline constexpr TFieldDef SubmitName = StrField("SubmitName", 236, 57);
inline constexpr TFieldDef SubmitAddr1 = StrField("SubmitAddr1", 294, 22);
inline constexpr TFieldDef SubmitAddr2 = StrField("SubmitAddr2", 317, 22);
inline constexpr TFieldDef SubmitCity = StrField("SubmitCity", 340, 22);
inline constexpr TFieldDef SubmitState = StrField("SubmitState", 363, 2);
inline constexpr TFieldDef SubmitZip = StrField("SubmitZip", 366, 5);
inline constexpr TFieldDef SubmitZipExt = StrField("SubmitZipExt", 372, 4);
inline constexpr TFieldDef Blank3 = StrField("Blank3", 377, 5);
inline constexpr TFieldDef SubmitFSP = StrField("SubmitFSP", 383, 23);
inline constexpr TFieldDef SubmitFPC = StrField("SubmitFPC", 407, 15);
inline constexpr TFieldDef SubmitCC = StrField("SubmitCC", 423, 2);
inline constexpr TFieldDef ContactName = StrField("ContactName", 426, 27);
inline constexpr TFieldDef ContactPhone = StrField("ContactPhone", 454, 15);
inline constexpr TFieldDef ContactExt = StrField("ContactExt", 470, 5);
inline constexpr TFieldDef Blank4 = StrField("Blank4", 476, 3);
inline constexpr TFieldDef ContactEmail = StrField("ContactEmail", 480, 40);
inline constexpr TFieldDef Blank5 = StrField("Blank5", 521, 3);
inline constexpr TFieldDef ContactFax = StrField("ContactFax", 525, 12);
inline constexpr TFieldDef Blank6 = StrField("Blank6", 538, 1);
inline constexpr TFieldDef PreparerCode = StrField("PreparerCode", 540, 1);
inline constexpr TFieldDef Blank7 = StrField("Blank7", 542, 12);
inline constexpr TFieldDef TotalRecords = Int32Field("TotalRecords", 556);
inline constexpr TFieldDef ExcludeSubmitter = FlagField("ExcludeSubmitter", 560);
inline constexpr TFieldDef ExcludeFinal = FlagField("ExcludeFinal", 561);
inline constexpr TFieldDef LastClientConfirmed = FlagField("LastClientConfirmed", 562);

// Every text slot with the RA field it holds after a Process run.
inline constexpr std::array<TSlot, 40> RASlots { {
    { RecordIdentifier, 1, 2 },
    { EIN, 3, 9 },
    { UserID, 12, 8 },
    { VendorCode, 20, 4 },
    { Blank1, 24, 5 },
    { ResubInd, 29, 1 },
    { ResubID, 30, 6 },
    { SoftwareCode, 36, 2 },
    { CompanyName, 38, 57 },
    { LocationAddr, 95, 22 },
    { DeliveryAddr, 117, 22 },
    { City, 139, 22 },
    { StateCode, 161, 2 },
    { ZipCode, 163, 5 },
    { ZipCodeExt, 168, 4 },
    { Blank2, 172, 5 },
    { ForeignState, 177, 23 },
    { ForeignZip, 200, 15 },
    { CountryCode, 215, 2 },
    { SubmitName, 217, 57 },
    { SubmitAddr1, 274, 22 },
    { SubmitAddr2, 296, 22 },
    { SubmitCity, 318, 22 },
    { SubmitState, 340, 2 },
    { SubmitZip, 342, 5 },
    { SubmitZipExt, 347, 4 },
    { Blank3, 351, 5 },
    { SubmitFSP, 356, 23 },
    { SubmitFPC, 379, 15 },
    { SubmitCC, 394, 2 },
    { ContactName, 396, 27 },
    { ContactPhone, 423, 15 },
    { ContactExt, 438, 5 },
    { Blank4, 443, 3 },
    { ContactEmail, 446, 40 },
    { Blank5, 486, 3 },
    { ContactFax, 489, 10 },
    { Blank6, 499, 1 },
    { PreparerCode, 500, 1 },
    { Blank7, 501, 12 },
} };

} // namespace EFW2SettingsLayout
