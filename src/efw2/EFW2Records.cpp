#include "EFW2Records.h"

#include "EFW2Ascii.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "NumberUtils.h"
#include "TSubmitterData.h"
#include "TextUtils.h"

#include <cmath>

namespace {

const QString Digits = QStringLiteral("0123456789");

// A line put together field by field, each at the position the record layout
// gives it; a field is cut or padded to its width.
class TLine {
public:
    explicit TLine(const char *Identifier)
        : FText(QLatin1String(Identifier))
    {
        FText.reserve(EFW2LineLength);
    }

    TLine &Put(int Position, int Width, const QString &Value)
    {
        Q_ASSERT(Position == FText.size() + 1);
        FText += PadRight(Value.left(Width), Width);
        return *this;
    }
    TLine &Blank(int Position, int Width) { return Put(Position, Width, QString()); }
    TLine &Flag(int Position, bool Value)
    {
        return Put(Position, 1, Value ? QStringLiteral("1") : QStringLiteral("0"));
    }
    TLine &Amount(int Position, int Width, qint64 Cents)
    {
        return Put(Position, Width, PadZeros(QString::number(Cents), Width));
    }

    QString Text() const
    {
        Q_ASSERT(FText.size() == EFW2LineLength);
        return FText;
    }

private:
    QString FText;
};

QString Upper(const QString &Text)
{
    return ToEFW2Upper(Text);
}

QString Ascii(const QString &Text)
{
    return ToEFW2Ascii(Text);
}

QString DigitsOf(const QString &Text)
{
    return KeepChars(Text, Digits);
}

QString ZipOf(const QString &Zip)
{
    return Ascii(LeftText(Zip, 5));
}

// The form 99999-9999 carries an extension.
QString ZipExtensionOf(const QString &Zip)
{
    return Zip.size() == 10 ? Ascii(RightText(Zip, 4)) : QString();
}

QString KindOfEmployerCode(const EmployerRecord &E)
{
    if (E.KindOfEmployerNoneApply())
        return QStringLiteral("N");
    if (E.KindOfEmployer501cNonGovt())
        return QStringLiteral("T");
    if (E.KindOfEmployerStateLocalNon501c())
        return QStringLiteral("S");
    if (E.KindOfEmployerStateLocal501c())
        return QStringLiteral("Y");
    if (E.KindOfEmployerFederalGovt())
        return QStringLiteral("F");
    return QString();
}

QString EmploymentCode(const EmployerRecord &E)
{
    if (E.KindOfPayer941())
        return QStringLiteral("R");
    if (E.KindOfPayerMilitary())
        return QStringLiteral("M");
    if (E.KindOfPayer943())
        return QStringLiteral("A");
    if (E.KindOfPayer944())
        return QStringLiteral("F");
    if (E.KindOfPayerCT1())
        return QStringLiteral("X");
    if (E.KindOfPayerHousehold())
        return QStringLiteral("H");
    if (E.KindOfPayerMedicareGovt())
        return QStringLiteral("Q");
    return QString();
}

qint64 Box1(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box1Wages());
}
qint64 Box2(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box2FedIncomeTax());
}
qint64 Box3(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box3SocSecWages());
}
qint64 Box4(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box4SocSecTax());
}
qint64 Box5(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box5MedicareWages());
}
qint64 Box6(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box6MedicareTax());
}
qint64 Box7(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box7SocSecTips());
}
qint64 Box10(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box10DependentCare());
}
qint64 Box11(const EmployeeRecord &E)
{
    return EFW2Cents(E.Box11NonqualifiedPlans());
}
qint64 CodeD(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("D"));
}
qint64 CodeE(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("E"));
}
qint64 CodeF(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("F"));
}
qint64 CodeG(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("G"));
}
qint64 CodeH(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("H"));
}
qint64 CodeW(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("W"));
}
qint64 CodeQ(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("Q"));
}
qint64 CodeC(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("C"));
}
qint64 CodeV(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("V"));
}
qint64 CodeY(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("Y"));
}
qint64 CodeAA(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("AA"));
}
qint64 CodeBB(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("BB"));
}
qint64 CodeDD(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("DD"));
}
qint64 CodeFF(const EmployeeRecord &E)
{
    return Box12Cents(E, QStringLiteral("FF"));
}

