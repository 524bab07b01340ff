#include "Box12Codes.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "FormsReviewState.h"
#include "QmrkTestMain.h"
#include "TFormsFixture.h"
#include "TRecordIndex.h"
#include "TRecordSet.h"
#include "TaxRates.h"
#include "W2Amounts.h"
#include "W2Checks.h"
#include "W3Checks.h"
#include "W3Totals.h"

#include <functional>

using TEmployeeChange = std::function<void(EmployeeRecord &)>;
using TEmployerChange = std::function<void(EmployerRecord &)>;

struct TBox12Line {
    QString Code;
    double Amount;
};

namespace {

EmployeeRecord WithBox12(const QList<TBox12Line> &Lines)
{
    EmployeeRecord E = TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee"));
    const std::function<void(const QString &)> SetCode[] = { [&E](const QString &C) { E.SetBox12Code_a(C); },
        [&E](const QString &C) { E.SetBox12Code_b(C); }, [&E](const QString &C) { E.SetBox12Code_c(C); },
        [&E](const QString &C) { E.SetBox12Code_d(C); } };
    const std::function<void(double)> SetAmount[]
        = { [&E](double A) { E.SetBox12Amt_a(A); }, [&E](double A) { E.SetBox12Amt_b(A); },
              [&E](double A) { E.SetBox12Amt_c(A); }, [&E](double A) { E.SetBox12Amt_d(A); } };
    for (int I = 0; I < Lines.size(); ++I) {
        SetCode[I](Lines[I].Code);
        SetAmount[I](Lines[I].Amount);
    }
    return E;
}

} // namespace

Q_DECLARE_METATYPE(TEmployeeChange)
Q_DECLARE_METATYPE(TEmployerChange)
Q_DECLARE_METATYPE(TBox12Line)

class TstFormRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void taxFigures();
    void derivedFromBox1_data();
    void derivedFromBox1();
    void derivedFromBox3_data();
    void derivedFromBox3();
    void medicareTax_data();
    void medicareTax();
    void tipsTakenOutOfBox3_data();
    void tipsTakenOutOfBox3();
    void w2Checks_data();
    void w2Checks();
    void stateLine_data();
    void stateLine();
    void localLine_data();
    void localLine();
    void box12Codes_data();
    void box12Codes();
    void deferredCompensationCodes_data();
    void deferredCompensationCodes();
    void w3Checks_data();
    void w3Checks();
    void w3TotalsOverTheFile();
    void w3TotalsOfBox12a_data();
    void w3TotalsOfBox12a();
    void sortKeepsEqualNamesInRecordOrder();
    void indexBuiltOverTheFile();
    void indexOfOneRecordStaysStale();
    void formsReviewStateRises();
};

void TstFormRules::taxFigures()
{
    QCOMPARE(TaxRates::SocSecWageBase, 176100.00);
    QCOMPARE(TaxRates::MaxSocSecTax, 10918.20);
    QCOMPARE(qRound64(TaxRates::SocSecWageBase * TaxRates::SocSecTaxRate * 100), qint64(1091820));
    QCOMPARE(TaxRates::MedicareTaxRate, 0.0145);
    QCOMPARE(TaxRates::AdditionalMedicareThreshold, 200000.00);
    QCOMPARE(TaxRates::AdditionalMedicareTaxRate, 0.009);
}

