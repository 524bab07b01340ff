#include "EFW2Ascii.h"
#include "EFW2ClientChecks.h"
#include "EFW2LimitChecks.h"
#include "EFW2Records.h"
#include "EFW2Writer.h"
#include "QmrkTestMain.h"
#include "RecordFields.h"
#include "TEFW2Client.h"
#include "TEFW2Fixtures.h"
#include "TExpectedLine.h"

#include <limits>
#include <span>

using namespace EFW2Fixtures;

Q_DECLARE_METATYPE(TSubmitterData)
Q_DECLARE_METATYPE(EmployerRecord)
Q_DECLARE_METATYPE(EmployeeRecord)

namespace {

// The RA of Submitter(), field by field from the record layout.
TExpectedLine SampleRA()
{
    TExpectedLine L;
    L.At(1, "RA").At(3, "123456789").At(12, "AB12CD34").At(29, "0").At(36, "98");
    L.At(38, "ACME PAYROLL SERVICES").At(95, "SUITE 200").At(117, "100 MAIN ST").At(139, "SPRINGFIELD");
    L.At(161, "IL").At(163, "62701").At(168, "1234");
    L.At(217, "ACME PAYROLL SERVICES").At(296, "100 MAIN ST").At(318, "SPRINGFIELD").At(340, "IL");
    L.At(342, "62701").At(396, "PAT LEDGER").At(423, "2175550100").At(438, "12");
    L.At(446, "pat@acme.example").At(489, "2175550199").At(500, "A");
    return L;
}

// The RE of Employer().
TExpectedLine SampleRE()
{
    TExpectedLine L;
    L.At(1, "RE").At(3, "2025").At(8, "123456789").At(26, "0").At(27, "0001");
    L.At(40, "ACME TOOL & DIE CO.").At(119, "100 INDUSTRIAL WAY").At(141, "SPRINGFIELD").At(163, "IL");
    L.At(165, "62701").At(170, "4321").At(174, "N").At(219, "R").At(221, "0");
    L.At(222, "PAT LEDGER").At(249, "2175550100").At(269, "2175550199").At(279, "pat@acme.example");
    return L;
}

// Every money field of an RW line zero, the identity of Employee("John", "Smith", 0).
TExpectedLine ZeroRW()
{
    TExpectedLine L;
    L.At(1, "RW").At(3, "123456780").At(12, "JOHN").At(42, "SMITH").At(88, "12 ELM STREET");
    L.At(110, "SPRINGFIELD").At(132, "IL").At(134, "62704");
    for (int Position : { 188, 199, 210, 221, 232, 243, 254, 276, 287, 298, 309, 320, 331, 353, 364, 375, 386,
             408, 419, 430, 441, 452, 463, 474 })
        L.Zeros(Position, 11);
    L.At(486, "0").At(488, "0").At(489, "0");
    return L;
}

EmployeeRecord ZeroEmployee()
{
    return Employee(QStringLiteral("John"), QStringLiteral("Smith"), 0);
}

// Every money field of an RT line zero, with Count RW records.
TExpectedLine ZeroRT(const QByteArray &Count)
{
    TExpectedLine L;
    L.At(1, "RT").At(3, Count);
    for (int Position : { 10, 25, 40, 55, 70, 85, 100, 130, 145, 160, 175, 190, 205, 235, 250, 265, 280, 295,
             310, 325, 340, 355, 370, 385, 400 })
        L.Zeros(Position, 15);
    return L;
}

// Every money field of an RO line zero: 1-2 "RO", 3-11 blank, eight amounts
// from 12, 100-110 blank, three amounts from 111, 144-512 blank.
TExpectedLine ZeroRO()
{
    TExpectedLine L;
    L.At(1, "RO");
    for (int Position : { 12, 23, 34, 45, 56, 67, 78, 89, 111, 122, 133 })
        L.Zeros(Position, 11);
    return L;
}

// Every money field of an RU line zero, with Count RO records: seven amounts
// from 10, Z at 115, 130-144 blank, EE, GG and HH from 145, 190-512 blank.
TExpectedLine ZeroRU(const QByteArray &Count)
{
    TExpectedLine L;
    L.At(1, "RU").At(3, Count);
    for (int Position : { 10, 25, 40, 55, 70, 85, 100, 115, 145, 160, 175 })
        L.Zeros(Position, 15);
    return L;
}

using TCodes = QList<std::pair<QString, double>>;

// ZeroEmployee with box 8 and box 12 slots a, b, ... filled in turn; valid
// (box 1 of 1.00) so that it gets an RW line.
EmployeeRecord WithBox12(double Tips, const TCodes &Codes)
{
    EmployeeRecord E = ZeroEmployee();
    E.SetBox1Wages(1);
    E.SetBox8AllocatedTips(Tips);
    using TSetCode = void (EmployeeRecord::*)(const QString &);
    using TSetAmount = void (EmployeeRecord::*)(double);
    const std::pair<TSetCode, TSetAmount> Slots[] = {
        { &EmployeeRecord::SetBox12Code_a, &EmployeeRecord::SetBox12Amt_a },
        { &EmployeeRecord::SetBox12Code_b, &EmployeeRecord::SetBox12Amt_b },
        { &EmployeeRecord::SetBox12Code_c, &EmployeeRecord::SetBox12Amt_c },
        { &EmployeeRecord::SetBox12Code_d, &EmployeeRecord::SetBox12Amt_d },
    };
    for (int I = 0; I < Codes.size(); ++I) {
        (E.*Slots[I].first)(Codes.at(I).first);
        (E.*Slots[I].second)(Codes.at(I).second);
    }
    return E;
}

// Between them every RO amount: box 8 and the codes A, B, R, S, T, M, N, Z,
// EE, GG and HH (a W-2 has four box 12 slots).
QList<EmployeeRecord> EveryROAmount()
{
    return { WithBox12(12.34, { { "A", 1 }, { "b", 2.5 }, { "R", 3 }, { "S", 4 } }),
        WithBox12(0, { { "T", 5 }, { "M", 6 }, { "n", 7 }, { "Z", 8 } }),
        WithBox12(100, { { "ee", 9 }, { "GG", 10 }, { "HH", 11 }, { "A", 0.01 } }) };
}

// The employer of the kind Flag (a field name of the employer record).
EmployerRecord EmployerOfKind(const QString &Flag)
{
    EmployerRecord E = Employer();
    E.SetKindOfEmployerNoneApply(false);
    QByteArray Bytes = E.Bytes();
    for (const TFieldDef &Field : EmployerRecord::Fields())
        if (Flag.toLatin1() == Field.Name)
            Bytes[Field.Offset] = 1;
    return EmployerRecord::FromBytes(Bytes);
}

} // namespace

