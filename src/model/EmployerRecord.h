#pragma once

#include "EmployerLayout.h"
#include "RecordFields.h"

#include <QByteArray>

#include <span>

// The employer (W-3) record, kept as the 608 bytes the .W325 file holds and read
// and changed field by field. Bytes no setter touches (filler, reserved, the
// characters after a text's length) keep what was read, so a record written
// back carries every byte it came with.
class EmployerRecord {
public:
    static constexpr int RecSize = EmployerLayout::RecSize;

    // A zero record: the empty employer of a new file.
    EmployerRecord();
    // A record from the bytes of a file; fewer bytes are completed with zeros.
    static EmployerRecord FromBytes(const QByteArray &Bytes);

    const QByteArray &Bytes() const { return FData; }
    // Whole-record moves to and from a record set buffer of RecSize bytes.
    void LoadFrom(const char *Buffer);
    void StoreTo(char *Buffer) const;

    static std::span<const TFieldDef> Fields() { return EmployerLayout::Fields; }

    friend bool operator==(const EmployerRecord &, const EmployerRecord &) = default;

    QString EmployerControlNumber() const { return ReadStr(FData, EmployerLayout::EmployerControlNumber); }
    void SetEmployerControlNumber(const QString &Value)
    {
        WriteStr(FData, EmployerLayout::EmployerControlNumber, Value);
    }
    bool KindOfPayer941() const { return ReadFlag(FData, EmployerLayout::KindOfPayer941); }
    void SetKindOfPayer941(bool Value) { WriteFlag(FData, EmployerLayout::KindOfPayer941, Value); }
    bool KindOfPayerMilitary() const { return ReadFlag(FData, EmployerLayout::KindOfPayerMilitary); }
    void SetKindOfPayerMilitary(bool Value) { WriteFlag(FData, EmployerLayout::KindOfPayerMilitary, Value); }
    bool KindOfPayer943() const { return ReadFlag(FData, EmployerLayout::KindOfPayer943); }
    void SetKindOfPayer943(bool Value) { WriteFlag(FData, EmployerLayout::KindOfPayer943, Value); }
    bool KindOfPayer944() const { return ReadFlag(FData, EmployerLayout::KindOfPayer944); }
    void SetKindOfPayer944(bool Value) { WriteFlag(FData, EmployerLayout::KindOfPayer944, Value); }
    bool KindOfPayerCT1() const { return ReadFlag(FData, EmployerLayout::KindOfPayerCT1); }
    void SetKindOfPayerCT1(bool Value) { WriteFlag(FData, EmployerLayout::KindOfPayerCT1, Value); }
    bool KindOfPayerHousehold() const { return ReadFlag(FData, EmployerLayout::KindOfPayerHousehold); }
    void SetKindOfPayerHousehold(bool Value)
    {
        WriteFlag(FData, EmployerLayout::KindOfPayerHousehold, Value);
    }
    bool KindOfPayerMedicareGovt() const { return ReadFlag(FData, EmployerLayout::KindOfPayerMedicareGovt); }
    void SetKindOfPayerMedicareGovt(bool Value)
    {
        WriteFlag(FData, EmployerLayout::KindOfPayerMedicareGovt, Value);
    }
    bool KindOfEmployerNoneApply() const { return ReadFlag(FData, EmployerLayout::KindOfEmployerNoneApply); }
    void SetKindOfEmployerNoneApply(bool Value)
    {
        WriteFlag(FData, EmployerLayout::KindOfEmployerNoneApply, Value);
    }
    bool KindOfEmployer501cNonGovt() const
    {
        return ReadFlag(FData, EmployerLayout::KindOfEmployer501cNonGovt);
    }
    void SetKindOfEmployer501cNonGovt(bool Value)
    {
        WriteFlag(FData, EmployerLayout::KindOfEmployer501cNonGovt, Value);
    }
    bool KindOfEmployerStateLocalNon501c() const
    {
        return ReadFlag(FData, EmployerLayout::KindOfEmployerStateLocalNon501c);
    }
    void SetKindOfEmployerStateLocalNon501c(bool Value)
    {
        WriteFlag(FData, EmployerLayout::KindOfEmployerStateLocalNon501c, Value);
    }
    bool KindOfEmployerStateLocal501c() const
    {
        return ReadFlag(FData, EmployerLayout::KindOfEmployerStateLocal501c);
    }
    void SetKindOfEmployerStateLocal501c(bool Value)
    {
        WriteFlag(FData, EmployerLayout::KindOfEmployerStateLocal501c, Value);
    }
    bool KindOfEmployerFederalGovt() const
    {
        return ReadFlag(FData, EmployerLayout::KindOfEmployerFederalGovt);
    }
    void SetKindOfEmployerFederalGovt(bool Value)
    {
        WriteFlag(FData, EmployerLayout::KindOfEmployerFederalGovt, Value);
    }
    bool ThirdPartySickPay() const { return ReadFlag(FData, EmployerLayout::ThirdPartySickPay); }
    void SetThirdPartySickPay(bool Value) { WriteFlag(FData, EmployerLayout::ThirdPartySickPay, Value); }
    qint32 FormsW2Count() const { return ReadInt32(FData, EmployerLayout::FormsW2Count); }
    void SetFormsW2Count(qint32 Value) { WriteInt32(FData, EmployerLayout::FormsW2Count, Value); }
    QString EstablishmentNumber() const { return ReadStr(FData, EmployerLayout::EstablishmentNumber); }
    void SetEstablishmentNumber(const QString &Value)
    {
        WriteStr(FData, EmployerLayout::EstablishmentNumber, Value);
    }
    QString EmployerEIN() const { return ReadStr(FData, EmployerLayout::EmployerEIN); }
    void SetEmployerEIN(const QString &Value) { WriteStr(FData, EmployerLayout::EmployerEIN, Value); }
    QString EmployerName() const { return ReadStr(FData, EmployerLayout::EmployerName); }
    void SetEmployerName(const QString &Value) { WriteStr(FData, EmployerLayout::EmployerName, Value); }
    QString EmployerTradeName() const { return ReadStr(FData, EmployerLayout::EmployerTradeName); }
    void SetEmployerTradeName(const QString &Value)
    {
        WriteStr(FData, EmployerLayout::EmployerTradeName, Value);
    }
    QString EmployerAddress() const { return ReadStr(FData, EmployerLayout::EmployerAddress); }
    void SetEmployerAddress(const QString &Value) { WriteStr(FData, EmployerLayout::EmployerAddress, Value); }
    QString EmployerCity() const { return ReadStr(FData, EmployerLayout::EmployerCity); }
    void SetEmployerCity(const QString &Value) { WriteStr(FData, EmployerLayout::EmployerCity, Value); }
    QString EmployerState() const { return ReadStr(FData, EmployerLayout::EmployerState); }
    void SetEmployerState(const QString &Value) { WriteStr(FData, EmployerLayout::EmployerState, Value); }
    QString EmployerZipCode() const { return ReadStr(FData, EmployerLayout::EmployerZipCode); }
    void SetEmployerZipCode(const QString &Value) { WriteStr(FData, EmployerLayout::EmployerZipCode, Value); }
    QString EmployerCityStateZip() const { return ReadStr(FData, EmployerLayout::EmployerCityStateZip); }
    void SetEmployerCityStateZip(const QString &Value)
    {
        WriteStr(FData, EmployerLayout::EmployerCityStateZip, Value);
    }
    QString OtherEIN() const { return ReadStr(FData, EmployerLayout::OtherEIN); }
    void SetOtherEIN(const QString &Value) { WriteStr(FData, EmployerLayout::OtherEIN, Value); }
    double TotalWages() const { return ReadMoney(FData, EmployerLayout::TotalWages); }
    void SetTotalWages(double Value) { WriteMoney(FData, EmployerLayout::TotalWages, Value); }
    double TotalFedIncomeTax() const { return ReadMoney(FData, EmployerLayout::TotalFedIncomeTax); }
    void SetTotalFedIncomeTax(double Value) { WriteMoney(FData, EmployerLayout::TotalFedIncomeTax, Value); }
    double TotalSocSecWages() const { return ReadMoney(FData, EmployerLayout::TotalSocSecWages); }
    void SetTotalSocSecWages(double Value) { WriteMoney(FData, EmployerLayout::TotalSocSecWages, Value); }
    double TotalSocSecTax() const { return ReadMoney(FData, EmployerLayout::TotalSocSecTax); }
    void SetTotalSocSecTax(double Value) { WriteMoney(FData, EmployerLayout::TotalSocSecTax, Value); }
    double TotalMedicareWages() const { return ReadMoney(FData, EmployerLayout::TotalMedicareWages); }
    void SetTotalMedicareWages(double Value) { WriteMoney(FData, EmployerLayout::TotalMedicareWages, Value); }
    double TotalMedicareTax() const { return ReadMoney(FData, EmployerLayout::TotalMedicareTax); }
    void SetTotalMedicareTax(double Value) { WriteMoney(FData, EmployerLayout::TotalMedicareTax, Value); }
    double TotalSocSecTips() const { return ReadMoney(FData, EmployerLayout::TotalSocSecTips); }
    void SetTotalSocSecTips(double Value) { WriteMoney(FData, EmployerLayout::TotalSocSecTips, Value); }
    double TotalAllocatedTips() const { return ReadMoney(FData, EmployerLayout::TotalAllocatedTips); }
    void SetTotalAllocatedTips(double Value) { WriteMoney(FData, EmployerLayout::TotalAllocatedTips, Value); }
    double TotalBox9() const { return ReadMoney(FData, EmployerLayout::TotalBox9); }
    void SetTotalBox9(double Value) { WriteMoney(FData, EmployerLayout::TotalBox9, Value); }
    double TotalDependentCare() const { return ReadMoney(FData, EmployerLayout::TotalDependentCare); }
    void SetTotalDependentCare(double Value) { WriteMoney(FData, EmployerLayout::TotalDependentCare, Value); }
    double TotalNonqualifiedPlans() const { return ReadMoney(FData, EmployerLayout::TotalNonqualifiedPlans); }
    void SetTotalNonqualifiedPlans(double Value)
    {
        WriteMoney(FData, EmployerLayout::TotalNonqualifiedPlans, Value);
    }
    double TotalDeferredComp() const { return ReadMoney(FData, EmployerLayout::TotalDeferredComp); }
    void SetTotalDeferredComp(double Value) { WriteMoney(FData, EmployerLayout::TotalDeferredComp, Value); }
    QString SickPayText() const { return ReadStr(FData, EmployerLayout::SickPayText); }
    void SetSickPayText(const QString &Value) { WriteStr(FData, EmployerLayout::SickPayText, Value); }
    double SickPayTaxWithheld() const { return ReadMoney(FData, EmployerLayout::SickPayTaxWithheld); }
    void SetSickPayTaxWithheld(double Value) { WriteMoney(FData, EmployerLayout::SickPayTaxWithheld, Value); }
    QString Box15State() const { return ReadStr(FData, EmployerLayout::Box15State); }
    void SetBox15State(const QString &Value) { WriteStr(FData, EmployerLayout::Box15State, Value); }
    QString EmployerStateID() const { return ReadStr(FData, EmployerLayout::EmployerStateID); }
    void SetEmployerStateID(const QString &Value) { WriteStr(FData, EmployerLayout::EmployerStateID, Value); }
    double TotalStateWages() const { return ReadMoney(FData, EmployerLayout::TotalStateWages); }
    void SetTotalStateWages(double Value) { WriteMoney(FData, EmployerLayout::TotalStateWages, Value); }
    double TotalStateTax() const { return ReadMoney(FData, EmployerLayout::TotalStateTax); }
    void SetTotalStateTax(double Value) { WriteMoney(FData, EmployerLayout::TotalStateTax, Value); }
    double TotalLocalWages() const { return ReadMoney(FData, EmployerLayout::TotalLocalWages); }
    void SetTotalLocalWages(double Value) { WriteMoney(FData, EmployerLayout::TotalLocalWages, Value); }
    double TotalLocalTax() const { return ReadMoney(FData, EmployerLayout::TotalLocalTax); }
    void SetTotalLocalTax(double Value) { WriteMoney(FData, EmployerLayout::TotalLocalTax, Value); }
    QString ContactPerson() const { return ReadStr(FData, EmployerLayout::ContactPerson); }
    void SetContactPerson(const QString &Value) { WriteStr(FData, EmployerLayout::ContactPerson, Value); }
    QString ContactPhone() const { return ReadStr(FData, EmployerLayout::ContactPhone); }
    void SetContactPhone(const QString &Value) { WriteStr(FData, EmployerLayout::ContactPhone, Value); }
    QString ContactEmail() const { return ReadStr(FData, EmployerLayout::ContactEmail); }
    void SetContactEmail(const QString &Value) { WriteStr(FData, EmployerLayout::ContactEmail, Value); }
    QString ContactFax() const { return ReadStr(FData, EmployerLayout::ContactFax); }
    void SetContactFax(const QString &Value) { WriteStr(FData, EmployerLayout::ContactFax, Value); }
    QString SignerName() const { return ReadStr(FData, EmployerLayout::SignerName); }
    void SetSignerName(const QString &Value) { WriteStr(FData, EmployerLayout::SignerName, Value); }
    QString SignerTitle() const { return ReadStr(FData, EmployerLayout::SignerTitle); }
    void SetSignerTitle(const QString &Value) { WriteStr(FData, EmployerLayout::SignerTitle, Value); }
    QString SignatureDate() const { return ReadStr(FData, EmployerLayout::SignatureDate); }
    void SetSignatureDate(const QString &Value) { WriteStr(FData, EmployerLayout::SignatureDate, Value); }
    QString FilePassword() const { return ReadStr(FData, EmployerLayout::FilePassword); }
    void SetFilePassword(const QString &Value) { WriteStr(FData, EmployerLayout::FilePassword, Value); }
    bool FinalReturn() const { return ReadFlag(FData, EmployerLayout::FinalReturn); }
    void SetFinalReturn(bool Value) { WriteFlag(FData, EmployerLayout::FinalReturn, Value); }

private:
    QByteArray FData;
};