void TstFormRules::derivedFromBox1_data()
{
    QTest::addColumn<double>("Box1");
    QTest::addColumn<double>("Box3Before");
    QTest::addColumn<bool>("Derived");
    QTest::addColumn<double>("Box3");
    QTest::addColumn<double>("Box4");
    QTest::addColumn<double>("Box5");
    QTest::addColumn<double>("Box6");
    QTest::addColumn<double>("Box16");
    QTest::newRow("50,000") << 50000.0 << 0.0 << true << 50000.0 << 3100.0 << 50000.0 << 725.0 << 50000.0;
    QTest::newRow("200,000 held to the wage base")
        << 200000.0 << 0.0 << true << 176100.0 << 10918.20 << 200000.0 << 2900.0 << 200000.0;
    QTest::newRow("250,000 with Additional Medicare Tax")
        << 250000.0 << 0.0 << true << 176100.0 << 10918.20 << 250000.0 << 4075.0 << 250000.0;
    QTest::newRow("exactly the wage base")
        << 176100.0 << 0.0 << true << 176100.0 << 10918.20 << 176100.0 << 2553.45 << 176100.0;
    QTest::newRow("cents rounded") << 1234.56 << 0.0 << true << 1234.56 << 76.54 << 1234.56 << 17.90
                                   << 1234.56;
    QTest::newRow("box 3 already entered")
        << 50000.0 << 40000.0 << false << 40000.0 << 0.0 << 0.0 << 0.0 << 0.0;
}

void TstFormRules::derivedFromBox1()
{
    QFETCH(double, Box1);
    QFETCH(double, Box3Before);
    QFETCH(bool, Derived);
    TW2Amounts A;
    A.Box1 = Box1;
    A.Box3 = Box3Before;
    QCOMPARE(DeriveFromBox1(A), Derived);
    QTEST(A.Box3, "Box3");
    QTEST(A.Box4, "Box4");
    QTEST(A.Box5, "Box5");
    QTEST(A.Box6, "Box6");
    QTEST(A.Box16, "Box16");
}

void TstFormRules::derivedFromBox3_data()
{
    QTest::addColumn<double>("Box3Before");
    QTest::addColumn<double>("Box7");
    QTest::addColumn<double>("Box3");
    QTest::addColumn<double>("Box4");
    QTest::newRow("wages only") << 1000.0 << 0.0 << 1000.0 << 62.0;
    QTest::newRow("wages and tips") << 800.0 << 200.0 << 800.0 << 62.0;
    QTest::newRow("above the base") << 180000.0 << 0.0 << 176100.0 << 10918.20;
    QTest::newRow("above the base with tips: boxes 3 and 7 make the base")
        << 175000.0 << 5000.0 << 171100.0 << 10918.20;
}

void TstFormRules::derivedFromBox3()
{
    QFETCH(double, Box3Before);
    QFETCH(double, Box7);
    TW2Amounts A;
    A.Box3 = Box3Before;
    A.Box7 = Box7;
    DeriveFromBox3(A);
    QTEST(A.Box3, "Box3");
    QTEST(A.Box4, "Box4");
}

void TstFormRules::medicareTax_data()
{
    QTest::addColumn<double>("Box5");
    QTest::addColumn<double>("Box6");
    QTest::newRow("50,000") << 50000.0 << 725.0;
    QTest::newRow("200,000: no additional tax") << 200000.0 << 2900.0;
    QTest::newRow("200,000.01") << 200000.01 << 2900.0;
    QTest::newRow("250,000") << 250000.0 << 4075.0;
    QTest::newRow("1,000,000") << 1000000.0 << 21700.0;
}

void TstFormRules::medicareTax()
{
    QFETCH(double, Box5);
    TW2Amounts A;
    A.Box5 = Box5;
    DeriveFromBox5(A);
    QTEST(A.Box6, "Box6");
    QTEST(MedicareTaxOn(Box5), "Box6");
}

void TstFormRules::tipsTakenOutOfBox3_data()
{
    QTest::addColumn<double>("Box3");
    QTest::addColumn<double>("Box7Before");
    QTest::addColumn<double>("Box7");
    QTest::addColumn<double>("Expected");
    QTest::newRow("1,000 total, 200 tips") << 1000.0 << 0.0 << 200.0 << 800.0;
    QTest::newRow("tips changed from 200 to 300") << 800.0 << 200.0 << 300.0 << 700.0;
    QTest::newRow("box 3 empty stays empty") << 0.0 << 0.0 << 200.0 << 0.0;
}

