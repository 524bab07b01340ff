#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "FormPrintText.h"
#include "LabelText.h"
#include "PostNet.h"
#include "QmrkTestMain.h"
#include "TFormsFixture.h"

#include <functional>
#include <optional>

using TEmployeeChange = std::function<void(EmployeeRecord &)>;
using TEmployerChange = std::function<void(EmployerRecord &)>;

Q_DECLARE_METATYPE(TEmployeeChange)
Q_DECLARE_METATYPE(TEmployerChange)
Q_DECLARE_METATYPE(TW2Copy)

namespace {

std::optional<QString> Param(const TReportParams &Params, const QString &Name)
{
    std::optional<QString> Found;
    for (const auto &[Key, Text] : Params)
        if (Key == Name) {
            if (Found)
                return QStringLiteral("<set twice>");
            Found = Text;
        }
    return Found;
}

EmployeeRecord Sample()
{
    return TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee"));
}

// Marks a parameter that must not be set at all.
const QString Unset = QStringLiteral("<unset>");

} // namespace

class TstFormPrintText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void employeeParams_data();
    void employeeParams();
    void employeeParamsAreAllSet_data();
    void employeeParamsAreAllSet();
    void employerBlock_data();
    void employerBlock();
    void slotNames_data();
    void slotNames();
    void w3Params_data();
    void w3Params();
    void w3SetsNoBoxbWithoutFlags();
    void labelNameLine_data();
    void labelNameLine();
    void labelBarCodeDigits_data();
    void labelBarCodeDigits();
    void labelLinesOfARecord();
    void postNetCheckDigit_data();
    void postNetCheckDigit();
    void postNetBars_data();
    void postNetBars();
};

