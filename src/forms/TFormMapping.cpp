#include "TFormMapping.h"

#include "AddressLine.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "StateCodes.h"
#include "TCheckBoxEdit.h"
#include "TDateEdit.h"
#include "TDollarEdit.h"
#include "TFilterEdit.h"
#include "TFrmW2.h"
#include "TFrmW3.h"
#include "TMaskedEdit.h"
#include "TStateEdit.h"
#include "TextUtils.h"

namespace {

// A state not in the list, or none, leaves the selector without a choice.
void PutState(TStateEdit *Selector, const QString &Code)
{
    const QStringList &Codes = StateCodes();
    Selector->setCurrentIndex(IndexOfText(Code, Codes, int(Codes.size()) - 1) - 1);
}

} // namespace

void TFormMapping::PutEmployee(const EmployeeRecord &E, TFrmW2 &W)
{
    W.Boxa->SetStoredText(E.EmployeeSSN());
    W.Amount1->SetValue(E.Box1Wages());
    W.Amount2->SetValue(E.Box2FedIncomeTax());
    W.Amount3->SetValue(E.Box3SocSecWages());
    W.Amount4->SetValue(E.Box4SocSecTax());
    W.Amount5->SetValue(E.Box5MedicareWages());
    W.Amount6->SetValue(E.Box6MedicareTax());
    W.Amount7->SetValue(E.Box7SocSecTips());
    W.Amount8->SetValue(E.Box8AllocatedTips());
    W.Boxd->setText(E.ControlNumber());
    W.Amount10->SetValue(E.Box10DependentCare());
    W.Boxe_a->setText(E.FirstName());
    W.Boxe_b->setText(E.LastName());
    W.Suffix->setText(E.Suffix());
    W.Amount11->SetValue(E.Box11NonqualifiedPlans());
    W.Box12Code_a->setText(E.Box12Code_a());
    W.Box12Code_b->setText(E.Box12Code_b());
    W.Box12Code_c->setText(E.Box12Code_c());
    W.Box12Code_d->setText(E.Box12Code_d());
    W.Box12Amt_a->SetValue(E.Box12Amt_a());
    W.Box12Amt_b->SetValue(E.Box12Amt_b());
    W.Box12Amt_c->SetValue(E.Box12Amt_c());
    W.Box12Amt_d->SetValue(E.Box12Amt_d());
    W.Boxf_a->setText(E.StreetAddress());
    W.Boxf_b->setText(E.City());
    PutState(W.Boxf_c, E.State());
    W.Boxf_d->setText(E.ZipCode());
    W.Box13a->SetChecked(E.Box13Statutory());
    W.Box13b->SetChecked(E.Box13Retirement());
    W.Box13c->SetChecked(E.Box13SickPay());
    W.Box14Desc_a->setText(E.Box14Desc_a());
    W.Box14Desc_b->setText(E.Box14Desc_b());
    W.Box14Desc_c->setText(E.Box14Desc_c());
    W.Box14Amt_a->SetValue(E.Box14Amt_a());
    W.Box14Amt_b->SetValue(E.Box14Amt_b());
    W.Box14Amt_c->SetValue(E.Box14Amt_c());
    PutState(W.Box15a, E.Box15State_a());
    PutState(W.Box15b, E.Box15State_b());
    W.StateID_a->setText(E.StateID_a());
    W.StateID_b->setText(E.StateID_b());
    W.Box16a->SetValue(E.Box16StateWages_a());
    W.Box16b->SetValue(E.Box16StateWages_b());
    W.Box17a->SetValue(E.Box17StateTax_a());
    W.Box17b->SetValue(E.Box17StateTax_b());
    W.Box18a->SetValue(E.Box18LocalWages_a());
    W.Box18b->SetValue(E.Box18LocalWages_b());
    W.Box19a->SetValue(E.Box19LocalTax_a());
    W.Box19b->SetValue(E.Box19LocalTax_b());
    W.Box20a->setText(E.Box20Locality_a());
    W.Box20b->setText(E.Box20Locality_b());
}