qint64 SumOf(const QList<EmployeeRecord> &Employees, qint64 (*Cents)(const EmployeeRecord &))
{
    qint64 Sum = 0;
    for (const EmployeeRecord &E : Employees)
        Sum += Cents(E);
    return Sum;
}

} // namespace

qint64 EFW2Cents(double Value)
{
    if (!(Value > 0))
        return 0;
    return std::llround(RoundValue(Value, 2) * 100.0);
}

QString FormatEFW2Amount(double Value, int Width)
{
    return PadZeros(QString::number(EFW2Cents(Value)), Width);
}

bool EFW2CentsFit(qint64 Cents, int Width)
{
    return QString::number(Cents).size() <= Width;
}

qint64 Box12Cents(const EmployeeRecord &E, const QString &Code)
{
    const QString Codes[] = { E.Box12Code_a(), E.Box12Code_b(), E.Box12Code_c(), E.Box12Code_d() };
    const double Amounts[] = { E.Box12Amt_a(), E.Box12Amt_b(), E.Box12Amt_c(), E.Box12Amt_d() };
    for (int I = 0; I < 4; ++I)
        if (TrimText(Codes[I]).compare(Code, Qt::CaseInsensitive) == 0)
            return EFW2Cents(Amounts[I]);
    return 0;
}

QString Box12Amount(const EmployeeRecord &Employee, const QString &Code)
{
    return PadZeros(QString::number(Box12Cents(Employee, Code)), RWAmountWidth);
}

QString Box12Total(const QList<EmployeeRecord> &Employees, const QString &Code)
{
    qint64 Sum = 0;
    for (const EmployeeRecord &E : Employees)
        Sum += Box12Cents(E, Code);
    return PadZeros(QString::number(Sum), RTAmountWidth);
}

QString Box11Total(const QList<EmployeeRecord> &Employees)
{
    return PadZeros(QString::number(SumOf(Employees, Box11)), RTAmountWidth);
}

const QList<TRWAmount> &RWAmounts()
{
    static const QList<TRWAmount> List {
        { QStringLiteral("Box 1 (Wages, tips, other compensation)"), Box1 },
        { QStringLiteral("Box 2 (Federal income tax withheld)"), Box2 },
        { QStringLiteral("Box 3 (Social security wages)"), Box3 },
        { QStringLiteral("Box 4 (Social security tax withheld)"), Box4 },
        { QStringLiteral("Box 5 (Medicare wages and tips)"), Box5 },
        { QStringLiteral("Box 6 (Medicare tax withheld)"), Box6 },
        { QStringLiteral("Box 7 (Social security tips)"), Box7 },
        { QStringLiteral("Box 10 (Dependent care benefits)"), Box10 },
        { QStringLiteral("Box 12 code D"), CodeD },
        { QStringLiteral("Box 12 code E"), CodeE },
        { QStringLiteral("Box 12 code F"), CodeF },
        { QStringLiteral("Box 12 code G"), CodeG },
        { QStringLiteral("Box 12 code H"), CodeH },
        { QStringLiteral("Box 11 (Nonqualified plans)"), Box11 },
        { QStringLiteral("Box 12 code W"), CodeW },
        { QStringLiteral("Box 12 code Q"), CodeQ },
        { QStringLiteral("Box 12 code C"), CodeC },
        { QStringLiteral("Box 12 code V"), CodeV },
        { QStringLiteral("Box 12 code Y"), CodeY },
        { QStringLiteral("Box 12 code AA"), CodeAA },
        { QStringLiteral("Box 12 code BB"), CodeBB },
        { QStringLiteral("Box 12 code DD"), CodeDD },
        { QStringLiteral("Box 12 code FF"), CodeFF },
    };
    return List;
}