class TstEFW2Records : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatAmount_data();
    void formatAmount();
    void asciiFolding_data();
    void asciiFolding();
    void raLine_data();
    void raLine();
    void raKeepsTheEmailAsTyped();
    void reLine_data();
    void reLine();
    void reCodes_data();
    void reCodes();
    void rwLine_data();
    void rwLine();
    void box12Amounts_data();
    void box12Amounts();
    void rtSumsTheCentsOfTheRWLines();
    void rtCountsAndRFCounts_data();
    void rtCountsAndRFCounts();
    void onlyValidEmployeesGetRWLines();
    void clientParts_data();
    void clientParts();
    void everyLineIsAscii();
    void roLine_data();
    void roLine();
    void roOnlyForItsAmounts_data();
    void roOnlyForItsAmounts();
    void ruTotalsTheROLines();
    void recordOrder_data();
    void recordOrder();
    void repeatedCodesAreAdded();
    void box11ByKindOfEmployer_data();
    void box11ByKindOfEmployer();
    void unfitAmountsAreRefused_data();
    void unfitAmountsAreRefused();
    void limitChecks_data();
    void limitChecks();
    void codeIIIsNamedAsLeftOut();
};

void TstEFW2Records::formatAmount_data()
{
    QTest::addColumn<double>("Value");
    QTest::addColumn<int>("Width");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("1234.5 in 11") << 1234.5 << 11 << "00000123450";
    QTest::newRow("0.07 in 11") << 0.07 << 11 << "00000000007";
    QTest::newRow("zero") << 0.0 << 11 << "00000000000";
    QTest::newRow("negative gives zeros") << -250.0 << 11 << "00000000000";
    QTest::newRow("1.005 rounds up") << 1.005 << 11 << "00000000101";
    QTest::newRow("half a cent below") << 0.004 << 11 << "00000000000";
    QTest::newRow("largest of 11") << 999999999.99 << 11 << "99999999999";
    QTest::newRow("15 wide") << 168600.0 << 15 << "000000016860000";
    QTest::newRow("too large stays long") << 1e10 << 11 << "1000000000000";
}

void TstEFW2Records::formatAmount()
{
    QFETCH(double, Value);
    QFETCH(int, Width);
    QFETCH(QString, Expected);
    QCOMPARE(FormatEFW2Amount(Value, Width), Expected);
    QCOMPARE(EFW2CentsFit(EFW2Cents(Value), Width), Expected.size() == Width);
}

void TstEFW2Records::asciiFolding_data()
{
    QTest::addColumn<QString>("Typed");
    QTest::addColumn<QString>("Ascii");
    QTest::addColumn<QString>("Upper");
    QTest::newRow("plain") << "Smith 12-B"
                           << "Smith 12-B"
                           << "SMITH 12-B";
    QTest::newRow("acute") << u"Jos\u00e9"_qs << "Jose"
                           << "JOSE";
    QTest::newRow("tilde capital") << u"\u00d1and\u00fa"_qs << "Nandu"
                                   << "NANDU";
    QTest::newRow("umlauts") << u"M\u00fcller Z\u00fcrich \u00c4\u00d6"_qs << "Muller Zurich AO"
                             << "MULLER ZURICH AO";
    QTest::newRow("caron and ring") << u"\u0160\u017e\u00c5\u00e5"_qs << "SzAa"
                                    << "SZAA";
    QTest::newRow("stroke letters") << u"\u00d8ster\u00f8"_qs << "Ostero"
                                    << "OSTERO";
    QTest::newRow("typographic quotes") << u"O\u2019Brien \u201cBud\u201d"_qs << "O'Brien \"Bud\""
                                        << "O'BRIEN \"BUD\"";
    QTest::newRow("dashes") << u"A\u2013B\u2014C"_qs << "A-B-C"
                            << "A-B-C";
    QTest::newRow("others become blanks") << u"\u20acuro \u00df \u00a9"_qs << " uro    "
                                          << " URO    ";
    QTest::newRow("control characters") << "A\tB\x01"
                                        << "A B "
                                        << "A B ";
    QTest::newRow("beyond the plane is one blank") << u"x\U0001F600y"_qs << "x y"
                                                   << "X Y";
}

void TstEFW2Records::asciiFolding()
{
    QFETCH(QString, Typed);
    QFETCH(QString, Ascii);
    QFETCH(QString, Upper);
    QCOMPARE(ToEFW2Ascii(Typed), Ascii);
    QCOMPARE(ToEFW2Upper(Typed), Upper);
}

void TstEFW2Records::raLine_data()
{
    QTest::addColumn<TSubmitterData>("Submitter");
    QTest::addColumn<QByteArray>("Expected");
    QTest::newRow("sample, resubmission not checked") << Submitter() << SampleRA().Line();

    TSubmitterData Resub = Submitter();
    Resub.ResubInd = true;
    Resub.ResubID = QStringLiteral("AB12");
    QTest::newRow("resubmission AB12") << Resub << SampleRA().At(29, "1").At(30, "AB12").Line();

    TSubmitterData IdWithoutBox = Submitter();
    IdWithoutBox.ResubID = QStringLiteral("ZZ9");
    QTest::newRow("identifier without the box is not written") << IdWithoutBox << SampleRA().Line();

    TSubmitterData NoFax = Submitter();
    NoFax.ContactFax = QStringLiteral("   -   -    ");
    NoFax.StateCode.clear();
    QTest::newRow("empty fax, company state unchosen")
        << NoFax << SampleRA().At(489, "          ").At(161, "  ").Line();

    TSubmitterData Foreign = Submitter();
    Foreign.ForeignState = QStringLiteral("ONTARIO");
    Foreign.ForeignZip = QStringLiteral("K1A 0B1");
    Foreign.CountryCode = QStringLiteral("CA");
    Foreign.SubmitAddr1 = QStringLiteral("FLOOR 3");
    Foreign.SubmitZipExt = QStringLiteral("9876");
    Foreign.SubmitFSP = QStringLiteral("QUEBEC");
    Foreign.SubmitFPC = QStringLiteral("H2X 1Y4");
    Foreign.SubmitCC = QStringLiteral("CA");
    QTest::newRow("foreign fields and the submitter's location") << Foreign
                                                                 << SampleRA()
                                                                        .At(177, "ONTARIO")
                                                                        .At(200, "K1A 0B1")
                                                                        .At(215, "CA")
                                                                        .At(274, "FLOOR 3")
                                                                        .At(347, "9876")
                                                                        .At(356, "QUEBEC")
                                                                        .At(379, "H2X 1Y4")
                                                                        .At(394, "CA")
                                                                        .Line();

    TSubmitterData Folded = Submitter();
    Folded.CompanyName = u"Caf\u00e9 \u201cNoir\u201d \u2013 Montr\u00e9al"_qs;
    Folded.ContactName = u"Ren\u00e9e \u00d1u\u00f1ez"_qs;
    QTest::newRow("letters with diacritics and quotes folded to ASCII")
        << Folded << SampleRA().At(38, "CAFE \"NOIR\" - MONTREAL").At(396, "RENEE NUNEZ").Line();

    TSubmitterData Odd = Submitter();
    Odd.UserID = QStringLiteral("ab12");
    Odd.EIN = QStringLiteral("12-34567  ");
    Odd.PreparerCode.clear();
    Odd.CompanyName = QString(60, QLatin1Char('X'));
    Odd.ContactPhone = QStringLiteral("217-555-01  ");
    QTest::newRow("short and long values cut or padded to their widths") << Odd
                                                                         << SampleRA()
                                                                                .At(3, "1234567  ")
                                                                                .At(12, "AB12    ")
                                                                                .At(500, " ")
                                                                                .At(38, QByteArray(57, 'X'))
                                                                                .At(423, "21755501       ")
                                                                                .Line();
}