void TFormMapping::GetEmployee(const TFrmW2 &W, EmployeeRecord &E)
{
    E.SetEmployeeSSN(W.Boxa->StoredText());
    E.SetBox1Wages(W.Amount1->Value());
    E.SetBox2FedIncomeTax(W.Amount2->Value());
    E.SetBox3SocSecWages(W.Amount3->Value());
    E.SetBox4SocSecTax(W.Amount4->Value());
    E.SetBox5MedicareWages(W.Amount5->Value());
    E.SetBox6MedicareTax(W.Amount6->Value());
    E.SetBox7SocSecTips(W.Amount7->Value());
    E.SetBox8AllocatedTips(W.Amount8->Value());
    E.SetControlNumber(W.Boxd->text());
    E.SetBox10DependentCare(W.Amount10->Value());
    E.SetFirstName(W.Boxe_a->text());
    E.SetLastName(W.Boxe_b->text());
    E.SetSuffix(W.Suffix->text());
    E.SetBox11NonqualifiedPlans(W.Amount11->Value());
    E.SetBox12Code_a(W.Box12Code_a->text());
    E.SetBox12Code_b(W.Box12Code_b->text());
    E.SetBox12Code_c(W.Box12Code_c->text());
    E.SetBox12Code_d(W.Box12Code_d->text());
    E.SetBox12Amt_a(W.Box12Amt_a->Value());
    E.SetBox12Amt_b(W.Box12Amt_b->Value());
    E.SetBox12Amt_c(W.Box12Amt_c->Value());
    E.SetBox12Amt_d(W.Box12Amt_d->Value());
    E.SetStreetAddress(W.Boxf_a->text());
    E.SetCity(W.Boxf_b->text());
    E.SetState(W.Boxf_c->State());
    E.SetZipCode(W.Boxf_d->text());
    E.SetBox13Statutory(W.Box13a->Checked());
    E.SetBox13Retirement(W.Box13b->Checked());
    E.SetBox13SickPay(W.Box13c->Checked());
    E.SetBox14Desc_a(W.Box14Desc_a->text());
    E.SetBox14Desc_b(W.Box14Desc_b->text());
    E.SetBox14Desc_c(W.Box14Desc_c->text());
    E.SetBox14Amt_a(W.Box14Amt_a->Value());
    E.SetBox14Amt_b(W.Box14Amt_b->Value());
    E.SetBox14Amt_c(W.Box14Amt_c->Value());
    E.SetBox15State_a(W.Box15a->State());
    E.SetBox15State_b(W.Box15b->State());
    E.SetStateID_a(W.StateID_a->text());
    E.SetStateID_b(W.StateID_b->text());
    E.SetBox16StateWages_a(W.Box16a->Value());
    E.SetBox16StateWages_b(W.Box16b->Value());
    E.SetBox17StateTax_a(W.Box17a->Value());
    E.SetBox17StateTax_b(W.Box17b->Value());
    E.SetBox18LocalWages_a(W.Box18a->Value());
    E.SetBox18LocalWages_b(W.Box18b->Value());
    E.SetBox19LocalTax_a(W.Box19a->Value());
    E.SetBox19LocalTax_b(W.Box19b->Value());
    E.SetBox20Locality_a(W.Box20a->text());
    E.SetBox20Locality_b(W.Box20b->text());
    E.SetCityStateZip(CityStateZipLine(W.Boxf_b->text(), W.Boxf_c->State(), W.Boxf_d->text()));
}

void TFormMapping::PutEmployerBlock(const EmployerRecord &R, TFrmW2 &W)
{
    W.W3Boxe->setText(R.EmployerEIN());
    W.W3Boxf_a->setText(R.EmployerName());
    W.W3Boxf_b->setText(R.EmployerTradeName());
    W.W3Boxg_a->setText(R.EmployerAddress());
    W.W3Boxg_b->setText(R.EmployerCityStateZip());
}