void TstFormRules::tipsTakenOutOfBox3()
{
    QFETCH(double, Box3);
    QFETCH(double, Box7Before);
    QFETCH(double, Box7);
    TW2Amounts A;
    A.Box3 = Box3;
    A.Box7 = Box7;
    A.Box4 = 12.34;
    TakeTipsOutOfBox3(A, Box3 + Box7Before);
    QTEST(A.Box3, "Expected");
    QCOMPARE(A.Box4, 12.34);
}

void TstFormRules::w2Checks_data()
{
    QTest::addColumn<TEmployeeChange>("Change");
    QTest::addColumn<QString>("Field");
    QTest::addColumn<QString>("Message");
    auto Row = [](const char *Name, TEmployeeChange Change, const char *Field, const char *Message) {
        QTest::newRow(Name) << Change << QString::fromLatin1(Field) << QString::fromLatin1(Message);
    };
    Row(
        "valid", [](EmployeeRecord &) {}, "", "");
    Row(
        "1 box 1 zero (before a bad SSN)",
        [](EmployeeRecord &E) {
            E.SetBox1Wages(0);
            E.SetEmployeeSSN(QStringLiteral("   -  -    "));
        },
        "Amount1", "Box 1 (Wages, tips, other comp.) cannot be zero.");
    Row(
        "1 box 1 below half a cent", [](EmployeeRecord &E) { E.SetBox1Wages(0.004); }, "Amount1",
        "Box 1 (Wages, tips, other comp.) cannot be zero.");
    Row(
        "2 SSN",
        [](EmployeeRecord &E) {
            E.SetEmployeeSSN(QStringLiteral("666-12-3456"));
            E.SetFirstName(QString());
        },
        "Boxa", "Social security number is invalid.");
    Row(
        "3 first name",
        [](EmployeeRecord &E) {
            E.SetFirstName(QStringLiteral("  "));
            E.SetLastName(QString());
        },
        "Boxe_a", "Employee's first name is missing.");
    Row(
        "4 last name",
        [](EmployeeRecord &E) {
            E.SetLastName(QString());
            E.SetStreetAddress(QString());
        },
        "Boxe_b", "Employee's last name is missing.");
    Row(
        "5 street",
        [](EmployeeRecord &E) {
            E.SetStreetAddress(QString());
            E.SetCity(QString());
        },
        "Boxf_a", "Employee's street address is missing.");
    Row(
        "6 city",
        [](EmployeeRecord &E) {
            E.SetCity(QString());
            E.SetState(QString());
        },
        "Boxf_b", "Employee's city name is missing.");
    Row(
        "7 state",
        [](EmployeeRecord &E) {
            E.SetState(QString());
            E.SetZipCode(QString());
        },
        "Boxf_c", "Employee's state name is missing.");
    Row(
        "8 ZIP",
        [](EmployeeRecord &E) {
            E.SetZipCode(QStringLiteral("6270"));
            E.SetBox12Amt_a(5);
        },
        "Boxf_d", "Employee's Zip Code is not valid.");
    Row(
        "8 ZIP+4 accepted", [](EmployeeRecord &E) { E.SetZipCode(QStringLiteral("62704-1234")); }, "", "");
    Row(
        "9 box 12a code missing", [](EmployeeRecord &E) { E.SetBox12Amt_a(5); }, "Box12Code_a",
        "Box 12a code is missing.");
    Row(
        "12 box 12d code missing before 12a amount",
        [](EmployeeRecord &E) {
            E.SetBox12Code_a(QStringLiteral("D"));
            E.SetBox12Amt_d(5);
        },
        "Box12Code_d", "Box 12d code is missing.");
    Row(
        "13 box 12a amount missing (DD with 0)",
        [](EmployeeRecord &E) { E.SetBox12Code_a(QStringLiteral("DD")); }, "Box12Amt_a",
        "Box 12a amount is missing.");
    Row(
        "15 box 12c amount missing before 12a invalid",
        [](EmployeeRecord &E) {
            E.SetBox12Code_a(QStringLiteral("CC"));
            E.SetBox12Amt_a(5);
            E.SetBox12Code_c(QStringLiteral("E"));
        },
        "Box12Amt_c", "Box 12c amount is missing.");
    Row(
        "17 box 12a code invalid (CC)",
        [](EmployeeRecord &E) {
            E.SetBox12Code_a(QStringLiteral("CC"));
            E.SetBox12Amt_a(5);
        },
        "Box12Code_a", "Box 12a code is invalid.");
    Row(
        "20 box 12d code invalid",
        [](EmployeeRecord &E) {
            E.SetBox12Code_d(QStringLiteral("X"));
            E.SetBox12Amt_d(5);
        },
        "Box12Code_d", "Box 12d code is invalid.");
    Row(
        "box 12 lower-case code accepted",
        [](EmployeeRecord &E) {
            E.SetBox12Code_b(QStringLiteral("dd"));
            E.SetBox12Amt_b(5);
        },
        "", "");
    Row(
        "21 box 14 description 1 missing",
        [](EmployeeRecord &E) {
            E.SetBox14Amt_a(5);
            E.SetBox15State_a(QString());
        },
        "Box14Desc_a", "Box 14 description 1 is missing.");
    Row(
        "23 box 14 description 3 missing", [](EmployeeRecord &E) { E.SetBox14Amt_c(5); }, "Box14Desc_c",
        "Box 14 description 3 is missing.");
    Row(
        "24 box 14 amount 1 missing", [](EmployeeRecord &E) { E.SetBox14Desc_a(QStringLiteral("UNION")); },
        "Box14Amt_a", "Box 14 amount 1 is missing.");
    Row(
        "26 box 14 amount 3 missing", [](EmployeeRecord &E) { E.SetBox14Desc_c(QStringLiteral("SDI")); },
        "Box14Amt_c", "Box 14 amount 3 is missing.");
    Row(
        "27 state 1 without a state", [](EmployeeRecord &E) { E.SetBox15State_a(QString()); }, "Box15a",
        "State 1 data is incomplete.");
    Row(
        "27 state 1 with only a state",
        [](EmployeeRecord &E) {
            E.SetStateID_a(QString());
            E.SetBox16StateWages_a(0);
        },
        "StateID_a", "State 1 data is incomplete.");
    Row(
        "28 state 2 tax alone", [](EmployeeRecord &E) { E.SetBox17StateTax_b(10); }, "Box15b",
        "State 2 data is incomplete.");
    Row(
        "28 state 2 without an ID",
        [](EmployeeRecord &E) {
            E.SetBox15State_b(QStringLiteral("WI"));
            E.SetBox16StateWages_b(10);
        },
        "StateID_b", "State 2 data is incomplete.");
    Row(
        "29 local 1 tax alone", [](EmployeeRecord &E) { E.SetBox19LocalTax_a(10); }, "Box18a",
        "Local data 1 is incomplete.");
    Row(
        "29 local 1 without a locality", [](EmployeeRecord &E) { E.SetBox18LocalWages_a(10); }, "Box20a",
        "Local data 1 is incomplete.");
    Row(
        "30 local 2 without wages", [](EmployeeRecord &E) { E.SetBox20Locality_b(QStringLiteral("CHI")); },
        "Box18b", "Local data 2 is incomplete.");
    Row(
        "complete second state and local lines",
        [](EmployeeRecord &E) {
            E.SetBox15State_b(QStringLiteral("WI"));
            E.SetStateID_b(QStringLiteral("998877"));
            E.SetBox16StateWages_b(100);
            E.SetBox18LocalWages_b(100);
            E.SetBox20Locality_b(QStringLiteral("MADSN"));
            E.SetBox19LocalTax_b(1);
        },
        "", "");
}