void TstEFW2Records::raLine()
{
    QFETCH(TSubmitterData, Submitter);
    QFETCH(QByteArray, Expected);
    QCOMPARE_LINE(BuildRA(Submitter), Expected);
}

void TstEFW2Records::raKeepsTheEmailAsTyped()
{
    TSubmitterData D = Submitter();
    D.ContactEmail = QStringLiteral("Pat.Ledger@Acme.Example");
    QCOMPARE(BuildRA(D).mid(445, 40), QStringLiteral("Pat.Ledger@Acme.Example").leftJustified(40));
}

void TstEFW2Records::reLine_data()
{
    QTest::addColumn<EmployerRecord>("Employer");
    QTest::addColumn<QByteArray>("Expected");
    QTest::newRow("sample with ZIP+4") << Employer() << SampleRE().Line();

    EmployerRecord Zip5 = Employer();
    Zip5.SetEmployerZipCode(QStringLiteral("62701"));
    QTest::newRow("ZIP 12345 gives four blanks") << Zip5 << SampleRE().At(170, "    ").Line();

    EmployerRecord Long = Employer();
    Long.SetContactPerson(QStringLiteral("Bartholomew Montgomery-Smithers III"));
    QTest::newRow("contact person cut to 27")
        << Long << SampleRE().At(222, "BARTHOLOMEW MONTGOMERY-SMIT").Line();

    EmployerRecord Flags = Employer();
    Flags.SetFinalReturn(true);
    Flags.SetThirdPartySickPay(true);
    Flags.SetOtherEIN(QStringLiteral("98-7654321"));
    Flags.SetContactFax(QStringLiteral("   -   -    "));
    QTest::newRow("terminating, sick pay, other EIN, no fax")
        << Flags << SampleRE().At(26, "1").At(221, "1").At(31, "987654321").At(269, "          ").Line();

    EmployerRecord NoKinds = Employer();
    NoKinds.SetKindOfPayer941(false);
    NoKinds.SetKindOfEmployerNoneApply(false);
    QTest::newRow("no kind of employer or payer gives blanks")
        << NoKinds << SampleRE().At(174, " ").At(219, " ").Line();

    EmployerRecord Folded = Employer(u"Caf\u00e9 \u00c9toile \u20ac"_qs);
    Folded.SetEmployerCity(u"Sa\u00f1 Jos\u00e9"_qs);
    QTest::newRow("names folded to ASCII")
        << Folded << SampleRE().At(40, "CAFE ETOILE        ").At(141, "SAN JOSE   ").Line();

    EmployerRecord ShortEIN = Employer();
    ShortEIN.SetEmployerEIN(QStringLiteral("12-34"));
    ShortEIN.SetEstablishmentNumber(QStringLiteral("7"));
    QTest::newRow("short values padded") << ShortEIN << SampleRE().At(8, "1234     ").At(27, "7   ").Line();
}

void TstEFW2Records::reLine()
{
    QFETCH(EmployerRecord, Employer);
    QFETCH(QByteArray, Expected);
    QCOMPARE_LINE(BuildRE(Employer), Expected);
}

void TstEFW2Records::reCodes_data()
{
    QTest::addColumn<QString>("Flag");
    QTest::addColumn<int>("Position");
    QTest::addColumn<QString>("Code");
    QTest::newRow("none apply") << "KindOfEmployerNoneApply" << 174 << "N";
    QTest::newRow("501c non-government") << "KindOfEmployer501cNonGovt" << 174 << "T";
    QTest::newRow("state/local non-501c") << "KindOfEmployerStateLocalNon501c" << 174 << "S";
    QTest::newRow("state/local 501c") << "KindOfEmployerStateLocal501c" << 174 << "Y";
    QTest::newRow("federal government") << "KindOfEmployerFederalGovt" << 174 << "F";
    QTest::newRow("941") << "KindOfPayer941" << 219 << "R";
    QTest::newRow("military") << "KindOfPayerMilitary" << 219 << "M";
    QTest::newRow("943") << "KindOfPayer943" << 219 << "A";
    QTest::newRow("944") << "KindOfPayer944" << 219 << "F";
    QTest::newRow("CT-1") << "KindOfPayerCT1" << 219 << "X";
    QTest::newRow("household") << "KindOfPayerHousehold" << 219 << "H";
    QTest::newRow("Medicare government") << "KindOfPayerMedicareGovt" << 219 << "Q";
}

void TstEFW2Records::reCodes()
{
    QFETCH(QString, Flag);
    QFETCH(int, Position);
    QFETCH(QString, Code);
    EmployerRecord E = Employer();
    E.SetKindOfPayer941(false);
    E.SetKindOfEmployerNoneApply(false);
    const QByteArray Name = Flag.toLatin1();
    bool Found = false;
    QByteArray Bytes = E.Bytes();
    for (const TFieldDef &Field : EmployerRecord::Fields())
        if (Name == Field.Name) {
            Bytes[Field.Offset] = 1;
            Found = true;
        }
    QVERIFY(Found);
    const QString Line = BuildRE(EmployerRecord::FromBytes(Bytes));
    QCOMPARE(Line.size(), 512);
    QCOMPARE(Line.mid(Position - 1, 1), Code);
}