void TstFormPrintText::employeeParams_data()
{
    QTest::addColumn<TW2Copy>("Copy");
    QTest::addColumn<bool>("Mask");
    QTest::addColumn<TEmployeeChange>("Change");
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Expected");

    const auto Ssn
        = [](const QString &S) { return TEmployeeChange([S](EmployeeRecord &E) { E.SetEmployeeSSN(S); }); };
    const auto Box9
        = [](const QString &S) { return TEmployeeChange([S](EmployeeRecord &E) { E.SetBox9Text(S); }); };
    const auto Wages
        = [](double V) { return TEmployeeChange([V](EmployeeRecord &E) { E.SetBox1Wages(V); }); };
    const auto Box12a = [](const QString &C, double A) {
        return TEmployeeChange([C, A](EmployeeRecord &E) {
            E.SetBox12Code_a(C);
            E.SetBox12Amt_a(A);
        });
    };
    const auto Box14b = [](const QString &D, double A) {
        return TEmployeeChange([D, A](EmployeeRecord &E) {
            E.SetBox14Desc_b(D);
            E.SetBox14Amt_b(A);
        });
    };
    const QString Valid = QStringLiteral("234-56-7890");
    const QString Nineteen = QStringLiteral("ABCDE-FGHIJ-KLMNO-P");
    const auto E = TW2Copy::Employee;

    QTest::newRow("SSN masked on the employee copy") << E << true << Ssn(Valid) << "Boxa"
                                                     << "***-**-7890";
    QTest::newRow("SSN as stored when masking is off") << E << false << Ssn(Valid) << "Boxa" << Valid;
    QTest::newRow("SSN never masked on Copy A") << TW2Copy::SSA << true << Ssn(Valid) << "Boxa" << Valid;
    QTest::newRow("SSN never masked on Copy D") << TW2Copy::Employer << true << Ssn(Valid) << "Boxa" << Valid;
    QTest::newRow("SSN never masked on Copy 1") << TW2Copy::State << true << Ssn(Valid) << "Boxa" << Valid;
    QTest::newRow("invalid SSN masked: empty") << E << true << Ssn(QStringLiteral("666-12-3456")) << "Boxa"
                                               << "";
    QTest::newRow("invalid SSN on Copy A: as stored")
        << TW2Copy::SSA << true << Ssn(QStringLiteral("666-12-3456")) << "Boxa"
        << "666-12-3456";

    QTest::newRow("first name in upper case, other characters kept")
        << E << true
        << TEmployeeChange([](EmployeeRecord &R) { R.SetFirstName(QStringLiteral(" ren\u00e9e-m")); })
        << "Boxe1"
        << " REN\u00e9E-M";
    QTest::newRow("suffix in upper case")
        << E << true << TEmployeeChange([](EmployeeRecord &R) { R.SetSuffix(QStringLiteral("jr.")); })
        << "Boxe3"
        << "JR.";
    QTest::newRow("control number as stored")
        << E << true << TEmployeeChange([](EmployeeRecord &R) { R.SetControlNumber(QStringLiteral(" ab1")); })
        << "Boxd"
        << " ab1";
    QTest::newRow("locality in upper case")
        << E << true
        << TEmployeeChange([](EmployeeRecord &R) { R.SetBox20Locality_b(QStringLiteral("peoria")); })
        << "Box20b"
        << "PEORIA";
    QTest::newRow("state ID as stored")
        << E << true << TEmployeeChange([](EmployeeRecord &R) { R.SetStateID_a(QStringLiteral("ab-12 ")); })
        << "Box15a2"
        << "ab-12 ";

    QTest::newRow("box 9 of 19 characters") << E << true << Box9(Nineteen) << "Box9" << Nineteen;
    QTest::newRow("box 9 of 19 characters and blanks, untrimmed")
        << E << true << Box9(Nineteen + "  ") << "Box9" << Nineteen + "  ";
    QTest::newRow("box 9 of 18 characters") << E << true << Box9(Nineteen.left(18)) << "Box9"
                                            << "";
    QTest::newRow("box 9 of 20 characters") << E << true << Box9(Nineteen + "Q") << "Box9"
                                            << "";
    QTest::newRow("box 9 on Copy D") << TW2Copy::Employer << true << Box9(Nineteen) << "Box9" << Nineteen;
    QTest::newRow("box 9 never on Copy 1") << TW2Copy::State << true << Box9(Nineteen) << "Box9"
                                           << "";
    QTest::newRow("box 9 on Copy A") << TW2Copy::SSA << true << Box9(Nineteen) << "Box9" << Nineteen;

    QTest::newRow("wages grouped on the employee copy") << E << true << Wages(1234.567) << "Box1"
                                                        << "1,234.57";
    QTest::newRow("wages grouped on Copy D") << TW2Copy::Employer << true << Wages(1234.567) << "Box1"
                                             << "1,234.57";
    QTest::newRow("wages grouped on Copy 1") << TW2Copy::State << true << Wages(1234.567) << "Box1"
                                             << "1,234.57";
    QTest::newRow("wages plain on Copy A") << TW2Copy::SSA << true << Wages(1234.567) << "Box1"
                                           << "1234.57";
    QTest::newRow("millions grouped") << E << true << Wages(1234567.5) << "Box1"
                                      << "1,234,567.50";
    QTest::newRow("negative keeps its sign") << E << true << Wages(-1234.5) << "Box1"
                                             << "-1,234.50";
    QTest::newRow("0.004 prints nothing") << E << true << Wages(0.004) << "Box1"
                                          << "";
    QTest::newRow("0.005 rounds up") << TW2Copy::SSA << true << Wages(0.005) << "Box1"
                                     << "0.01";
    QTest::newRow("zero prints nothing") << E << true << Wages(0) << "Box1"
                                         << "";
    QTest::newRow("state tax of the second line")
        << TW2Copy::SSA << true << TEmployeeChange([](EmployeeRecord &R) { R.SetBox17StateTax_b(12.3); })
        << "Box17b"
        << "12.30";

    QTest::newRow("box 12 code beside its amount")
        << E << true << Box12a(QStringLiteral("d"), 1500) << "Box12a1"
        << "d";
    QTest::newRow("box 12 amount") << E << true << Box12a(QStringLiteral("D"), 1500) << "Box12a2"
                                   << "1,500.00";
    QTest::newRow("box 12 code with a zero amount")
        << E << true << Box12a(QStringLiteral("D"), 0) << "Box12a1"
        << "";
    QTest::newRow("box 12 zero amount") << E << true << Box12a(QStringLiteral("D"), 0) << "Box12a2"
                                        << "";
    QTest::newRow("box 12 code with 0.004") << E << true << Box12a(QStringLiteral("D"), 0.004) << "Box12a1"
                                            << "";
    QTest::newRow("box 12 amount of 0.004") << E << true << Box12a(QStringLiteral("D"), 0.004) << "Box12a2"
                                            << "";
    QTest::newRow("box 14 description in upper case")
        << E << true << Box14b(QStringLiteral("uniondue"), 20) << "Box14b1"
        << "UNIONDUE";
    QTest::newRow("box 14 without an amount")
        << E << true << Box14b(QStringLiteral("union dues"), 0.004) << "Box14b1"
        << "";

    QTest::newRow("box 13 statutory set")
        << E << true << TEmployeeChange([](EmployeeRecord &R) { R.SetBox13Statutory(true); }) << "Box13a"
        << "X";
    QTest::newRow("box 13 sick pay clear")
        << E << true << TEmployeeChange([](EmployeeRecord &R) { R.SetBox13SickPay(false); }) << "Box13c"
        << "";
}