void TstFormRules::w2Checks()
{
    QFETCH(TEmployeeChange, Change);
    EmployeeRecord Employee = TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee"));
    Change(Employee);
    const TFieldCheck Result = CheckW2(Employee);
    QTEST(Result.Field, "Field");
    QTEST(Result.Message, "Message");
}

void TstFormRules::stateLine_data()
{
    QTest::addColumn<QString>("State");
    QTest::addColumn<QString>("StateID");
    QTest::addColumn<double>("Wages");
    QTest::addColumn<double>("Tax");
    QTest::addColumn<bool>("Complete");
    QTest::newRow("all three, no tax") << "IL"
                                       << "123" << 10.0 << 0.0 << true;
    QTest::newRow("all three and tax") << "IL"
                                       << "123" << 10.0 << 1.0 << true;
    QTest::newRow("none") << ""
                          << "" << 0.0 << 0.0 << true;
    QTest::newRow("none but tax") << ""
                                  << "" << 0.0 << 1.0 << false;
    QTest::newRow("state only") << "IL"
                                << "" << 0.0 << 0.0 << false;
    QTest::newRow("ID only") << ""
                             << "123" << 0.0 << 0.0 << false;
    QTest::newRow("wages only") << ""
                                << "" << 10.0 << 0.0 << false;
    QTest::newRow("no wages") << "IL"
                              << "123" << 0.0 << 0.0 << false;
    QTest::newRow("blank ID") << "IL"
                              << "   " << 10.0 << 0.0 << false;
}