void TstEFW2Records::rwLine_data()
{
    QTest::addColumn<EmployeeRecord>("Employee");
    QTest::addColumn<QByteArray>("Expected");

    EmployeeRecord Sample = Employee(QStringLiteral("John"), QStringLiteral("Smith"));
    Sample.SetSuffix(QStringLiteral("Jr"));
    Sample.SetBox2FedIncomeTax(5000);
    Sample.SetZipCode(QStringLiteral("62704-1234"));
    Sample.SetBox13Retirement(true);
    QTest::newRow("sample with ZIP+4") << Sample
                                       << ZeroRW()
                                              .At(62, "JR")
                                              .At(139, "1234")
                                              .At(188, "00005000000")
                                              .At(199, "00000500000")
                                              .At(210, "00005000000")
                                              .At(221, "00000310000")
                                              .At(232, "00005000000")
                                              .At(243, "00000072500")
                                              .At(488, "1")
                                              .Line();

    EmployeeRecord Cents = ZeroEmployee();
    Cents.SetBox1Wages(1234.5);
    Cents.SetBox2FedIncomeTax(0.07);
    Cents.SetBox3SocSecWages(-100);
    Cents.SetBox7SocSecTips(12.345);
    Cents.SetBox10DependentCare(5000);
    Cents.SetBox11NonqualifiedPlans(777.77);
    QTest::newRow("amount formats") << Cents
                                    << ZeroRW()
                                           .At(188, "00000123450")
                                           .At(199, "00000000007")
                                           .At(254, "00000001235")
                                           .At(276, "00000500000")
                                           .At(375, "00000077777")
                                           .Line();

    EmployeeRecord Box12 = ZeroEmployee();
    Box12.SetBox12Code_a(QStringLiteral("dd"));
    Box12.SetBox12Amt_a(2500.5);
    Box12.SetBox12Code_b(QStringLiteral("DD"));
    Box12.SetBox12Amt_b(999);
    Box12.SetBox12Code_c(QStringLiteral("J"));
    Box12.SetBox12Amt_c(300);
    Box12.SetBox12Code_d(QStringLiteral("w"));
    Box12.SetBox12Amt_d(1200);
    QTest::newRow("lower-case codes, a code twice added, a code not written")
        << Box12 << ZeroRW().At(463, "00000349950").At(364, "00000120000").Line();

    EmployeeRecord Each = ZeroEmployee();
    Each.SetBox12Code_a(QStringLiteral("D"));
    Each.SetBox12Amt_a(1);
    Each.SetBox12Code_b(QStringLiteral("E"));
    Each.SetBox12Amt_b(2);
    Each.SetBox12Code_c(QStringLiteral("Q"));
    Each.SetBox12Amt_c(3);
    Each.SetBox12Code_d(QStringLiteral("FF"));
    Each.SetBox12Amt_d(4);
    Each.SetBox13Statutory(true);
    Each.SetBox13SickPay(true);
    QTest::newRow("codes D, E, Q, FF and the statutory and sick-pay marks") << Each
                                                                            << ZeroRW()
                                                                                   .At(287, "00000000100")
                                                                                   .At(298, "00000000200")
                                                                                   .At(386, "00000000300")
                                                                                   .At(474, "00000000400")
                                                                                   .At(486, "1")
                                                                                   .At(489, "1")
                                                                                   .Line();

    EmployeeRecord More = ZeroEmployee();
    More.SetBox12Code_a(QStringLiteral("F"));
    More.SetBox12Amt_a(5);
    More.SetBox12Code_b(QStringLiteral("G"));
    More.SetBox12Amt_b(6);
    More.SetBox12Code_c(QStringLiteral("H"));
    More.SetBox12Amt_c(7);
    More.SetBox12Code_d(QStringLiteral("C"));
    More.SetBox12Amt_d(8);
    QTest::newRow("codes F, G, H, C") << More
                                      << ZeroRW()
                                             .At(309, "00000000500")
                                             .At(320, "00000000600")
                                             .At(331, "00000000700")
                                             .At(408, "00000000800")
                                             .Line();

    EmployeeRecord Last = ZeroEmployee();
    Last.SetBox12Code_a(QStringLiteral("V"));
    Last.SetBox12Amt_a(9);
    Last.SetBox12Code_b(QStringLiteral("Y"));
    Last.SetBox12Amt_b(10);
    Last.SetBox12Code_c(QStringLiteral("AA"));
    Last.SetBox12Amt_c(11);
    Last.SetBox12Code_d(QStringLiteral("BB"));
    Last.SetBox12Amt_d(12);
    QTest::newRow("codes V, Y, AA, BB") << Last
                                        << ZeroRW()
                                               .At(419, "00000000900")
                                               .At(430, "00000001000")
                                               .At(441, "00000001100")
                                               .At(452, "00000001200")
                                               .Line();

    EmployeeRecord Unwritten = ZeroEmployee();
    const char *Codes[] = { "A", "B", "K", "EE" };
    Unwritten.SetBox12Code_a(QLatin1String(Codes[0]));
    Unwritten.SetBox12Amt_a(100);
    Unwritten.SetBox12Code_b(QLatin1String(Codes[1]));
    Unwritten.SetBox12Amt_b(100);
    Unwritten.SetBox12Code_c(QLatin1String(Codes[2]));
    Unwritten.SetBox12Amt_c(100);
    Unwritten.SetBox12Code_d(QLatin1String(Codes[3]));
    Unwritten.SetBox12Amt_d(100);
    QTest::newRow("codes A, B, K and EE have no RW field") << Unwritten << ZeroRW().Line();

    EmployeeRecord Zip5 = ZeroEmployee();
    Zip5.SetZipCode(QStringLiteral("12345"));
    QTest::newRow("ZIP 12345 gives four blanks") << Zip5 << ZeroRW().At(134, "12345").At(139, "    ").Line();

    EmployeeRecord Folded = ZeroEmployee();
    Folded.SetFirstName(u"Jos\u00e9"_qs);
    Folded.SetLastName(u"Mu\u00f1oz-O\u2019Brien"_qs);
    Folded.SetStreetAddress(u"5 Stra\u00dfe \u00c4ckerweg"_qs);
    Folded.SetCity(u"Z\u00fcrich"_qs);
    QTest::newRow("names folded to ASCII") << Folded
                                           << ZeroRW()
                                                  .At(12, "JOSE")
                                                  .At(42, "MUNOZ-O'BRIEN")
                                                  .At(88, "5 STRA E ACKERWEG")
                                                  .At(110, "ZURICH     ")
                                                  .Line();

    EmployeeRecord Short = ZeroEmployee();
    Short.SetEmployeeSSN(QStringLiteral("123-45-67  "));
    Short.SetState(QStringLiteral("I"));
    Short.SetZipCode(QStringLiteral("627"));
    QTest::newRow("short values padded")
        << Short << ZeroRW().At(3, "1234567  ").At(132, "I ").At(134, "627  ").Line();
}

void TstEFW2Records::rwLine()
{
    QFETCH(EmployeeRecord, Employee);
    QFETCH(QByteArray, Expected);
    QCOMPARE_LINE(BuildRW(Employer(), Employee), Expected);
}

void TstEFW2Records::box12Amounts_data()
{
    QTest::addColumn<QString>("Code");
    QTest::addColumn<QString>("Amount");
    QTest::addColumn<QString>("Total");
    QTest::newRow("DD typed dd and DD, both slots added") << "DD"
                                                          << "00000100000"
                                                          << "000000000105000";
    QTest::newRow("W") << "W"
                       << "00000000000"
                       << "000000000002500";
    QTest::newRow("not held") << "Q"
                              << "00000000000"
                              << "000000000000000";
}