void TstFormPrintText::employeeParams()
{
    QFETCH(TW2Copy, Copy);
    QFETCH(bool, Mask);
    QFETCH(TEmployeeChange, Change);
    QFETCH(QString, Name);
    QFETCH(QString, Expected);
    EmployeeRecord E = Sample();
    Change(E);
    QCOMPARE(Param(W2EmployeeParams(E, Copy, Mask), Name), std::optional<QString>(Expected));
}

void TstFormPrintText::employeeParamsAreAllSet_data()
{
    QTest::addColumn<TW2Copy>("Copy");
    QTest::newRow("employee") << TW2Copy::Employee;
    QTest::newRow("Copy A") << TW2Copy::SSA;
}

void TstFormPrintText::employeeParamsAreAllSet()
{
    // A blank employee sets every name of the form, empty, so nothing of the
    // employee before stays on the page.
    QFETCH(TW2Copy, Copy);
    QStringList Expected { "Boxa", "Boxd", "Boxe1", "Boxe2", "Boxe3", "Boxf1", "Boxf2" };
    for (int I = 1; I <= 11; ++I)
        Expected << QStringLiteral("Box%1").arg(I);
    for (const char *S : { "Box12a1", "Box12a2", "Box12b1", "Box12b2", "Box12c1", "Box12c2", "Box12d1",
             "Box12d2", "Box13a", "Box13b", "Box13c", "Box14a1", "Box14a2", "Box14b1", "Box14b2", "Box14c1",
             "Box14c2", "Box15a1", "Box15a2", "Box15b1", "Box15b2", "Box16a", "Box16b", "Box17a", "Box17b",
             "Box18a", "Box18b", "Box19a", "Box19b", "Box20a", "Box20b" })
        Expected << QString::fromLatin1(S);
    QStringList Got;
    for (const auto &[Name, Text] : W2EmployeeParams(EmployeeRecord(), Copy, true)) {
        Got << Name;
        QVERIFY2(Text.isEmpty(), qPrintable(Name + QLatin1String(": ") + Text));
    }
    Got.sort();
    Expected.sort();
    QCOMPARE(Got, Expected);
}

void TstFormPrintText::employerBlock_data()
{
    QTest::addColumn<QString>("TradeName");
    QTest::addColumn<QString>("Boxc1");
    QTest::addColumn<QString>("Boxc2");
    QTest::newRow("with a trade name") << "Acme tools"
                                       << "ACME TOOL & DIE CO."
                                       << "ACME TOOLS";
    QTest::newRow("no trade name") << ""
                                   << ""
                                   << "ACME TOOL & DIE CO.";
    QTest::newRow("blank trade name") << "   "
                                      << ""
                                      << "ACME TOOL & DIE CO.";
}