void TstFormRules::stateLine()
{
    QFETCH(QString, State);
    QFETCH(QString, StateID);
    QFETCH(double, Wages);
    QFETCH(double, Tax);
    QTEST(StateLineComplete(State, StateID, Wages, Tax), "Complete");
}

void TstFormRules::localLine_data()
{
    QTest::addColumn<double>("Wages");
    QTest::addColumn<QString>("Locality");
    QTest::addColumn<double>("Tax");
    QTest::addColumn<bool>("Complete");
    QTest::newRow("both") << 10.0 << "CHI" << 0.0 << true;
    QTest::newRow("both and tax") << 10.0 << "CHI" << 1.0 << true;
    QTest::newRow("neither") << 0.0 << "" << 0.0 << true;
    QTest::newRow("neither but tax") << 0.0 << "" << 1.0 << false;
    QTest::newRow("wages only") << 10.0 << "" << 0.0 << false;
    QTest::newRow("locality only") << 0.0 << "CHI" << 0.0 << false;
}

void TstFormRules::localLine()
{
    QFETCH(double, Wages);
    QFETCH(QString, Locality);
    QFETCH(double, Tax);
    QTEST(LocalLineComplete(Wages, Locality, Tax), "Complete");
}

void TstFormRules::box12Codes_data()
{
    QTest::addColumn<QString>("Code");
    QTest::addColumn<bool>("Valid");
    for (const char *Code : { "A", "B", "C", "D", "E", "F", "G", "H", "J", "K", "L", "M", "N", "P", "Q", "R",
             "S", "T", "V", "W", "Y", "Z", "AA", "BB", "DD", "EE", "FF", "GG", "HH", "II" })
        QTest::newRow(Code) << QString::fromLatin1(Code) << true;
    for (const char *Code : { "CC", "I", "O", "U", "X", "", "AB" })
        QTest::newRow(qPrintable(QStringLiteral("not %1").arg(QLatin1String(Code))))
            << QString::fromLatin1(Code) << false;
    QTest::newRow("lower case dd") << "dd" << true;
}

void TstFormRules::box12Codes()
{
    QFETCH(QString, Code);
    QTEST(IsValidBox12Code(Code), "Valid");
    QCOMPARE(Box12Codes().size(), 30);
    QCOMPARE(Box12Descriptions().size(), 30);
    QCOMPARE(Box12Codes().at(28), QStringLiteral("HH"));
}

void TstFormRules::deferredCompensationCodes_data()
{
    QTest::addColumn<QString>("Code");
    QTest::addColumn<bool>("Added");
    for (const char *Code : { "D", "E", "F", "G", "H", "S", "Y", "AA", "BB", "EE", "d", "aa", "ee" })
        QTest::newRow(Code) << QString::fromLatin1(Code) << true;
    for (const char *Code : { "A", "C", "DD", "W", "Z", "FF", "" })
        QTest::newRow(qPrintable(QStringLiteral("not %1").arg(QLatin1String(Code))))
            << QString::fromLatin1(Code) << false;
}