void TstEFW2Records::box12Amounts()
{
    QFETCH(QString, Code);
    QFETCH(QString, Amount);
    QFETCH(QString, Total);
    EmployeeRecord First = ZeroEmployee();
    First.SetBox12Code_a(QStringLiteral("dd"));
    First.SetBox12Amt_a(100);
    First.SetBox12Code_b(QStringLiteral("DD"));
    First.SetBox12Amt_b(900);
    EmployeeRecord Second = ZeroEmployee();
    Second.SetBox12Code_c(QStringLiteral("Dd"));
    Second.SetBox12Amt_c(50);
    Second.SetBox12Code_d(QStringLiteral("W"));
    Second.SetBox12Amt_d(25);
    QCOMPARE(Box12Amount(First, Code), Amount);
    QCOMPARE(Box12Total({ First, Second }, Code), Total);
}

// The stored W-3 totals may be stale and a sum rounds differently from its
// rounded parts: the RT holds the sums of the cents the RW lines hold.
void TstEFW2Records::rtSumsTheCentsOfTheRWLines()
{
    EmployerRecord Stale = Employer();
    Stale.SetTotalWages(999999);
    Stale.SetTotalFedIncomeTax(1);
    Stale.SetSickPayTaxWithheld(12.345);
    QList<EmployeeRecord> RW;
    for (int I = 0; I < 3; ++I) {
        EmployeeRecord E = ZeroEmployee();
        E.SetBox1Wages(100.005);
        E.SetBox2FedIncomeTax(0.333);
        E.SetBox3SocSecWages(1);
        E.SetBox4SocSecTax(2);
        E.SetBox5MedicareWages(3);
        E.SetBox6MedicareTax(4);
        E.SetBox7SocSecTips(5);
        E.SetBox10DependentCare(6);
        E.SetBox11NonqualifiedPlans(7);
        E.SetBox12Code_a(QStringLiteral("D"));
        E.SetBox12Amt_a(8);
        E.SetBox12Code_b(QStringLiteral("DD"));
        E.SetBox12Amt_b(9);
        E.SetBox12Code_c(QStringLiteral("C"));
        E.SetBox12Amt_c(10);
        E.SetBox12Code_d(QStringLiteral("FF"));
        E.SetBox12Amt_d(11);
        RW.append(E);
    }
    const QByteArray Expected = ZeroRT("0000003")
                                    .At(10, "000000000030003")
                                    .At(25, "000000000000099")
                                    .At(40, "000000000000300")
                                    .At(55, "000000000000600")
                                    .At(70, "000000000000900")
                                    .At(85, "000000000001200")
                                    .At(100, "000000000001500")
                                    .At(130, "000000000001800")
                                    .At(145, "000000000002400")
                                    .At(265, "000000000002100")
                                    .At(295, "000000000002700")
                                    .At(310, "000000000003000")
                                    .At(325, "000000000001235")
                                    .At(400, "000000000003300")
                                    .Line();
    QCOMPARE_LINE(BuildRT(Stale, RW), Expected);
}

void TstEFW2Records::rtCountsAndRFCounts_data()
{
    QTest::addColumn<int>("Count");
    QTest::addColumn<QByteArray>("RTCount");
    QTest::addColumn<QByteArray>("RFCount");
    QTest::newRow("12") << 12 << QByteArray("0000012") << QByteArray("000000012");
    QTest::newRow("10000") << 10000 << QByteArray("0010000") << QByteArray("000010000");
}

void TstEFW2Records::rtCountsAndRFCounts()
{
    QFETCH(int, Count);
    QFETCH(QByteArray, RTCount);
    QFETCH(QByteArray, RFCount);
    QCOMPARE_LINE(
        BuildRT(EmployerRecord(), QList<EmployeeRecord>(Count, EmployeeRecord())), ZeroRT(RTCount).Line());
    QCOMPARE_LINE(BuildRF(Count), TExpectedLine().At(1, "RF").At(8, RFCount).Line());
}

void TstEFW2Records::onlyValidEmployeesGetRWLines()
{
    QList<EmployeeRecord> Records = Employees(3);
    Records.insert(1, EmployeeRecord()); // carried over from last year: all zero
    EmployeeRecord StateOnly = ZeroEmployee();
    StateOnly.SetBox16StateWages_a(0.01);
    Records.append(StateOnly);
    EmployeeRecord Negative = ZeroEmployee();
    Negative.SetBox1Wages(-5);
    Records.append(Negative);
    const TEFW2Client Client = MakeEFW2Client(Employer(), Records);
    QCOMPARE(Client.RecordCount, 6);
    QCOMPARE(Client.ValidCount(), 4);
    QCOMPARE(Client.RecordNumbers, QList<int>({ 1, 3, 4, 5 }));
    const QStringList Lines = BuildClientLines(Submitter(), Client, { false, false, 4 });
    QCOMPARE(RecordIds(Lines), QStringList({ "RA", "RE", "RW", "RW", "RW", "RW", "RT", "RF" }));
    QCOMPARE(Lines.at(6).mid(2, 7), QStringLiteral("0000004"));
    QCOMPARE(Lines.at(7).mid(7, 9), QStringLiteral("000000004"));
}

void TstEFW2Records::clientParts_data()
{
    QTest::addColumn<bool>("ExcludeRA");
    QTest::addColumn<bool>("ExcludeRF");
    QTest::addColumn<QStringList>("Ids");
    QTest::newRow("both boxes clear") << false << false << QStringList { "RA", "RE", "RW", "RW", "RT", "RF" };
    QTest::newRow("submitter excluded") << true << false << QStringList { "RE", "RW", "RW", "RT", "RF" };
    QTest::newRow("final excluded") << false << true << QStringList { "RA", "RE", "RW", "RW", "RT" };
    QTest::newRow("both excluded") << true << true << QStringList { "RE", "RW", "RW", "RT" };
}

void TstEFW2Records::clientParts()
{
    QFETCH(bool, ExcludeRA);
    QFETCH(bool, ExcludeRF);
    QFETCH(QStringList, Ids);
    const TEFW2Client Client = MakeEFW2Client(Employer(), Employees(2));
    const QStringList Lines = BuildClientLines(Submitter(), Client, { ExcludeRA, ExcludeRF, 12 });
    QCOMPARE(RecordIds(Lines), Ids);
    if (!ExcludeRF)
        QCOMPARE_LINE(Lines.last(), TExpectedLine().At(1, "RF").At(8, "000000012").Line());
    for (const QString &Line : Lines)
        QCOMPARE(Line.size(), 512);
}