QString BuildRA(const TSubmitterData &S)
{
    return TLine("RA")
        .Put(3, 9, DigitsOf(S.EIN))
        .Put(12, 8, Upper(S.UserID))
        .Blank(20, 4)
        .Blank(24, 5)
        .Flag(29, S.ResubInd)
        .Put(30, 6, S.ResubInd ? Ascii(S.ResubID) : QString())
        .Put(36, 2, QStringLiteral("98"))
        .Put(38, 57, Upper(S.CompanyName))
        .Put(95, 22, Upper(S.LocationAddr))
        .Put(117, 22, Upper(S.DeliveryAddr))
        .Put(139, 22, Upper(S.City))
        .Put(161, 2, Upper(S.StateCode))
        .Put(163, 5, Ascii(S.ZipCode))
        .Put(168, 4, Ascii(S.ZipCodeExt))
        .Blank(172, 5)
        .Put(177, 23, Upper(S.ForeignState))
        .Put(200, 15, Upper(S.ForeignZip))
        .Put(215, 2, Upper(S.CountryCode))
        .Put(217, 57, Upper(S.SubmitName))
        .Put(274, 22, Upper(S.SubmitAddr1))
        .Put(296, 22, Upper(S.SubmitAddr2))
        .Put(318, 22, Upper(S.SubmitCity))
        .Put(340, 2, Upper(S.SubmitState))
        .Put(342, 5, Ascii(S.SubmitZip))
        .Put(347, 4, Ascii(S.SubmitZipExt))
        .Blank(351, 5)
        .Put(356, 23, Upper(S.SubmitFSP))
        .Put(379, 15, Upper(S.SubmitFPC))
        .Put(394, 2, Upper(S.SubmitCC))
        .Put(396, 27, Upper(S.ContactName))
        .Put(423, 15, DigitsOf(S.ContactPhone))
        .Put(438, 5, Ascii(S.ContactExt))
        .Blank(443, 3)
        .Put(446, 40, Ascii(S.ContactEmail))
        .Blank(486, 3)
        .Put(489, 10, DigitsOf(S.ContactFax))
        .Blank(499, 1)
        .Put(500, 1, Upper(S.PreparerCode))
        .Blank(501, 12)
        .Text();
}

QString BuildRE(const EmployerRecord &E)
{
    return TLine("RE")
        .Put(3, 4, QStringLiteral("2025"))
        .Blank(7, 1)
        .Put(8, 9, DigitsOf(E.EmployerEIN()))
        .Blank(17, 9)
        .Flag(26, E.FinalReturn())
        .Put(27, 4, Upper(E.EstablishmentNumber()))
        .Put(31, 9, DigitsOf(E.OtherEIN()))
        .Put(40, 57, Upper(E.EmployerName()))
        .Blank(97, 22)
        .Put(119, 22, Upper(E.EmployerAddress()))
        .Put(141, 22, Upper(E.EmployerCity()))
        .Put(163, 2, Upper(E.EmployerState()))
        .Put(165, 5, ZipOf(E.EmployerZipCode()))
        .Put(170, 4, ZipExtensionOf(E.EmployerZipCode()))
        .Put(174, 1, KindOfEmployerCode(E))
        .Blank(175, 4)
        .Blank(179, 23)
        .Blank(202, 15)
        .Blank(217, 2)
        .Put(219, 1, EmploymentCode(E))
        .Blank(220, 1)
        .Flag(221, E.ThirdPartySickPay())
        .Put(222, 27, Upper(E.ContactPerson()))
        .Put(249, 15, DigitsOf(E.ContactPhone()))
        .Blank(264, 5)
        .Put(269, 10, DigitsOf(E.ContactFax()))
        .Put(279, 40, Ascii(E.ContactEmail()))
        .Blank(319, 194)
        .Text();
}