void TstFormPrintText::employerBlock()
{
    QFETCH(QString, TradeName);
    QFETCH(QString, Boxc1);
    QFETCH(QString, Boxc2);
    EmployerRecord R = TFormsFixture::SampleEmployer();
    R.SetEmployerTradeName(TradeName);
    R.SetEmployerAddress(QStringLiteral("100 Industrial way"));
    R.SetEmployerCityStateZip(QStringLiteral("Springfield il 62701"));
    const TReportParams P = W2EmployerParams(R);
    QCOMPARE(Param(P, "Boxc1"), std::optional<QString>(Boxc1));
    QCOMPARE(Param(P, "Boxc2"), std::optional<QString>(Boxc2));
    QCOMPARE(Param(P, "Boxc3"), std::optional<QString>("100 INDUSTRIAL WAY"));
    QCOMPARE(Param(P, "Boxc4"), std::optional<QString>("SPRINGFIELD IL 62701"));
    // The EIN is never masked.
    QCOMPARE(Param(P, "Boxb"), std::optional<QString>("12-3456789"));
    QCOMPARE(P.size(), 5);
}

void TstFormPrintText::slotNames_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<int>("Slot");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("ends in a digit") << "Boxc1" << 3 << "Boxc1_3";
    QTest::newRow("amount box") << "Box7" << 2 << "Box7_2";
    QTest::newRow("box 12 line") << "Box12a1" << 4 << "Box12a1_4";
    QTest::newRow("ends in a letter") << "Boxa" << 1 << "Boxa1";
    QTest::newRow("control number") << "Boxd" << 2 << "Boxd2";
    QTest::newRow("box 13 check") << "Box13a" << 4 << "Box13a4";
}

void TstFormPrintText::slotNames()
{
    QFETCH(QString, Name);
    QFETCH(int, Slot);
    QFETCH(QString, Expected);
    QCOMPARE(W2SlotParamName(Name, Slot), Expected);
}

void TstFormPrintText::w3Params_data()
{
    QTest::addColumn<TEmployerChange>("Change");
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Expected");
    const auto Total
        = [](double V) { return TEmployerChange([V](EmployerRecord &R) { R.SetTotalWages(V); }); };
    const auto Phone
        = [](const QString &S) { return TEmployerChange([S](EmployerRecord &R) { R.SetContactPhone(S); }); };
    const auto Fax
        = [](const QString &S) { return TEmployerChange([S](EmployerRecord &R) { R.SetContactFax(S); }); };
    const TEmployerChange None = [](EmployerRecord &) {};

    QTest::newRow("total of 1234.567, plain") << Total(1234.567) << "Box1"
                                              << "1234.57";
    QTest::newRow("total of 0.004 is not set") << Total(0.004) << "Box1" << Unset;
    QTest::newRow("negative total") << Total(-5) << "Box1"
                                    << "-5.00";
    QTest::newRow("deferred compensation")
        << TEmployerChange([](EmployerRecord &R) { R.SetTotalDeferredComp(98765.4); }) << "Box12a"
        << "98765.40";
    QTest::newRow("box 9 is never printed")
        << TEmployerChange([](EmployerRecord &R) { R.SetTotalBox9(12); }) << "Box9" << Unset;
    QTest::newRow("a set flag") << None << "Boxb1"
                                << "X";
    QTest::newRow("a clear flag is not set") << None << "Boxb2" << Unset;
    QTest::newRow("the thirteenth flag")
        << TEmployerChange([](EmployerRecord &R) { R.SetThirdPartySickPay(true); }) << "Boxb13"
        << "X";
    QTest::newRow("forms count") << TEmployerChange([](EmployerRecord &R) { R.SetFormsW2Count(12345); })
                                 << "Boxc"
                                 << "12345";
    QTest::newRow("complete telephone") << Phone(QStringLiteral("217-555-0100")) << "TelephoneNum"
                                        << "217-555-0100";
    QTest::newRow("telephone of 555-1234") << Phone(QStringLiteral("555-1234")) << "TelephoneNum" << Unset;
    QTest::newRow("blank fax") << Fax(QString()) << "FaxNum" << Unset;
    QTest::newRow("fax with an empty mask") << Fax(QStringLiteral("   -   -    ")) << "FaxNum" << Unset;
    QTest::newRow("complete fax") << Fax(QStringLiteral("217-555-0199")) << "FaxNum"
                                  << "217-555-0199";
    QTest::newRow("no trade name: the name on the first line")
        << TEmployerChange([](EmployerRecord &R) { R.SetEmployerTradeName(QString()); }) << "Boxf1"
        << "ACME TOOL & DIE CO.";
    QTest::newRow("no trade name: the second line empty")
        << TEmployerChange([](EmployerRecord &R) { R.SetEmployerTradeName(QString()); }) << "Boxf2"
        << "";
    QTest::newRow("address in upper case") << None << "Boxg1"
                                           << "100 INDUSTRIAL WAY";
    QTest::newRow("other EIN left blank") << None << "Boxh"
                                          << "";
    QTest::newRow("valid other EIN") << TEmployerChange([](EmployerRecord &R) {
        R.SetOtherEIN(QStringLiteral("12-3456780"));
    }) << "Boxh"
                                     << "12-3456780";
    QTest::newRow("sick pay text in upper case")
        << TEmployerChange([](EmployerRecord &R) { R.SetSickPayText(QStringLiteral("third-party")); })
        << "Box13"
        << "THIRD-PARTY";
    QTest::newRow("contact in upper case") << None << "ContactPerson"
                                           << "PAT LEDGER";
    QTest::newRow("signer as stored") << None << "Signature"
                                      << "Pat Ledger";
    QTest::newRow("title in upper case") << None << "Title"
                                         << "CONTROLLER";
    QTest::newRow("e-mail as stored") << None << "EmailAddress"
                                      << "pat@acme.example";
    QTest::newRow("date as stored") << None << "Date"
                                    << "01/30/2026";
    QTest::newRow("EIN as stored") << None << "Boxe"
                                   << "12-3456789";
    QTest::newRow("state ID as stored") << None << "EmployerStateID"
                                        << "12345678";
}

