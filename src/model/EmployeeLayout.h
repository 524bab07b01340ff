#pragma once

#include "TFieldDef.h"

#include <array>

// The 480-byte employee (W-2) record of the .W225 file. The bytes no field
// names (156-159, 276-279, 342-343, 478-479) are filler and are written back
// as they were read.
namespace EmployeeLayout {

inline constexpr int RecSize = 480;

inline constexpr TFieldDef EmployeeSSN = StrField("EmployeeSSN", 0, 11);
inline constexpr TFieldDef ControlNumber = StrField("ControlNumber", 12, 10);
inline constexpr TFieldDef FirstName = StrField("FirstName", 23, 15);
inline constexpr TFieldDef LastName = StrField("LastName", 39, 15);
inline constexpr TFieldDef Suffix = StrField("Suffix", 55, 3);
inline constexpr TFieldDef StreetAddress = StrField("StreetAddress", 59, 22);
inline constexpr TFieldDef City = StrField("City", 82, 22);
inline constexpr TFieldDef State = StrField("State", 105, 2);
inline constexpr TFieldDef ZipCode = StrField("ZipCode", 108, 10);
inline constexpr TFieldDef CityStateZip = StrField("CityStateZip", 119, 36);
inline constexpr TFieldDef Box1Wages = MoneyField("Box1Wages", 160);
inline constexpr TFieldDef Box2FedIncomeTax = MoneyField("Box2FedIncomeTax", 168);
inline constexpr TFieldDef Box3SocSecWages = MoneyField("Box3SocSecWages", 176);
inline constexpr TFieldDef Box4SocSecTax = MoneyField("Box4SocSecTax", 184);
inline constexpr TFieldDef Box5MedicareWages = MoneyField("Box5MedicareWages", 192);
inline constexpr TFieldDef Box6MedicareTax = MoneyField("Box6MedicareTax", 200);
inline constexpr TFieldDef Box7SocSecTips = MoneyField("Box7SocSecTips", 208);
inline constexpr TFieldDef Box8AllocatedTips = MoneyField("Box8AllocatedTips", 216);
// A 24-byte slot: length byte and 23 characters.
inline constexpr TFieldDef Box9Text = StrField("Box9Text", 224, 23);
inline constexpr TFieldDef Box10DependentCare = MoneyField("Box10DependentCare", 248);
inline constexpr TFieldDef Box11NonqualifiedPlans = MoneyField("Box11NonqualifiedPlans", 256);
inline constexpr TFieldDef Box12Code_a = StrField("Box12Code_a", 264, 2);
inline constexpr TFieldDef Box12Code_b = StrField("Box12Code_b", 267, 2);
inline constexpr TFieldDef Box12Code_c = StrField("Box12Code_c", 270, 2);
inline constexpr TFieldDef Box12Code_d = StrField("Box12Code_d", 273, 2);
inline constexpr TFieldDef Box12Amt_a = MoneyField("Box12Amt_a", 280);
inline constexpr TFieldDef Box12Amt_b = MoneyField("Box12Amt_b", 288);
inline constexpr TFieldDef Box12Amt_c = MoneyField("Box12Amt_c", 296);
inline constexpr TFieldDef Box12Amt_d = MoneyField("Box12Amt_d", 304);
inline constexpr TFieldDef Box13Statutory = FlagField("Box13Statutory", 312);
inline constexpr TFieldDef Box13Retirement = FlagField("Box13Retirement", 313);
inline constexpr TFieldDef Box13SickPay = FlagField("Box13SickPay", 314);
inline constexpr TFieldDef Box14Desc_a = StrField("Box14Desc_a", 315, 8);
inline constexpr TFieldDef Box14Desc_b = StrField("Box14Desc_b", 324, 8);
inline constexpr TFieldDef Box14Desc_c = StrField("Box14Desc_c", 333, 8);
inline constexpr TFieldDef Box14Amt_a = MoneyField("Box14Amt_a", 344);
inline constexpr TFieldDef Box14Amt_b = MoneyField("Box14Amt_b", 352);
inline constexpr TFieldDef Box14Amt_c = MoneyField("Box14Amt_c", 360);
inline constexpr TFieldDef Box15State_a = StrField("Box15State_a", 368, 2);
inline constexpr TFieldDef Box15State_b = StrField("Box15State_b", 371, 2);
inline constexpr TFieldDef StateID_a = StrField("StateID_a", 374, 12);
inline constexpr TFieldDef StateID_b = StrField("StateID_b", 387, 12);
inline constexpr TFieldDef Box16StateWages_a = MoneyField("Box16StateWages_a", 400);
inline constexpr TFieldDef Box16StateWages_b = MoneyField("Box16StateWages_b", 408);
inline constexpr TFieldDef Box17StateTax_a = MoneyField("Box17StateTax_a", 416);
inline constexpr TFieldDef Box17StateTax_b = MoneyField("Box17StateTax_b", 424);
inline constexpr TFieldDef Box18LocalWages_a = MoneyField("Box18LocalWages_a", 432);
inline constexpr TFieldDef Box18LocalWages_b = MoneyField("Box18LocalWages_b", 440);
inline constexpr TFieldDef Box19LocalTax_a = MoneyField("Box19LocalTax_a", 448);
inline constexpr TFieldDef Box19LocalTax_b = MoneyField("Box19LocalTax_b", 456);
inline constexpr TFieldDef Box20Locality_a = StrField("Box20Locality_a", 464, 6);
inline constexpr TFieldDef Box20Locality_b = StrField("Box20Locality_b", 471, 6);

// Every field in record order: what the dump and the layout checks walk.
inline constexpr std::array Fields { EmployeeSSN, ControlNumber, FirstName, LastName, Suffix, StreetAddress,
    City, State, ZipCode, CityStateZip, Box1Wages, Box2FedIncomeTax, Box3SocSecWages, Box4SocSecTax,
    Box5MedicareWages, Box6MedicareTax, Box7SocSecTips, Box8AllocatedTips, Box9Text, Box10DependentCare,
    Box11NonqualifiedPlans, Box12Code_a, Box12Code_b, Box12Code_c, Box12Code_d, Box12Amt_a, Box12Amt_b,
    Box12Amt_c, Box12Amt_d, Box13Statutory, Box13Retirement, Box13SickPay, Box14Desc_a, Box14Desc_b,
    Box14Desc_c, Box14Amt_a, Box14Amt_b, Box14Amt_c, Box15State_a, Box15State_b, StateID_a, StateID_b,
    Box16StateWages_a, Box16StateWages_b, Box17StateTax_a, Box17StateTax_b, Box18LocalWages_a,
    Box18LocalWages_b, Box19LocalTax_a, Box19LocalTax_b, Box20Locality_a, Box20Locality_b };

} // namespace EmployeeLayout
