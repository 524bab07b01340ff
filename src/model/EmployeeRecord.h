#pragma once

#include "EmployeeLayout.h"
#include "RecordFields.h"

#include <QByteArray>

#include <span>

class EmployerRecord;

// The employee (W-2) record, kept as the 480 bytes the .W225 file holds and read
// and changed field by field. Bytes no setter touches (filler, reserved, the
// characters after a text's length) keep what was read, so a record written
// back carries every byte it came with.
class EmployeeRecord {
public:
    static constexpr int RecSize = EmployeeLayout::RecSize;

    // A zero record: the empty employee of a new file.
    EmployeeRecord();
    // A record from the bytes of a file; fewer bytes are completed with zeros.
    static EmployeeRecord FromBytes(const QByteArray &Bytes);

    const QByteArray &Bytes() const { return FData; }
    // Whole-record moves to and from a record set buffer of RecSize bytes.
    void LoadFrom(const char *Buffer);
    void StoreTo(char *Buffer) const;

    static std::span<const TFieldDef> Fields() { return EmployeeLayout::Fields; }

    // A valid W-2 employee, the one the valid employee count counts, printed
    // and reported: box 1 wages or the first line's box 16 state wages,
    // rounded to cents, above zero. The W-2 window asks it of the values on
    // screen before they are stored.
    static bool CountsAsValid(double Box1Wages, double Box16StateWages_a);
    bool CountsAsValid() const;

    // What every new employee starts with: the employer's state (unless it
    // is "X", several states) and state ID on the first state line.
    void SetNewRecordDefaults(const EmployerRecord &Employer);
    // Nothing entered yet: no SSN (a saved blank one holds only hyphens and
    // blanks), every other text empty, every amount and flag zero. The
    // new-record defaults and the derived address line do not count.
    bool IsBlank() const;

    friend bool operator==(const EmployeeRecord &, const EmployeeRecord &) = default;