void TstFormPrintText::w3Params()
{
    QFETCH(TEmployerChange, Change);
    QFETCH(QString, Name);
    QFETCH(QString, Expected);
    EmployerRecord R = TFormsFixture::SampleEmployer();
    Change(R);
    const std::optional<QString> Got = Param(W3Params(R), Name);
    if (Expected == Unset)
        QVERIFY2(!Got, qPrintable(Got.value_or(QString())));
    else
        QCOMPARE(Got, std::optional<QString>(Expected));
}

void TstFormPrintText::w3SetsNoBoxbWithoutFlags()
{
    EmployerRecord R = TFormsFixture::SampleEmployer();
    R.SetKindOfPayer941(false);
    R.SetKindOfEmployerNoneApply(false);
    for (const auto &[Name, Text] : W3Params(R))
        QVERIFY2(!Name.startsWith(QLatin1String("Boxb")), qPrintable(Name));
}

void TstFormPrintText::labelNameLine_data()
{
    QTest::addColumn<QString>("First");
    QTest::addColumn<QString>("Last");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("short") << "Ann"
                           << "Lee"
                           << "Ann Lee";
    QTest::newRow("no name is one blank") << ""
                                          << ""
                                          << " ";
    QTest::newRow("last name only") << ""
                                    << "Lee"
                                    << " Lee";
    QTest::newRow("15 letters keep their blank") << "Maximilianus123"
                                                 << "Lee"
                                                 << "Maximilianus123 Lee";
    QTest::newRow("16 letters lose the blank") << "Maximilianus1234"
                                               << "Lee"
                                               << "Maximilianus1234Lee";
    QTest::newRow("17 letters are cut to 16") << "Maximilianus12345"
                                              << "Lee"
                                              << "Maximilianus1234Lee";
    QTest::newRow("whole line cut to 31") << "Maximilianus123"
                                          << "Vanderbiltworthington"
                                          << "Maximilianus123 Vanderbiltworth";
    QTest::newRow("blanks count as they stand") << "Ann  "
                                                << "Lee"
                                                << "Ann   Lee";
}

void TstFormPrintText::labelNameLine()
{
    QFETCH(QString, First);
    QFETCH(QString, Last);
    QFETCH(QString, Expected);
    QCOMPARE(LabelNameLine(First, Last), Expected);
}