void TstFormRules::deferredCompensationCodes()
{
    QFETCH(QString, Code);
    QTEST(IsDeferredCompensationCode(Code), "Added");
}

void TstFormRules::w3Checks_data()
{
    QTest::addColumn<TEmployerChange>("Change");
    QTest::addColumn<QString>("Field");
    QTest::addColumn<QString>("Message");
    const char *Blank = "Required field has been left blank.";
    auto Row = [](const char *Name, TEmployerChange Change, const char *Field, const char *Message) {
        QTest::newRow(Name) << Change << QString::fromLatin1(Field) << QString::fromLatin1(Message);
    };
    Row(
        "valid", [](EmployerRecord &) {}, "", "");
    Row(
        "1 kind of payer",
        [](EmployerRecord &R) {
            R.SetKindOfPayer941(false);
            R.SetKindOfEmployerNoneApply(false);
        },
        "Boxb1", "The Kind of Payer box has not been checked.");
    Row(
        "2 kind of employer",
        [](EmployerRecord &R) {
            R.SetKindOfEmployerNoneApply(false);
            R.SetEmployerEIN(QString());
        },
        "Boxb8", "The Kind of Employer box has not been checked.");
    Row(
        "2 any payer box counts",
        [](EmployerRecord &R) {
            R.SetKindOfPayer941(false);
            R.SetKindOfPayerMedicareGovt(true);
            R.SetKindOfEmployerNoneApply(false);
            R.SetKindOfEmployerFederalGovt(true);
        },
        "", "");
    Row(
        "3 EIN invalid",
        [](EmployerRecord &R) {
            R.SetEmployerEIN(QStringLiteral("07-1234567"));
            R.SetEmployerName(QString());
        },
        "Boxe", Blank);
    Row(
        "4 name",
        [](EmployerRecord &R) {
            R.SetEmployerName(QString());
            R.SetEmployerAddress(QString());
        },
        "Boxf_a", Blank);
    Row(
        "5 address",
        [](EmployerRecord &R) {
            R.SetEmployerAddress(QString());
            R.SetEmployerCity(QString());
        },
        "Boxg_a", Blank);
    Row(
        "6 city",
        [](EmployerRecord &R) {
            R.SetEmployerCity(QString());
            R.SetEmployerState(QString());
        },
        "Boxg_b", Blank);
    Row(
        "7 state",
        [](EmployerRecord &R) {
            R.SetEmployerState(QString());
            R.SetEmployerZipCode(QString());
        },
        "Boxg_c", Blank);
    Row(
        "8 ZIP",
        [](EmployerRecord &R) {
            R.SetEmployerZipCode(QStringLiteral("ABCDE"));
            R.SetBox15State(QString());
        },
        "Boxg_d", "Employer's Zip Code is invalid.");
    Row(
        "9 box 15",
        [](EmployerRecord &R) {
            R.SetBox15State(QString());
            R.SetContactPerson(QString());
        },
        "Box15", Blank);
    Row(
        "10 state ID",
        [](EmployerRecord &R) {
            R.SetEmployerStateID(QString());
            R.SetContactPerson(QString());
        },
        "StateID", Blank);
    Row(
        "10 no state ID for X",
        [](EmployerRecord &R) {
            R.SetBox15State(QStringLiteral("X"));
            R.SetEmployerStateID(QString());
        },
        "", "");
    Row(
        "11 contact",
        [](EmployerRecord &R) {
            R.SetContactPerson(QString());
            R.SetContactEmail(QStringLiteral("no at sign"));
        },
        "Contact", "Employer's contact person name is missing.");
    Row(
        "12 email", [](EmployerRecord &R) { R.SetContactEmail(QStringLiteral("pat@")); }, "Email",
        "Employer's email address is invalid.");
    Row(
        "12 empty email accepted", [](EmployerRecord &R) { R.SetContactEmail(QString()); }, "", "");
}