    QString EmployeeSSN() const { return ReadStr(FData, EmployeeLayout::EmployeeSSN); }
    void SetEmployeeSSN(const QString &Value) { WriteStr(FData, EmployeeLayout::EmployeeSSN, Value); }
    QString ControlNumber() const { return ReadStr(FData, EmployeeLayout::ControlNumber); }
    void SetControlNumber(const QString &Value) { WriteStr(FData, EmployeeLayout::ControlNumber, Value); }
    QString FirstName() const { return ReadStr(FData, EmployeeLayout::FirstName); }
    void SetFirstName(const QString &Value) { WriteStr(FData, EmployeeLayout::FirstName, Value); }
    QString LastName() const { return ReadStr(FData, EmployeeLayout::LastName); }
    void SetLastName(const QString &Value) { WriteStr(FData, EmployeeLayout::LastName, Value); }
    QString Suffix() const { return ReadStr(FData, EmployeeLayout::Suffix); }
    void SetSuffix(const QString &Value) { WriteStr(FData, EmployeeLayout::Suffix, Value); }
    QString StreetAddress() const { return ReadStr(FData, EmployeeLayout::StreetAddress); }
    void SetStreetAddress(const QString &Value) { WriteStr(FData, EmployeeLayout::StreetAddress, Value); }
    QString City() const { return ReadStr(FData, EmployeeLayout::City); }
    void SetCity(const QString &Value) { WriteStr(FData, EmployeeLayout::City, Value); }
    QString State() const { return ReadStr(FData, EmployeeLayout::State); }
    void SetState(const QString &Value) { WriteStr(FData, EmployeeLayout::State, Value); }
    QString ZipCode() const { return ReadStr(FData, EmployeeLayout::ZipCode); }
    void SetZipCode(const QString &Value) { WriteStr(FData, EmployeeLayout::ZipCode, Value); }
    QString CityStateZip() const { return ReadStr(FData, EmployeeLayout::CityStateZip); }
    void SetCityStateZip(const QString &Value) { WriteStr(FData, EmployeeLayout::CityStateZip, Value); }
    double Box1Wages() const { return ReadMoney(FData, EmployeeLayout::Box1Wages); }
    void SetBox1Wages(double Value) { WriteMoney(FData, EmployeeLayout::Box1Wages, Value); }
    double Box2FedIncomeTax() const { return ReadMoney(FData, EmployeeLayout::Box2FedIncomeTax); }
    void SetBox2FedIncomeTax(double Value) { WriteMoney(FData, EmployeeLayout::Box2FedIncomeTax, Value); }
    double Box3SocSecWages() const { return ReadMoney(FData, EmployeeLayout::Box3SocSecWages); }
    void SetBox3SocSecWages(double Value) { WriteMoney(FData, EmployeeLayout::Box3SocSecWages, Value); }
    double Box4SocSecTax() const { return ReadMoney(FData, EmployeeLayout::Box4SocSecTax); }
    void SetBox4SocSecTax(double Value) { WriteMoney(FData, EmployeeLayout::Box4SocSecTax, Value); }
    double Box5MedicareWages() const { return ReadMoney(FData, EmployeeLayout::Box5MedicareWages); }
    void SetBox5MedicareWages(double Value) { WriteMoney(FData, EmployeeLayout::Box5MedicareWages, Value); }
    double Box6MedicareTax() const { return ReadMoney(FData, EmployeeLayout::Box6MedicareTax); }
    void SetBox6MedicareTax(double Value) { WriteMoney(FData, EmployeeLayout::Box6MedicareTax, Value); }
    double Box7SocSecTips() const { return ReadMoney(FData, EmployeeLayout::Box7SocSecTips); }
    void SetBox7SocSecTips(double Value) { WriteMoney(FData, EmployeeLayout::Box7SocSecTips, Value); }
    double Box8AllocatedTips() const { return ReadMoney(FData, EmployeeLayout::Box8AllocatedTips); }
    void SetBox8AllocatedTips(double Value) { WriteMoney(FData, EmployeeLayout::Box8AllocatedTips, Value); }
    QString Box9Text() const { return ReadStr(FData, EmployeeLayout::Box9Text); }
    void SetBox9Text(const QString &Value) { WriteStr(FData, EmployeeLayout::Box9Text, Value); }
    double Box10DependentCare() const { return ReadMoney(FData, EmployeeLayout::Box10DependentCare); }
    void SetBox10DependentCare(double Value) { WriteMoney(FData, EmployeeLayout::Box10DependentCare, Value); }
    double Box11NonqualifiedPlans() const { return ReadMoney(FData, EmployeeLayout::Box11NonqualifiedPlans); }
    void SetBox11NonqualifiedPlans(double Value)
    {
        WriteMoney(FData, EmployeeLayout::Box11NonqualifiedPlans, Value);
    }
    QString Box12Code_a() const { return ReadStr(FData, EmployeeLayout::Box12Code_a); }
    void SetBox12Code_a(const QString &Value) { WriteStr(FData, EmployeeLayout::Box12Code_a, Value); }
    QString Box12Code_b() const { return ReadStr(FData, EmployeeLayout::Box12Code_b); }
    void SetBox12Code_b(const QString &Value) { WriteStr(FData, EmployeeLayout::Box12Code_b, Value); }
    QString Box12Code_c() const { return ReadStr(FData, EmployeeLayout::Box12Code_c); }
    void SetBox12Code_c(const QString &Value) { WriteStr(FData, EmployeeLayout::Box12Code_c, Value); }
    QString Box12Code_d() const { return ReadStr(FData, EmployeeLayout::Box12Code_d); }
    void SetBox12Code_d(const QString &Value) { WriteStr(FData, EmployeeLayout::Box12Code_d, Value); }
    double Box12Amt_a() const { return ReadMoney(FData, EmployeeLayout::Box12Amt_a); }
    void SetBox12Amt_a(double Value) { WriteMoney(FData, EmployeeLayout::Box12Amt_a, Value); }
    double Box12Amt_b() const { return ReadMoney(FData, EmployeeLayout::Box12Amt_b); }
    void SetBox12Amt_b(double Value) { WriteMoney(FData, EmployeeLayout::Box12Amt_b, Value); }
    double Box12Amt_c() const { return ReadMoney(FData, EmployeeLayout::Box12Amt_c); }
    void SetBox12Amt_c(double Value) { WriteMoney(FData, EmployeeLayout::Box12Amt_c, Value); }
    double Box12Amt_d() const { return ReadMoney(FData, EmployeeLayout::Box12Amt_d); }
    void SetBox12Amt_d(double Value) { WriteMoney(FData, EmployeeLayout::Box12Amt_d, Value); }
    bool Box13Statutory() const { return ReadFlag(FData, EmployeeLayout::Box13Statutory); }
    void SetBox13Statutory(bool Value) { WriteFlag(FData, EmployeeLayout::Box13Statutory, Value); }
    bool Box13Retirement() const { return ReadFlag(FData, EmployeeLayout::Box13Retirement); }
    void SetBox13Retirement(bool Value) { WriteFlag(FData, EmployeeLayout::Box13Retirement, Value); }
    bool Box13SickPay() const { return ReadFlag(FData, EmployeeLayout::Box13SickPay); }
    void SetBox13SickPay(bool Value) { WriteFlag(FData, EmployeeLayout::Box13SickPay, Value); }
    QString Box14Desc_a() const { return ReadStr(FData, EmployeeLayout::Box14Desc_a); }
    void SetBox14Desc_a(const QString &Value) { WriteStr(FData, EmployeeLayout::Box14Desc_a, Value); }
    QString Box14Desc_b() const { return ReadStr(FData, EmployeeLayout::Box14Desc_b); }
    void SetBox14Desc_b(const QString &Value) { WriteStr(FData, EmployeeLayout::Box14Desc_b, Value); }
    QString Box14Desc_c() const { return ReadStr(FData, EmployeeLayout::Box14Desc_c); }
    void SetBox14Desc_c(const QString &Value) { WriteStr(FData, EmployeeLayout::Box14Desc_c, Value); }
    double Box14Amt_a() const { return ReadMoney(FData, EmployeeLayout::Box14Amt_a); }
    void SetBox14Amt_a(double Value) { WriteMoney(FData, EmployeeLayout::Box14Amt_a, Value); }
    double Box14Amt_b() const { return ReadMoney(FData, EmployeeLayout::Box14Amt_b); }
    void SetBox14Amt_b(double Value) { WriteMoney(FData, EmployeeLayout::Box14Amt_b, Value); }
    double Box14Amt_c() const { return ReadMoney(FData, EmployeeLayout::Box14Amt_c); }
    void SetBox14Amt_c(double Value) { WriteMoney(FData, EmployeeLayout::Box14Amt_c, Value); }
    QString Box15State_a() const { return ReadStr(FData, EmployeeLayout::Box15State_a); }
    void SetBox15State_a(const QString &Value) { WriteStr(FData, EmployeeLayout::Box15State_a, Value); }
    QString Box15State_b() const { return ReadStr(FData, EmployeeLayout::Box15State_b); }
    void SetBox15State_b(const QString &Value) { WriteStr(FData, EmployeeLayout::Box15State_b, Value); }
    QString StateID_a() const { return ReadStr(FData, EmployeeLayout::StateID_a); }
    void SetStateID_a(const QString &Value) { WriteStr(FData, EmployeeLayout::StateID_a, Value); }
    QString StateID_b() const { return ReadStr(FData, EmployeeLayout::StateID_b); }
    void SetStateID_b(const QString &Value) { WriteStr(FData, EmployeeLayout::StateID_b, Value); }
    double Box16StateWages_a() const { return ReadMoney(FData, EmployeeLayout::Box16StateWages_a); }
    void SetBox16StateWages_a(double Value) { WriteMoney(FData, EmployeeLayout::Box16StateWages_a, Value); }
    double Box16StateWages_b() const { return ReadMoney(FData, EmployeeLayout::Box16StateWages_b); }
    void SetBox16StateWages_b(double Value) { WriteMoney(FData, EmployeeLayout::Box16StateWages_b, Value); }
    double Box17StateTax_a() const { return ReadMoney(FData, EmployeeLayout::Box17StateTax_a); }
    void SetBox17StateTax_a(double Value) { WriteMoney(FData, EmployeeLayout::Box17StateTax_a, Value); }
    double Box17StateTax_b() const { return ReadMoney(FData, EmployeeLayout::Box17StateTax_b); }
    void SetBox17StateTax_b(double Value) { WriteMoney(FData, EmployeeLayout::Box17StateTax_b, Value); }
    double Box18LocalWages_a() const { return ReadMoney(FData, EmployeeLayout::Box18LocalWages_a); }
    void SetBox18LocalWages_a(double Value) { WriteMoney(FData, EmployeeLayout::Box18LocalWages_a, Value); }
    double Box18LocalWages_b() const { return ReadMoney(FData, EmployeeLayout::Box18LocalWages_b); }
    void SetBox18LocalWages_b(double Value) { WriteMoney(FData, EmployeeLayout::Box18LocalWages_b, Value); }
    double Box19LocalTax_a() const { return ReadMoney(FData, EmployeeLayout::Box19LocalTax_a); }
    void SetBox19LocalTax_a(double Value) { WriteMoney(FData, EmployeeLayout::Box19LocalTax_a, Value); }
    double Box19LocalTax_b() const { return ReadMoney(FData, EmployeeLayout::Box19LocalTax_b); }
    void SetBox19LocalTax_b(double Value) { WriteMoney(FData, EmployeeLayout::Box19LocalTax_b, Value); }
    QString Box20Locality_a() const { return ReadStr(FData, EmployeeLayout::Box20Locality_a); }
    void SetBox20Locality_a(const QString &Value) { WriteStr(FData, EmployeeLayout::Box20Locality_a, Value); }
    QString Box20Locality_b() const { return ReadStr(FData, EmployeeLayout::Box20Locality_b); }
    void SetBox20Locality_b(const QString &Value) { WriteStr(FData, EmployeeLayout::Box20Locality_b, Value); }

private:
    QByteArray FData;
};
