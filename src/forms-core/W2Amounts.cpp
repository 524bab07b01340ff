#include "W2Amounts.h"

#include "NumberUtils.h"
#include "TaxRates.h"

#include <algorithm>

namespace {

double Cents(double Value)
{
    return RoundValue(Value, 2);
}

// Once box 4 passes the largest tax the wages are above the base: box 4 is
// the largest tax, and box 3 what is left of the base beside the tips of
// box 7 (the two together never pass it).
void HoldToWageBase(TW2Amounts &Amounts)
{
    if (Amounts.Box4 <= TaxRates::MaxSocSecTax)
        return;
    Amounts.Box3 = std::max(0.0, Cents(TaxRates::SocSecWageBase - Amounts.Box7));
    Amounts.Box4 = TaxRates::MaxSocSecTax;
}

} // namespace

double MedicareTaxOn(double MedicareWages)
{
    double Tax = Cents(MedicareWages * TaxRates::MedicareTaxRate);
    if (MedicareWages > TaxRates::AdditionalMedicareThreshold)
        Tax += Cents(
            (MedicareWages - TaxRates::AdditionalMedicareThreshold) * TaxRates::AdditionalMedicareTaxRate);
    return Cents(Tax);
}

bool DeriveFromBox1(TW2Amounts &Amounts)
{
    if (Amounts.Box3 != 0)
        return false;
    Amounts.Box3 = Amounts.Box1;
    Amounts.Box4 = Cents(Amounts.Box1 * TaxRates::SocSecTaxRate);
    HoldToWageBase(Amounts);
    Amounts.Box5 = Amounts.Box1;
    Amounts.Box6 = MedicareTaxOn(Amounts.Box5);
    Amounts.Box16 = Amounts.Box1;
    return true;
}

void DeriveFromBox3(TW2Amounts &Amounts)
{
    Amounts.Box4 = Cents((Amounts.Box3 + Amounts.Box7) * TaxRates::SocSecTaxRate);
    HoldToWageBase(Amounts);
}

void DeriveFromBox5(TW2Amounts &Amounts)
{
    Amounts.Box6 = MedicareTaxOn(Amounts.Box5);
}

void TakeTipsOutOfBox3(TW2Amounts &Amounts, double SumOnEnter)
{
    if (Amounts.Box3 == 0)
        return;
    Amounts.Box3 = Cents(SumOnEnter - Amounts.Box7);
}
