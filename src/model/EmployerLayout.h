#pragma once

#include "TFieldDef.h"

#include <array>

// The 608-byte employer (W-3) record of the .W325 file. The bytes no field
// names (234-239, 336-343, 375, 607) are filler or reserved and are written
// back as they were read.
namespace EmployerLayout {

inline constexpr int RecSize = 608;

inline constexpr TFieldDef EmployerControlNumber = StrField("EmployerControlNumber", 0, 10);
inline constexpr TFieldDef KindOfPayer941 = FlagField("KindOfPayer941", 11);
inline constexpr TFieldDef KindOfPayerMilitary = FlagField("KindOfPayerMilitary", 12);
inline constexpr TFieldDef KindOfPayer943 = FlagField("KindOfPayer943", 13);
inline constexpr TFieldDef KindOfPayer944 = FlagField("KindOfPayer944", 14);
inline constexpr TFieldDef KindOfPayerCT1 = FlagField("KindOfPayerCT1", 15);
inline constexpr TFieldDef KindOfPayerHousehold = FlagField("KindOfPayerHousehold", 16);
inline constexpr TFieldDef KindOfPayerMedicareGovt = FlagField("KindOfPayerMedicareGovt", 17);
inline constexpr TFieldDef KindOfEmployerNoneApply = FlagField("KindOfEmployerNoneApply", 18);
inline constexpr TFieldDef KindOfEmployer501cNonGovt = FlagField("KindOfEmployer501cNonGovt", 19);
inline constexpr TFieldDef KindOfEmployerStateLocalNon501c = FlagField("KindOfEmployerStateLocalNon501c", 20);
inline constexpr TFieldDef KindOfEmployerStateLocal501c = FlagField("KindOfEmployerStateLocal501c", 21);
inline constexpr TFieldDef KindOfEmployerFederalGovt = FlagField("KindOfEmployerFederalGovt", 22);
inline constexpr TFieldDef ThirdPartySickPay = FlagField("ThirdPartySickPay", 23);
inline constexpr TFieldDef FormsW2Count = Int32Field("FormsW2Count", 24);
inline constexpr TFieldDef EstablishmentNumber = StrField("EstablishmentNumber", 28, 4);
inline constexpr TFieldDef EmployerEIN = StrField("EmployerEIN", 33, 10);
inline constexpr TFieldDef EmployerName = StrField("EmployerName", 44, 40);
inline constexpr TFieldDef EmployerTradeName = StrField("EmployerTradeName", 85, 40);
inline constexpr TFieldDef EmployerAddress = StrField("EmployerAddress", 126, 22);
inline constexpr TFieldDef EmployerCity = StrField("EmployerCity", 149, 22);
inline constexpr TFieldDef EmployerState = StrField("EmployerState", 172, 2);
inline constexpr TFieldDef EmployerZipCode = StrField("EmployerZipCode", 175, 10);
inline constexpr TFieldDef EmployerCityStateZip = StrField("EmployerCityStateZip", 186, 36);
inline constexpr TFieldDef OtherEIN = StrField("OtherEIN", 223, 10);
inline constexpr TFieldDef TotalWages = MoneyField("TotalWages", 240);
inline constexpr TFieldDef TotalFedIncomeTax = MoneyField("TotalFedIncomeTax", 248);
inline constexpr TFieldDef TotalSocSecWages = MoneyField("TotalSocSecWages", 256);
inline constexpr TFieldDef TotalSocSecTax = MoneyField("TotalSocSecTax", 264);
inline constexpr TFieldDef TotalMedicareWages = MoneyField("TotalMedicareWages", 272);
inline constexpr TFieldDef TotalMedicareTax = MoneyField("TotalMedicareTax", 280);
inline constexpr TFieldDef TotalSocSecTips = MoneyField("TotalSocSecTips", 288);
inline constexpr TFieldDef TotalAllocatedTips = MoneyField("TotalAllocatedTips", 296);
inline constexpr TFieldDef TotalBox9 = MoneyField("TotalBox9", 304);
inline constexpr TFieldDef TotalDependentCare = MoneyField("TotalDependentCare", 312);
inline constexpr TFieldDef TotalNonqualifiedPlans = MoneyField("TotalNonqualifiedPlans", 320);
inline constexpr TFieldDef TotalDeferredComp = MoneyField("TotalDeferredComp", 328);
inline constexpr TFieldDef SickPayText = StrField("SickPayText", 344, 30);
inline constexpr TFieldDef SickPayTaxWithheld = MoneyField("SickPayTaxWithheld", 376);
inline constexpr TFieldDef Box15State = StrField("Box15State", 384, 2);
inline constexpr TFieldDef EmployerStateID = StrField("EmployerStateID", 387, 12);
inline constexpr TFieldDef TotalStateWages = MoneyField("TotalStateWages", 400);
inline constexpr TFieldDef TotalStateTax = MoneyField("TotalStateTax", 408);
inline constexpr TFieldDef TotalLocalWages = MoneyField("TotalLocalWages", 416);
inline constexpr TFieldDef TotalLocalTax = MoneyField("TotalLocalTax", 424);
inline constexpr TFieldDef ContactPerson = StrField("ContactPerson", 432, 30);
inline constexpr TFieldDef ContactPhone = StrField("ContactPhone", 463, 12);
inline constexpr TFieldDef ContactEmail = StrField("ContactEmail", 476, 40);
inline constexpr TFieldDef ContactFax = StrField("ContactFax", 517, 12);
inline constexpr TFieldDef SignerName = StrField("SignerName", 530, 30);
inline constexpr TFieldDef SignerTitle = StrField("SignerTitle", 561, 20);
inline constexpr TFieldDef SignatureDate = StrField("SignatureDate", 582, 10);
inline constexpr TFieldDef FilePassword = StrField("FilePassword", 593, 12);
inline constexpr TFieldDef FinalReturn = FlagField("FinalReturn", 606);

// Every field in record order: what the dump and the layout checks walk.
inline constexpr std::array Fields { EmployerControlNumber, KindOfPayer941, KindOfPayerMilitary,
    KindOfPayer943, KindOfPayer944, KindOfPayerCT1, KindOfPayerHousehold, KindOfPayerMedicareGovt,
    KindOfEmployerNoneApply, KindOfEmployer501cNonGovt, KindOfEmployerStateLocalNon501c,
    KindOfEmployerStateLocal501c, KindOfEmployerFederalGovt, ThirdPartySickPay, FormsW2Count,
    EstablishmentNumber, EmployerEIN, EmployerName, EmployerTradeName, EmployerAddress, EmployerCity,
    EmployerState, EmployerZipCode, EmployerCityStateZip, OtherEIN, TotalWages, TotalFedIncomeTax,
    TotalSocSecWages, TotalSocSecTax, TotalMedicareWages, TotalMedicareTax, TotalSocSecTips,
    TotalAllocatedTips, TotalBox9, TotalDependentCare, TotalNonqualifiedPlans, TotalDeferredComp, SickPayText,
    SickPayTaxWithheld, Box15State, EmployerStateID, TotalStateWages, TotalStateTax, TotalLocalWages,
    TotalLocalTax, ContactPerson, ContactPhone, ContactEmail, ContactFax, SignerName, SignerTitle,
    SignatureDate, FilePassword, FinalReturn };

} // namespace EmployerLayout