void TstEFW2Records::everyLineIsAscii()
{
    TSubmitterData D = Submitter();
    D.SubmitName = u"\u00c6sir \u00a9 \u00bd \u2122 \u00b5"_qs;
    EmployerRecord R = Employer(u"\u00c6gir \u00b0 \u00a7 \u00ae"_qs);
    EmployeeRecord E = Employee(u"\u00c9\u00e8\u00ea\u00eb"_qs, u"\u00fe\u00de\u00a1\u00bf"_qs);
    const QStringList Lines = BuildClientLines(D, MakeEFW2Client(R, { E }), {});
    for (const QString &Line : Lines) {
        QCOMPARE(Line.size(), 512);
        for (QChar Ch : Line)
            QVERIFY2(Ch.unicode() >= 0x20 && Ch.unicode() < 0x7F, qPrintable(Line));
    }
    QCOMPARE(Lines.at(2).mid(11, 4), QStringLiteral("EEEE"));
}

void TstEFW2Records::roLine_data()
{
    QTest::addColumn<EmployeeRecord>("Employee");
    QTest::addColumn<QByteArray>("Expected");
    const QList<EmployeeRecord> Every = EveryROAmount();
    QTest::newRow("box 8, codes A and B added, R, S") << Every.at(0)
                                                      << ZeroRO()
                                                             .At(12, "00000001234")
                                                             .At(23, "00000000350")
                                                             .At(34, "00000000300")
                                                             .At(45, "00000000400")
                                                             .Line();
    QTest::newRow("codes T, M, N, Z") << Every.at(1)
                                      << ZeroRO()
                                             .At(56, "00000000500")
                                             .At(67, "00000000600")
                                             .At(78, "00000000700")
                                             .At(89, "00000000800")
                                             .Line();
    QTest::newRow("box 8, codes EE, GG, HH and a cent of A") << Every.at(2)
                                                             << ZeroRO()
                                                                    .At(12, "00000010000")
                                                                    .At(23, "00000000001")
                                                                    .At(111, "00000000900")
                                                                    .At(122, "00000001000")
                                                                    .At(133, "00000001100")
                                                                    .Line();
    QTest::newRow("code R twice, added")
        << WithBox12(0, { { "R", 1.25 }, { "D", 7 }, { "r", 2 } }) << ZeroRO().At(34, "00000000325").Line();
}

void TstEFW2Records::roLine()
{
    QFETCH(EmployeeRecord, Employee);
    QFETCH(QByteArray, Expected);
    QVERIFY(HasRO(Employee));
    QCOMPARE_LINE(BuildRO(Employee), Expected);
}

void TstEFW2Records::roOnlyForItsAmounts_data()
{
    QTest::addColumn<EmployeeRecord>("Employee");
    QTest::addColumn<bool>("RO");
    QTest::newRow("RW amounts only") << WithBox12(0, { { "D", 100 }, { "W", 5 } }) << false;
    QTest::newRow("allocated tips of a cent") << WithBox12(0.01, {}) << true;
    QTest::newRow("allocated tips below half a cent") << WithBox12(0.004, {}) << false;
    QTest::newRow("code HH") << WithBox12(0, { { "HH", 1 } }) << true;
    QTest::newRow("code A of zero") << WithBox12(0, { { "A", 0 } }) << false;
}

void TstEFW2Records::roOnlyForItsAmounts()
{
    QFETCH(EmployeeRecord, Employee);
    QFETCH(bool, RO);
    QCOMPARE(HasRO(Employee), RO);
}

void TstEFW2Records::ruTotalsTheROLines()
{
    QList<EmployeeRecord> RW = EveryROAmount();
    RW.insert(1, WithBox12(0, { { "D", 100 } })); // an RW without an RO
    const QByteArray Expected = ZeroRU("0000003")
                                    .At(10, "000000000011234")
                                    .At(25, "000000000000351")
                                    .At(40, "000000000000300")
                                    .At(55, "000000000000400")
                                    .At(70, "000000000000500")
                                    .At(85, "000000000000600")
                                    .At(100, "000000000000700")
                                    .At(115, "000000000000800")
                                    .At(145, "000000000000900")
                                    .At(160, "000000000001000")
                                    .At(175, "000000000001100")
                                    .Line();
    QCOMPARE_LINE(BuildRU(RW), Expected);
}

void TstEFW2Records::recordOrder_data()
{
    QTest::addColumn<QList<EmployeeRecord>>("Staff");
    QTest::addColumn<QStringList>("Ids");
    const QList<EmployeeRecord> Every = EveryROAmount();
    const EmployeeRecord Plain = Employee(QStringLiteral("Pat"), QStringLiteral("Plain"));
    QTest::newRow("RO after its RW, RU after the RT")
        << QList<EmployeeRecord> { Every.at(0), Plain, Every.at(1), Every.at(2) }
        << QStringList { "RA", "RE", "RW", "RO", "RW", "RW", "RO", "RW", "RO", "RT", "RU", "RF" };
    QTest::newRow("no RO, no RU") << QList<EmployeeRecord> { Plain, Plain }
                                  << QStringList { "RA", "RE", "RW", "RW", "RT", "RF" };
    QTest::newRow("the last employee alone with an RO") << QList<EmployeeRecord> { Plain,
        Every.at(2) } << QStringList { "RA", "RE", "RW", "RW", "RO", "RT", "RU", "RF" };
}

void TstEFW2Records::recordOrder()
{
    QFETCH(QList<EmployeeRecord>, Staff);
    QFETCH(QStringList, Ids);
    const qint32 RWCount = qint32(Staff.size());
    const QStringList Lines
        = BuildClientLines(Submitter(), MakeEFW2Client(Employer(), Staff), { false, false, RWCount });
    QCOMPARE(RecordIds(Lines), Ids);
    // RT and RF count the RW lines, the RU the RO lines.
    QCOMPARE(
        Lines.at(Ids.indexOf("RT")).mid(2, 7), QString::number(RWCount).rightJustified(7, QLatin1Char('0')));
    QCOMPARE_LINE(Lines.last(),
        TExpectedLine().At(1, "RF").At(8, QByteArray::number(RWCount).rightJustified(9, '0')).Line());
    if (Ids.contains("RU"))
        QCOMPARE(Lines.at(Ids.indexOf("RU")).mid(2, 7),
            QString::number(Ids.count("RO")).rightJustified(7, QLatin1Char('0')));
}

void TstEFW2Records::repeatedCodesAreAdded()
{
    const EmployeeRecord Twice = WithBox12(0, { { "D", 100 }, { "W", 10 }, { "d", 50.25 }, { "W", 20 } });
    const EmployeeRecord Once = WithBox12(0, { { "D", 1 } });
    const TExpectedLine OneDollar = ZeroRW().At(188, "00000000100");
    QCOMPARE_LINE(BuildRW(Employer(), Twice),
        TExpectedLine(OneDollar).At(287, "00000015025").At(364, "00000003000").Line());
    QCOMPARE_LINE(BuildRT(Employer(), { Twice, Once }),
        ZeroRT("0000002")
            .At(10, "000000000000200")
            .At(145, "000000000015125")
            .At(250, "000000000003000")
            .Line());
}

