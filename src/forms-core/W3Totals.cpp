#include "W3Totals.h"

#include "Box12Codes.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "TFrmDataModule.h"
#include "TRecordSet.h"

void ClearW3Totals(EmployerRecord &Employer)
{
    Employer.SetTotalWages(0);
    Employer.SetTotalFedIncomeTax(0);
    Employer.SetTotalSocSecWages(0);
    Employer.SetTotalSocSecTax(0);
    Employer.SetTotalMedicareWages(0);
    Employer.SetTotalMedicareTax(0);
    Employer.SetTotalSocSecTips(0);
    Employer.SetTotalAllocatedTips(0);
    Employer.SetTotalBox9(0);
    Employer.SetTotalDependentCare(0);
    Employer.SetTotalNonqualifiedPlans(0);
    Employer.SetTotalDeferredComp(0);
    Employer.SetTotalStateWages(0);
    Employer.SetTotalStateTax(0);
    Employer.SetTotalLocalWages(0);
    Employer.SetTotalLocalTax(0);
}

namespace {

double DeferredCompensation(const EmployeeRecord &E)
{
    const struct {
        QString Code;
        double Amount;
    } Lines[] = { { E.Box12Code_a(), E.Box12Amt_a() }, { E.Box12Code_b(), E.Box12Amt_b() },
        { E.Box12Code_c(), E.Box12Amt_c() }, { E.Box12Code_d(), E.Box12Amt_d() } };
    double Sum = 0;
    for (const auto &Line : Lines)
        if (IsDeferredCompensationCode(Line.Code))
            Sum += Line.Amount;
    return Sum;
}

} // namespace

void AddToW3Totals(EmployerRecord &R, const EmployeeRecord &E)
{
    R.SetTotalWages(R.TotalWages() + E.Box1Wages());
    R.SetTotalFedIncomeTax(R.TotalFedIncomeTax() + E.Box2FedIncomeTax());
    R.SetTotalSocSecWages(R.TotalSocSecWages() + E.Box3SocSecWages());
    R.SetTotalSocSecTax(R.TotalSocSecTax() + E.Box4SocSecTax());
    R.SetTotalMedicareWages(R.TotalMedicareWages() + E.Box5MedicareWages());
    R.SetTotalMedicareTax(R.TotalMedicareTax() + E.Box6MedicareTax());
    R.SetTotalSocSecTips(R.TotalSocSecTips() + E.Box7SocSecTips());
    R.SetTotalAllocatedTips(R.TotalAllocatedTips() + E.Box8AllocatedTips());
    R.SetTotalDependentCare(R.TotalDependentCare() + E.Box10DependentCare());
    R.SetTotalNonqualifiedPlans(R.TotalNonqualifiedPlans() + E.Box11NonqualifiedPlans());
    R.SetTotalDeferredComp(R.TotalDeferredComp() + DeferredCompensation(E));
    R.SetTotalStateWages(R.TotalStateWages() + E.Box16StateWages_a() + E.Box16StateWages_b());
    R.SetTotalStateTax(R.TotalStateTax() + E.Box17StateTax_a() + E.Box17StateTax_b());
    R.SetTotalLocalWages(R.TotalLocalWages() + E.Box18LocalWages_a() + E.Box18LocalWages_b());
    R.SetTotalLocalTax(R.TotalLocalTax() + E.Box19LocalTax_a() + E.Box19LocalTax_b());
}

void ComputeW3Totals(TFrmDataModule &Data)
{
    const int Count = Data.RSW2->RecordCount();
    // Added up aside: a read that fails half-way must not leave the employer
    // with totals of some employees only, which the W-3 would then store.
    EmployerRecord Totals = Data.CurrentEmployer;
    // Every record counts as a form, blank ones included.
    Totals.SetFormsW2Count(Count);
    ClearW3Totals(Totals);
    Data.RSW2->ScanRecords(Count, [&Totals, &Data](int) { AddToW3Totals(Totals, Data.CurrentEmployee); });
    Data.CurrentEmployer = Totals;
}