void TstFormRules::w3Checks()
{
    QFETCH(TEmployerChange, Change);
    EmployerRecord Employer = TFormsFixture::SampleEmployer();
    Change(Employer);
    const TFieldCheck Result = CheckW3(Employer);
    QTEST(Result.Field, "Field");
    QTEST(Result.Message, "Message");
}

void TstFormRules::w3TotalsOverTheFile()
{
    TFormsFixture Fixture;
    EmployeeRecord First = TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee"), 1000);
    First.SetBox2FedIncomeTax(100);
    First.SetBox7SocSecTips(7);
    First.SetBox8AllocatedTips(8);
    First.SetBox10DependentCare(10);
    First.SetBox11NonqualifiedPlans(11);
    First.SetBox16StateWages_b(500);
    First.SetBox17StateTax_a(17);
    First.SetBox17StateTax_b(1.7);
    First.SetBox18LocalWages_a(18);
    First.SetBox18LocalWages_b(1.8);
    First.SetBox19LocalTax_a(19);
    First.SetBox19LocalTax_b(1.9);
    const EmployeeRecord Second
        = TFormsFixture::SampleEmployee(QStringLiteral("Bob"), QStringLiteral("Ray"), 2000);
    EmployerRecord Employer = TFormsFixture::SampleEmployer();
    Employer.SetSickPayTaxWithheld(14);
    Employer.SetTotalBox9(99);
    Fixture.OpenCompany(Employer, { First, EmployeeRecord(), Second });
    Fixture.Data.RSW2->SetCurrentRecord(3);
    Fixture.Data.RSW2->GetRec();
    ComputeW3Totals(Fixture.Data);
    const EmployerRecord &R = Fixture.Data.CurrentEmployer;
    QCOMPARE(R.FormsW2Count(), 3);
    QCOMPARE(R.TotalWages(), 3000.0);
    QCOMPARE(R.TotalFedIncomeTax(), 100.0);
    QCOMPARE(R.TotalSocSecWages(), 3000.0);
    QCOMPARE(R.TotalMedicareWages(), 3000.0);
    QCOMPARE(R.TotalSocSecTips(), 7.0);
    QCOMPARE(R.TotalAllocatedTips(), 8.0);
    QCOMPARE(R.TotalBox9(), 0.0);
    QCOMPARE(R.TotalDependentCare(), 10.0);
    QCOMPARE(R.TotalNonqualifiedPlans(), 11.0);
    // Both state lines of every employee.
    QCOMPARE(R.TotalStateWages(), 1000.0 + 500.0 + 2000.0);
    QCOMPARE(R.TotalStateTax(), 17 + 1.7);
    QCOMPARE(R.TotalLocalWages(), 18 + 1.8);
    QCOMPARE(R.TotalLocalTax(), 19 + 1.9);
    QCOMPARE(R.SickPayTaxWithheld(), 14.0);
    // The walk comes back to the current record.
    QCOMPARE(Fixture.Data.RSW2->CurrentRecord(), 3);
    QCOMPARE(Fixture.Data.CurrentEmployee.FirstName(), QStringLiteral("Bob"));
    QVERIFY2(Fixture.Person.Problems().isEmpty(), qPrintable(Fixture.Person.Problems()));
}

void TstFormRules::w3TotalsOfBox12a_data()
{
    QTest::addColumn<QList<TBox12Line>>("Lines");
    QTest::addColumn<double>("Total");
    QTest::newRow("D 1000, dd 500, Y 300")
        << QList<TBox12Line> { { "D", 1000 }, { "dd", 500 }, { "Y", 300 } } << 1300.0;
    QTest::newRow("EE, AA, BB, S added")
        << QList<TBox12Line> { { "EE", 1 }, { "aa", 2 }, { "BB", 4 }, { "s", 8 } } << 15.0;
    QTest::newRow("DD and C not added")
        << QList<TBox12Line> { { "DD", 100 }, { "C", 50 }, { "E", 5 } } << 5.0;
    QTest::newRow("E, F, G, H") << QList<TBox12Line> { { "E", 1 }, { "F", 2 }, { "G", 4 }, { "h", 8 } }
                                << 15.0;
}