void TFormMapping::PutEmployer(const EmployerRecord &R, TFrmW3 &W)
{
    W.Boxa->setText(R.EmployerControlNumber());
    const bool Flags[] = { R.KindOfPayer941(), R.KindOfPayerMilitary(), R.KindOfPayer943(),
        R.KindOfPayer944(), R.KindOfPayerCT1(), R.KindOfPayerHousehold(), R.KindOfPayerMedicareGovt(),
        R.KindOfEmployerNoneApply(), R.KindOfEmployer501cNonGovt(), R.KindOfEmployerStateLocalNon501c(),
        R.KindOfEmployerStateLocal501c(), R.KindOfEmployerFederalGovt() };
    for (int I = 0; I < 12; ++I)
        W.Boxb[I]->SetChecked(Flags[I]);
    W.Boxb13->SetChecked(R.ThirdPartySickPay());
    W.Amount1->SetValue(R.TotalWages());
    W.Amount2->SetValue(R.TotalFedIncomeTax());
    W.Amount3->SetValue(R.TotalSocSecWages());
    W.Amount4->SetValue(R.TotalSocSecTax());
    W.Boxc->setText(QString::number(R.FormsW2Count()));
    W.Boxd->setText(R.EstablishmentNumber());
    W.Amount5->SetValue(R.TotalMedicareWages());
    W.Amount6->SetValue(R.TotalMedicareTax());
    W.Boxe->SetStoredText(R.EmployerEIN());
    W.Amount7->SetValue(R.TotalSocSecTips());
    W.Amount8->SetValue(R.TotalAllocatedTips());
    W.Boxf_a->setText(R.EmployerName());
    W.Boxf_b->setText(R.EmployerTradeName());
    W.Amount10->SetValue(R.TotalDependentCare());
    W.Boxg_a->setText(R.EmployerAddress());
    W.Boxg_b->setText(R.EmployerCity());
    W.Boxg_c->setText(R.EmployerState());
    W.Boxg_d->setText(R.EmployerZipCode());
    W.Amount11->SetValue(R.TotalNonqualifiedPlans());
    W.Box12a->SetValue(R.TotalDeferredComp());
    W.Box13->setText(R.SickPayText());
    W.Box14->SetValue(R.SickPayTaxWithheld());
    W.Boxh->SetStoredText(R.OtherEIN());
    W.Box15->setText(R.Box15State());
    W.StateID->setText(R.EmployerStateID());
    W.Box16->SetValue(R.TotalStateWages());
    W.Box17->SetValue(R.TotalStateTax());
    W.Box18->SetValue(R.TotalLocalWages());
    W.Box19->SetValue(R.TotalLocalTax());
    W.Contact->setText(R.ContactPerson());
    W.TelNum->SetStoredText(R.ContactPhone());
    W.Email->setText(R.ContactEmail());
    W.FaxNum->SetStoredText(R.ContactFax());
    W.SignerName->setText(R.SignerName());
    W.Title->setText(R.SignerTitle());
    W.W3Date->SetText(R.SignatureDate());
    W.FinalReturn->SetChecked(R.FinalReturn());
}

void TFormMapping::GetEmployer(const TFrmW3 &W, EmployerRecord &R)
{
    R.SetEmployerControlNumber(W.Boxa->text());
    R.SetKindOfPayer941(W.Boxb1->Checked());
    R.SetKindOfPayerMilitary(W.Boxb2->Checked());
    R.SetKindOfPayer943(W.Boxb3->Checked());
    R.SetKindOfPayer944(W.Boxb4->Checked());
    R.SetKindOfPayerCT1(W.Boxb5->Checked());
    R.SetKindOfPayerHousehold(W.Boxb6->Checked());
    R.SetKindOfPayerMedicareGovt(W.Boxb7->Checked());
    R.SetKindOfEmployerNoneApply(W.Boxb8->Checked());
    R.SetKindOfEmployer501cNonGovt(W.Boxb9->Checked());
    R.SetKindOfEmployerStateLocalNon501c(W.Boxb10->Checked());
    R.SetKindOfEmployerStateLocal501c(W.Boxb11->Checked());
    R.SetKindOfEmployerFederalGovt(W.Boxb12->Checked());
    R.SetThirdPartySickPay(W.Boxb13->Checked());
    R.SetEstablishmentNumber(W.Boxd->text());
    R.SetEmployerEIN(W.Boxe->StoredText());
    R.SetEmployerName(W.Boxf_a->text());
    R.SetEmployerTradeName(W.Boxf_b->text());
    R.SetEmployerAddress(W.Boxg_a->text());
    R.SetEmployerCity(W.Boxg_b->text());
    R.SetEmployerState(W.Boxg_c->text());
    R.SetEmployerZipCode(W.Boxg_d->text());
    R.SetOtherEIN(W.Boxh->StoredText());
    R.SetSickPayText(W.Box13->text());
    R.SetSickPayTaxWithheld(W.Box14->Value());
    R.SetBox15State(W.Box15->text());
    R.SetEmployerStateID(W.StateID->text());
    R.SetContactPerson(W.Contact->text());
    R.SetContactPhone(W.TelNum->StoredText());
    R.SetContactEmail(W.Email->text());
    R.SetContactFax(W.FaxNum->StoredText());
    R.SetSignerName(W.SignerName->text());
    R.SetSignerTitle(W.Title->text());
    R.SetSignatureDate(W.W3Date->Text());
    R.SetFinalReturn(W.FinalReturn->Checked());
    R.SetEmployerCityStateZip(CityStateZipLine(W.Boxg_b->text(), W.Boxg_c->text(), W.Boxg_d->text()));
}