void TstFormPrintText::labelBarCodeDigits_data()
{
    QTest::addColumn<QString>("CityStateZip");
    QTest::addColumn<QString>("Digits");
    QTest::newRow("ZIP+4") << "DALLAS TX 75001-1234"
                           << "750011234";
    QTest::newRow("ZIP+4 alone") << "75001-1234"
                                 << "750011234";
    QTest::newRow("5-digit ZIP") << "DALLAS TX 75001"
                                 << "";
    QTest::newRow("ZIP+4 not at the end") << "75001-1234 DALLAS"
                                          << "";
    QTest::newRow("trailing blank") << "DALLAS TX 75001-1234 "
                                    << "";
    QTest::newRow("extension left blank") << "DALLAS TX 75001-    "
                                          << "";
    QTest::newRow("nine digits without hyphen") << "DALLAS TX 750011234"
                                                << "";
    QTest::newRow("hyphen misplaced") << "DALLAS TX 7500-11234"
                                      << "";
    QTest::newRow("letter in the ZIP") << "DALLAS TX 7500A-1234"
                                       << "";
    QTest::newRow("too short") << "5001-1234"
                               << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TstFormPrintText::labelBarCodeDigits()
{
    QFETCH(QString, CityStateZip);
    QFETCH(QString, Digits);
    QCOMPARE(LabelBarCodeDigits(CityStateZip), Digits);
}

void TstFormPrintText::labelLinesOfARecord()
{
    EmployeeRecord R = Sample();
    R.SetStreetAddress(QStringLiteral("12 Main St"));
    R.SetCity(QStringLiteral("Elsewhere"));
    R.SetZipCode(QStringLiteral("99999"));
    R.SetCityStateZip(QStringLiteral("Dallas TX 75001-1234"));
    const TLabelLines Lines = LabelLines(R);
    QCOMPARE(Lines.Name, QStringLiteral("Ann Lee"));
    QCOMPARE(Lines.Street, QStringLiteral("12 Main St"));
    // The derived last line is what the label shows, not the city and ZIP boxes.
    QCOMPARE(Lines.CityStateZip, QStringLiteral("Dallas TX 75001-1234"));
    QCOMPARE(Lines.BarCodeDigits, QStringLiteral("750011234"));
    QVERIFY(Lines.HasBarCode());
    QVERIFY(!LabelLines(EmployeeRecord()).HasBarCode());
    QCOMPARE(LabelLines(EmployeeRecord()).Name, QStringLiteral(" "));
}

void TstFormPrintText::postNetCheckDigit_data()
{
    QTest::addColumn<QString>("Digits");
    QTest::addColumn<int>("Check");
    QTest::newRow("USPS example") << "123456789" << 5;
    QTest::newRow("sum a multiple of ten") << "550000000" << 0;
    QTest::newRow("ZIP+4") << "750011234" << 7;
    QTest::newRow("5 digits") << "75001" << 7;
    QTest::newRow("not digits") << "75001-1234" << -1;
}

void TstFormPrintText::postNetCheckDigit()
{
    QFETCH(QString, Digits);
    QFETCH(int, Check);
    QCOMPARE(PostNetCheckDigit(Digits), Check);
}

void TstFormPrintText::postNetBars_data()
{
    QTest::addColumn<QString>("Digits");
    QTest::addColumn<QString>("Bars"); // 1 tall, 0 short
    // Written from the USPS table: weights 7 4 2 1 0, and 0 is 7 + 4.
    QTest::newRow("every digit") << "0123456789"
                                 << "1"
                                    "11000"
                                    "00011"
                                    "00101"
                                    "00110"
                                    "01001"
                                    "01010"
                                    "01100"
                                    "10001"
                                    "10010"
                                    "10100"
                                    "01010" // check digit 5
                                    "1";
    QTest::newRow("ZIP+4, 52 bars") << "750011234"
                                    << "1"
                                       "10001"
                                       "01010"
                                       "11000"
                                       "11000"
                                       "00011"
                                       "00011"
                                       "00101"
                                       "00110"
                                       "01001"
                                       "10001" // check digit 7
                                       "1";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("not digits") << "7500I"
                                << "";
}

void TstFormPrintText::postNetBars()
{
    QFETCH(QString, Digits);
    QFETCH(QString, Bars);
    QString Got;
    for (const bool Tall : PostNetBars(Digits))
        Got += Tall ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(Got, Bars);
}

QMRK_TEST_MAIN(TstFormPrintText)
#include "tst_formprinttext.moc"