void TstEFW2Records::box11ByKindOfEmployer_data()
{
    QTest::addColumn<QString>("Flag");
    QTest::addColumn<bool>("Section457");
    QTest::newRow("none apply: a private employer") << "KindOfEmployerNoneApply" << false;
    QTest::newRow("501c non-government") << "KindOfEmployer501cNonGovt" << true;
    QTest::newRow("state/local non-501c") << "KindOfEmployerStateLocalNon501c" << true;
    QTest::newRow("state/local 501c") << "KindOfEmployerStateLocal501c" << true;
    QTest::newRow("federal government") << "KindOfEmployerFederalGovt" << true;
}

void TstEFW2Records::box11ByKindOfEmployer()
{
    QFETCH(QString, Flag);
    QFETCH(bool, Section457);
    const EmployerRecord Company = EmployerOfKind(Flag);
    QCOMPARE(Box11IsSection457(Company), Section457);
    EmployeeRecord Plan = WithBox12(0, {});
    Plan.SetBox11NonqualifiedPlans(500);
    QCOMPARE_LINE(BuildRW(Company, Plan),
        ZeroRW().At(188, "00000000100").At(Section457 ? 353 : 375, "00000050000").Line());
    QCOMPARE_LINE(BuildRT(Company, { Plan, Plan }),
        ZeroRT("0000002").At(10, "000000000000200").At(Section457 ? 235 : 265, "000000000100000").Line());
}

void TstEFW2Records::unfitAmountsAreRefused_data()
{
    QTest::addColumn<QString>("Field");
    QTest::addColumn<double>("Value");
    QTest::addColumn<QString>("Message");
    const double Inf = std::numeric_limits<double>::infinity();
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const QString W2
        = QStringLiteral("Form W-2 of employee record 2 (Jane Doe): The amount field %1 holds %2; an "
                         "amount must be a number of zero or more.");
    const QString W3 = QStringLiteral(
        "Form W-3: The amount field %1 holds %2; an amount must be a number of zero or more.");
    QTest::newRow("box 2 of +Inf") << "Box2FedIncomeTax" << Inf << W2.arg("Box2FedIncomeTax", "inf");
    QTest::newRow("box 4 of NaN") << "Box4SocSecTax" << NaN << W2.arg("Box4SocSecTax", "nan");
    QTest::newRow("box 3 of -1000") << "Box3SocSecWages" << -1000.0 << W2.arg("Box3SocSecWages", "-1000.00");
    QTest::newRow("box 12 amount of -Inf") << "Box12Amt_c" << -Inf << W2.arg("Box12Amt_c", "-inf");
    QTest::newRow("box 8 of a cent below zero")
        << "Box8AllocatedTips" << -0.01 << W2.arg("Box8AllocatedTips", "-0.01");
    QTest::newRow("employer sick-pay tax of NaN")
        << "W3:SickPayTaxWithheld" << NaN << W3.arg("SickPayTaxWithheld", "nan");
    QTest::newRow("employer total of -5") << "W3:TotalWages" << -5.0 << W3.arg("TotalWages", "-5.00");
    QTest::newRow("an employee without an RW line is not asked")
        << "Invalid:Box2FedIncomeTax" << NaN << QString();
    QTest::newRow("negative zero is zero") << "Box2FedIncomeTax" << -0.0 << QString();
}

void TstEFW2Records::unfitAmountsAreRefused()
{
    QFETCH(QString, Field);
    QFETCH(double, Value);
    QFETCH(QString, Message);
    EmployerRecord Company = Employer();
    // Record 1 never went through the W-2 window; record 2 is Jane.
    QList<EmployeeRecord> Staff { EmployeeRecord(), Employee(QStringLiteral("Jane"), QStringLiteral("Doe")) };
    const auto Put = [&Value](QByteArray Bytes, std::span<const TFieldDef> Fields, const QString &Name) {
        for (const TFieldDef &Def : Fields)
            if (Name.toLatin1() == Def.Name)
                WriteMoney(Bytes, Def, Value);
        return Bytes;
    };
    if (Field.startsWith(QLatin1String("W3:")))
        Company = EmployerRecord::FromBytes(Put(Company.Bytes(), EmployerRecord::Fields(), Field.mid(3)));
    else if (Field.startsWith(QLatin1String("Invalid:")))
        Staff[0] = EmployeeRecord::FromBytes(Put(Staff[0].Bytes(), EmployeeRecord::Fields(), Field.mid(8)));
    else
        Staff[1] = EmployeeRecord::FromBytes(Put(Staff[1].Bytes(), EmployeeRecord::Fields(), Field));
    const TEFW2Refusal Refusal = CheckEFW2Client(MakeEFW2Client(Company, Staff));
    QCOMPARE(Refusal.Refused() ? Refusal.Text() : QString(), Message);
}

