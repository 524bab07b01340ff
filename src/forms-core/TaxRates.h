#pragma once

// The 2025 social security and Medicare figures behind the derived amounts
// of Form W-2.
namespace TaxRates {

inline constexpr double SocSecTaxRate = 0.062;
// Wages above the base pay no social security tax.
inline constexpr double SocSecWageBase = 176100.00;
// The largest employee social security tax: the wage base at the tax rate.
inline constexpr double MaxSocSecTax = 10918.20;
inline constexpr double MedicareTaxRate = 0.0145;
// The employer withholds the Additional Medicare Tax on the Medicare wages
// above the threshold; there is no employer share.
inline constexpr double AdditionalMedicareThreshold = 200000.00;
inline constexpr double AdditionalMedicareTaxRate = 0.009;

} // namespace TaxRates