QString BuildRW(const EmployeeRecord &E)
{
    constexpr int W = RWAmountWidth;
    return TLine("RW")
        .Put(3, 9, DigitsOf(E.EmployeeSSN()))
        .Put(12, 15, Upper(E.FirstName()))
        .Blank(27, 15)
        .Put(42, 20, Upper(E.LastName()))
        .Put(62, 4, Upper(E.Suffix()))
        .Blank(66, 22)
        .Put(88, 22, Upper(E.StreetAddress()))
        .Put(110, 22, Upper(E.City()))
        .Put(132, 2, Upper(E.State()))
        .Put(134, 5, ZipOf(E.ZipCode()))
        .Put(139, 4, ZipExtensionOf(E.ZipCode()))
        .Blank(143, 5)
        .Blank(148, 23)
        .Blank(171, 15)
        .Blank(186, 2)
        .Amount(188, W, Box1(E))
        .Amount(199, W, Box2(E))
        .Amount(210, W, Box3(E))
        .Amount(221, W, Box4(E))
        .Amount(232, W, Box5(E))
        .Amount(243, W, Box6(E))
        .Amount(254, W, Box7(E))
        .Blank(265, W)
        .Amount(276, W, Box10(E))
        .Amount(287, W, CodeD(E))
        .Amount(298, W, CodeE(E))
        .Amount(309, W, CodeF(E))
        .Amount(320, W, CodeG(E))
        .Amount(331, W, CodeH(E))
        .Blank(342, W)
        .Amount(353, W, Box11(E))
        .Amount(364, W, CodeW(E))
        .Amount(375, W, 0)
        .Amount(386, W, CodeQ(E))
        .Blank(397, W)
        .Amount(408, W, CodeC(E))
        .Amount(419, W, CodeV(E))
        .Amount(430, W, CodeY(E))
        .Amount(441, W, CodeAA(E))
        .Amount(452, W, CodeBB(E))
        .Amount(463, W, CodeDD(E))
        .Amount(474, W, CodeFF(E))
        .Blank(485, 1)
        .Flag(486, E.Box13Statutory())
        .Blank(487, 1)
        .Flag(488, E.Box13Retirement())
        .Flag(489, E.Box13SickPay())
        .Blank(490, 23)
        .Text();
}

QString BuildRT(const EmployerRecord &Employer, const QList<EmployeeRecord> &RW)
{
    constexpr int W = RTAmountWidth;
    return TLine("RT")
        .Put(3, 7, PadZeros(QString::number(RW.size()), 7))
        .Amount(10, W, SumOf(RW, Box1))
        .Amount(25, W, SumOf(RW, Box2))
        .Amount(40, W, SumOf(RW, Box3))
        .Amount(55, W, SumOf(RW, Box4))
        .Amount(70, W, SumOf(RW, Box5))
        .Amount(85, W, SumOf(RW, Box6))
        .Amount(100, W, SumOf(RW, Box7))
        .Blank(115, W)
        .Amount(130, W, SumOf(RW, Box10))
        .Put(145, W, Box12Total(RW, QStringLiteral("D")))
        .Put(160, W, Box12Total(RW, QStringLiteral("E")))
        .Put(175, W, Box12Total(RW, QStringLiteral("F")))
        .Put(190, W, Box12Total(RW, QStringLiteral("G")))
        .Put(205, W, Box12Total(RW, QStringLiteral("H")))
        .Blank(220, W)
        .Put(235, W, Box11Total(RW))
        .Put(250, W, Box12Total(RW, QStringLiteral("W")))
        .Amount(265, W, 0)
        .Put(280, W, Box12Total(RW, QStringLiteral("Q")))
        .Put(295, W, Box12Total(RW, QStringLiteral("DD")))
        .Put(310, W, Box12Total(RW, QStringLiteral("C")))
        .Amount(325, W, EFW2Cents(Employer.SickPayTaxWithheld()))
        .Put(340, W, Box12Total(RW, QStringLiteral("V")))
        .Put(355, W, Box12Total(RW, QStringLiteral("Y")))
        .Put(370, W, Box12Total(RW, QStringLiteral("AA")))
        .Put(385, W, Box12Total(RW, QStringLiteral("BB")))
        .Put(400, W, Box12Total(RW, QStringLiteral("FF")))
        .Blank(415, 98)
        .Text();
}

QString BuildRF(qint32 RWCount)
{
    return TLine("RF").Blank(3, 5).Put(8, 9, PadZeros(QString::number(RWCount), 9)).Blank(17, 496).Text();
}