void TstFormRules::w3TotalsOfBox12a()
{
    QFETCH(QList<TBox12Line>, Lines);
    EmployerRecord Employer = TFormsFixture::SampleEmployer();
    Employer.SetTotalDeferredComp(12345);
    ClearW3Totals(Employer);
    AddToW3Totals(Employer, WithBox12(Lines));
    AddToW3Totals(Employer, EmployeeRecord());
    QTEST(Employer.TotalDeferredComp(), "Total");
}

void TstFormRules::sortKeepsEqualNamesInRecordOrder()
{
    const QList<RecIndexData> Unsorted = { { QStringLiteral("Smith\tJohn"), 0 },
        { QStringLiteral("adams\tmary"), 1 }, { QStringLiteral("Smith\tJohn"), 2 },
        { QStringLiteral("SMITH\tjohn"), 3 }, { QStringLiteral("Smithers\tAl"), 4 } };
    const QList<RecIndexData> Sorted = TRecordIndex::Sorted(Unsorted);
    QList<qint32> Order;
    for (const RecIndexData &Entry : Sorted)
        Order.append(Entry.Index);
    QCOMPARE(Order, (QList<qint32> { 1, 0, 2, 3, 4 }));
}

void TstFormRules::indexBuiltOverTheFile()
{
    TFormsFixture Fixture;
    Fixture.OpenCompany(TFormsFixture::SampleEmployer(),
        TFormsFixture::Employees(
            { QStringLiteral("John Smith"), QStringLiteral("mary adams"), QStringLiteral("John Smith") }));
    Fixture.Data.RSW2->SetCurrentRecord(2);
    Fixture.Data.RSW2->GetRec();
    QVERIFY(Fixture.Data.RecordIndexDirty);
    TRecordIndex &Index = TRecordIndex::Instance();
    Index.Build(Fixture.Data, 3);
    QVERIFY(!Fixture.Data.RecordIndexDirty);
    QCOMPARE(Index.Entries().size(), 3);
    QCOMPARE(Index.Entries().at(0).Name, QStringLiteral("adams\tmary"));
    QCOMPARE(Index.Entries().at(0).Index, 1);
    QCOMPARE(Index.Entries().at(1).Name, QStringLiteral("Smith\tJohn"));
    QCOMPARE(Index.Entries().at(1).Index, 0);
    QCOMPARE(Index.Entries().at(2).Index, 2);
    QCOMPARE(Fixture.Data.RSW2->CurrentRecord(), 2);
    QCOMPARE(Fixture.Data.CurrentEmployee.FirstName(), QStringLiteral("mary"));
    // Nothing to do while the index is fresh.
    Fixture.Data.CurrentEmployee.SetFirstName(QStringLiteral("changed"));
    Index.Build(Fixture.Data, 3);
    QCOMPARE(Fixture.Data.CurrentEmployee.FirstName(), QStringLiteral("changed"));
}

void TstFormRules::indexOfOneRecordStaysStale()
{
    TFormsFixture Fixture;
    Fixture.OpenCompany(
        TFormsFixture::SampleEmployer(), TFormsFixture::Employees({ QStringLiteral("Ann Lee") }));
    TRecordIndex &Index = TRecordIndex::Instance();
    Index.Build(Fixture.Data, 1);
    QCOMPARE(Index.Entries().size(), 1);
    QCOMPARE(Index.Entries().at(0).Index, 0);
    QVERIFY(Fixture.Data.RecordIndexDirty);
}

void TstFormRules::formsReviewStateRises()
{
    QCOMPARE(RaisedFormsReviewState(0), 1);
    QCOMPARE(RaisedFormsReviewState(1), 2);
    QCOMPARE(RaisedFormsReviewState(2), 2);
}

QMRK_TEST_MAIN(TstFormRules)
#include "tst_formrules.moc"