void TstEFW2Records::limitChecks_data()
{
    QTest::addColumn<double>("Box3");
    QTest::addColumn<double>("Box4");
    QTest::addColumn<double>("Box5");
    QTest::addColumn<double>("Box6");
    QTest::addColumn<double>("Box7");
    QTest::addColumn<QStringList>("Findings");
    const QString Who = QStringLiteral("employee record 1 (John Smith, ***-**-6780): ");
    const auto Error = [&Who](const QString &Text) { return QStringLiteral("Error: ") + Who + Text; };
    const auto Notice = [&Who](const QString &Text) { return QStringLiteral("Notice: ") + Who + Text; };
    const QString Base = QStringLiteral(
        "social security wages plus tips above the 2025 wage base of 176,100.00 (boxes 3 and 7: %1)");
    const QString Max = QStringLiteral("social security tax above the 2025 maximum of 10,918.20 (box 4: %1)");
    const QString Rate = QStringLiteral("social security tax more than a cent above 6.2 % of social security "
                                        "wages plus tips (box 4: %1, boxes 3 and 7: %2)");
    const QString Below = QStringLiteral(
        "Medicare wages and tips below social security wages plus tips (box 5: %1, boxes 3 and 7: %2)");
    const QString Medicare
        = QStringLiteral("Medicare tax more than a cent away from 1.45 % of Medicare wages "
                         "and tips plus 0.9 % of the part above 200,000.00 (box 6: %1, box 5: %2)");

    QTest::newRow("wage base: just under")
        << 176099.99 << 10918.20 << 176099.99 << 2553.45 << 0.0 << QStringList();
    QTest::newRow("wage base: at") << 176100.00 << 10918.20 << 176100.00 << 2553.45 << 0.0 << QStringList();
    QTest::newRow("wage base: over") << 176100.01 << 10918.20 << 176100.01 << 2553.45 << 0.0
                                     << QStringList { Error(Base.arg("176,100.01")) };
    QTest::newRow("wage base: over with tips") << 170000.00 << 10918.20 << 176100.01 << 2553.45 << 6100.01
                                               << QStringList { Error(Base.arg("176,100.01")) };
    QTest::newRow("tax maximum: just under")
        << 176100.00 << 10918.19 << 176100.00 << 2553.45 << 0.0 << QStringList();
    QTest::newRow("tax maximum: over") << 176100.00 << 10918.21 << 176100.00 << 2553.45 << 0.0
                                       << QStringList { Error(Max.arg("10,918.21")) };
    QTest::newRow("6.2 %: at") << 100000.00 << 6200.00 << 100000.00 << 1450.00 << 0.0 << QStringList();
    QTest::newRow("6.2 %: a cent above")
        << 100000.00 << 6200.01 << 100000.00 << 1450.00 << 0.0 << QStringList();
    QTest::newRow("6.2 %: two cents above") << 100000.00 << 6200.02 << 100000.00 << 1450.00 << 0.0
                                            << QStringList { Error(Rate.arg("6,200.02", "100,000.00")) };
    QTest::newRow("6.2 %: of wages plus tips")
        << 90000.00 << 6200.00 << 100000.00 << 1450.00 << 10000.00 << QStringList();
    QTest::newRow("Medicare wages: just under")
        << 100000.00 << 6200.00 << 99999.99 << 1450.00 << 0.0
        << QStringList { Error(Below.arg("99,999.99", "100,000.00")) };
    QTest::newRow("Medicare wages: at")
        << 100000.00 << 6200.00 << 100000.00 << 1450.00 << 0.0 << QStringList();
    QTest::newRow("Medicare wages: over")
        << 100000.00 << 6200.00 << 100000.01 << 1450.00 << 0.0 << QStringList();
    QTest::newRow("Medicare tax: two cents under")
        << 100000.00 << 6200.00 << 100000.00 << 1449.98 << 0.0
        << QStringList { Notice(Medicare.arg("1,449.98", "100,000.00")) };
    QTest::newRow("Medicare tax: a cent under")
        << 100000.00 << 6200.00 << 100000.00 << 1449.99 << 0.0 << QStringList();
    QTest::newRow("Medicare tax: a cent over")
        << 100000.00 << 6200.00 << 100000.00 << 1450.01 << 0.0 << QStringList();
    QTest::newRow("Medicare tax: two cents over")
        << 100000.00 << 6200.00 << 100000.00 << 1450.02 << 0.0
        << QStringList { Notice(Medicare.arg("1,450.02", "100,000.00")) };
    QTest::newRow("additional Medicare: at")
        << 176100.00 << 10918.20 << 250000.00 << 4075.00 << 0.0 << QStringList();
    QTest::newRow("additional Medicare: a cent under")
        << 176100.00 << 10918.20 << 250000.00 << 4074.99 << 0.0 << QStringList();
    QTest::newRow("additional Medicare: two cents over")
        << 176100.00 << 10918.20 << 250000.00 << 4075.02 << 0.0
        << QStringList { Notice(Medicare.arg("4,075.02", "250,000.00")) };
    QTest::newRow("additional Medicare not withheld")
        << 176100.00 << 10918.20 << 250000.00 << 3625.00 << 0.0
        << QStringList { Notice(Medicare.arg("3,625.00", "250,000.00")) };
    QTest::newRow("additional Medicare: at the threshold")
        << 176100.00 << 10918.20 << 200000.00 << 2900.00 << 0.0 << QStringList();
    QTest::newRow("several, in the order of the rules")
        << 200000.00 << 12400.00 << 150000.00 << 2175.00 << 0.0
        << QStringList { Error(Base.arg("200,000.00")), Error(Max.arg("12,400.00")),
               Error(Below.arg("150,000.00", "200,000.00")) };
}

void TstEFW2Records::limitChecks()
{
    QFETCH(double, Box3);
    QFETCH(double, Box4);
    QFETCH(double, Box5);
    QFETCH(double, Box6);
    QFETCH(double, Box7);
    QFETCH(QStringList, Findings);
    EmployeeRecord E = Employee(QStringLiteral("John"), QStringLiteral("Smith"), Box5);
    E.SetBox3SocSecWages(Box3);
    E.SetBox4SocSecTax(Box4);
    E.SetBox5MedicareWages(Box5);
    E.SetBox6MedicareTax(Box6);
    E.SetBox7SocSecTips(Box7);
    QStringList Got;
    const QList<TEFW2Finding> Found = CheckEFW2Limits(MakeEFW2Client(Employer(), { E }));
    for (const TEFW2Finding &Finding : Found)
        Got.append(Finding.Text());
    QCOMPARE(Got, Findings);
    QCOMPARE(HasErrors(Found), std::any_of(Findings.cbegin(), Findings.cend(), [](const QString &F) {
        return F.startsWith(QLatin1String("Error"));
    }));
}

// Box 12 code II has no place in the wage report: the run says so, added
// over its slots, and the file may still be written.
void TstEFW2Records::codeIIIsNamedAsLeftOut()
{
    EmployeeRecord E = Employee(QStringLiteral("John"), QStringLiteral("Smith"), 50000.00);
    E.SetBox3SocSecWages(50000.00);
    E.SetBox4SocSecTax(3100.00);
    E.SetBox6MedicareTax(725.00);
    E.SetBox12Code_a(QStringLiteral("II"));
    E.SetBox12Amt_a(1200.00);
    E.SetBox12Code_c(QStringLiteral("ii"));
    E.SetBox12Amt_c(34.50);
    const QList<TEFW2Finding> Found = CheckEFW2Limits(MakeEFW2Client(Employer(), { E }));
    QCOMPARE(Found.size(), 1);
    QCOMPARE(Found.first().Text(),
        QStringLiteral(
            "Notice: employee record 1 (John Smith, ***-**-6780): box 12 code II is printed on the "
            "W-2 but not written to the wage report (code II: 1,234.50)"));
    QVERIFY(!HasErrors(Found));
    E.SetBox12Amt_a(0.004);
    E.SetBox12Amt_c(0.0);
    QVERIFY(CheckEFW2Limits(MakeEFW2Client(Employer(), { E })).isEmpty());

    // A line break in a name from a damaged file stays inside its line.
    E.SetBox12Amt_a(10.00);
    E.SetLastName(QStringLiteral("Sm\nError: x"));
    const QString Text = CheckEFW2Limits(MakeEFW2Client(Employer(), { E })).value(0).Text();
    QVERIFY2(Text.startsWith(QStringLiteral("Notice: employee record 1 (John Sm\\x0aError: x, ")),
        qPrintable(Text));
}

QMRK_TEST_MAIN(TstEFW2Records)
#include "tst_efw2records.moc"
