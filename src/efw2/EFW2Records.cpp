#include "EFW2Records.h"

#include "AppInfo.h"
#include "EFW2Ascii.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "NumberUtils.h"
#include "TSubmitterData.h"
#include "TextUtils.h"

#include <algorithm>
#include <cmath>
#include <iterator>

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

// Positions in TRWCents.
enum TRWField {
    Box1,
    Box2,
    Box3,
    Box4,
    Box5,
    Box6,
    Box7,
    Box10,
    CodeD,
    CodeE,
    CodeF,
    CodeG,
    CodeH,
    Box11,
    CodeW,
    CodeQ,
    CodeC,
    CodeV,
    CodeY,
    CodeAA,
    CodeBB,
    CodeDD,
    CodeFF
};

// The box 12 codes of the RW record with their places.
const std::array<std::pair<QLatin1String, TRWField>, 14> RWCodes { {
    { QLatin1String("D"), CodeD },
    { QLatin1String("E"), CodeE },
    { QLatin1String("F"), CodeF },
    { QLatin1String("G"), CodeG },
    { QLatin1String("H"), CodeH },
    { QLatin1String("W"), CodeW },
    { QLatin1String("Q"), CodeQ },
    { QLatin1String("C"), CodeC },
    { QLatin1String("V"), CodeV },
    { QLatin1String("Y"), CodeY },
    { QLatin1String("AA"), CodeAA },
    { QLatin1String("BB"), CodeBB },
    { QLatin1String("DD"), CodeDD },
    { QLatin1String("FF"), CodeFF },
} };

// Positions in TROCents.
enum TROField { Box8, CodeAB, CodeR, CodeS, CodeT, CodeM, CodeN, CodeZ, CodeEE, CodeGG, CodeHH };

// The box 12 codes of the RO record with their places; A and B share one.
const std::array<std::pair<QLatin1String, TROField>, 11> ROCodes { {
    { QLatin1String("A"), CodeAB },
    { QLatin1String("B"), CodeAB },
    { QLatin1String("R"), CodeR },
    { QLatin1String("S"), CodeS },
    { QLatin1String("T"), CodeT },
    { QLatin1String("M"), CodeM },
    { QLatin1String("N"), CodeN },
    { QLatin1String("Z"), CodeZ },
    { QLatin1String("EE"), CodeEE },
    { QLatin1String("GG"), CodeGG },
    { QLatin1String("HH"), CodeHH },
} };

// Adds the cents of every box 12 slot to the place its code has in Cents.
template <typename TCents, typename TCodes>
void AddBox12Slots(const EmployeeRecord &E, const TCodes &Codes, TCents &Cents)
{
    const QString Slots[] = { E.Box12Code_a(), E.Box12Code_b(), E.Box12Code_c(), E.Box12Code_d() };
    const double Amounts[] = { E.Box12Amt_a(), E.Box12Amt_b(), E.Box12Amt_c(), E.Box12Amt_d() };
    for (int Slot = 0; Slot < 4; ++Slot) {
        const QString Code = TrimText(Slots[Slot]);
        for (const auto &[Name, Field] : Codes)
            if (Code.compare(Name, Qt::CaseInsensitive) == 0)
                Cents[Field] += EFW2Cents(Amounts[Slot]);
    }
}

template <typename TCents, typename TOf> TCents SumOf(const QList<EmployeeRecord> &Employees, TOf Of)
{
    TCents Sum {};
    for (const EmployeeRecord &E : Employees) {
        const TCents Cents = Of(E);
        for (size_t I = 0; I < Sum.size(); ++I)
            Sum[I] += Cents[I];
    }
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
    std::array<qint64, 1> Cents {};
    const std::array<std::pair<QString, int>, 1> Only { { { Code, 0 } } };
    AddBox12Slots(E, Only, Cents);
    return Cents[0];
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
    qint64 Sum = 0;
    for (const EmployeeRecord &E : Employees)
        Sum += EFW2Cents(E.Box11NonqualifiedPlans());
    return PadZeros(QString::number(Sum), RTAmountWidth);
}

TRWCents RWCents(const EmployeeRecord &E)
{
    TRWCents Cents {};
    Cents[Box1] = EFW2Cents(E.Box1Wages());
    Cents[Box2] = EFW2Cents(E.Box2FedIncomeTax());
    Cents[Box3] = EFW2Cents(E.Box3SocSecWages());
    Cents[Box4] = EFW2Cents(E.Box4SocSecTax());
    Cents[Box5] = EFW2Cents(E.Box5MedicareWages());
    Cents[Box6] = EFW2Cents(E.Box6MedicareTax());
    Cents[Box7] = EFW2Cents(E.Box7SocSecTips());
    Cents[Box10] = EFW2Cents(E.Box10DependentCare());
    Cents[Box11] = EFW2Cents(E.Box11NonqualifiedPlans());
    AddBox12Slots(E, RWCodes, Cents);
    return Cents;
}

TROCents ROCents(const EmployeeRecord &E)
{
    TROCents Cents {};
    Cents[Box8] = EFW2Cents(E.Box8AllocatedTips());
    AddBox12Slots(E, ROCodes, Cents);
    return Cents;
}

bool HasRO(const EmployeeRecord &Employee)
{
    const TROCents Cents = ROCents(Employee);
    return std::any_of(Cents.cbegin(), Cents.cend(), [](qint64 C) { return C > 0; });
}

const std::array<QString, ROAmountCount> &ROAmountLabels()
{
    static const std::array<QString, ROAmountCount> Labels {
        QStringLiteral("Box 8 (Allocated tips)"),
        QStringLiteral("Box 12 codes A and B"),
        QStringLiteral("Box 12 code R"),
        QStringLiteral("Box 12 code S"),
        QStringLiteral("Box 12 code T"),
        QStringLiteral("Box 12 code M"),
        QStringLiteral("Box 12 code N"),
        QStringLiteral("Box 12 code Z"),
        QStringLiteral("Box 12 code EE"),
        QStringLiteral("Box 12 code GG"),
        QStringLiteral("Box 12 code HH"),
    };
    return Labels;
}

bool Box11IsSection457(const EmployerRecord &Employer)
{
    return KindOfEmployerCode(Employer) != QLatin1String("N");
}

const std::array<QString, RWAmountCount> &RWAmountLabels()
{
    static const std::array<QString, RWAmountCount> Labels {
        QStringLiteral("Box 1 (Wages, tips, other compensation)"),
        QStringLiteral("Box 2 (Federal income tax withheld)"),
        QStringLiteral("Box 3 (Social security wages)"),
        QStringLiteral("Box 4 (Social security tax withheld)"),
        QStringLiteral("Box 5 (Medicare wages and tips)"),
        QStringLiteral("Box 6 (Medicare tax withheld)"),
        QStringLiteral("Box 7 (Social security tips)"),
        QStringLiteral("Box 10 (Dependent care benefits)"),
        QStringLiteral("Box 12 code D"),
        QStringLiteral("Box 12 code E"),
        QStringLiteral("Box 12 code F"),
        QStringLiteral("Box 12 code G"),
        QStringLiteral("Box 12 code H"),
        QStringLiteral("Box 11 (Nonqualified plans)"),
        QStringLiteral("Box 12 code W"),
        QStringLiteral("Box 12 code Q"),
        QStringLiteral("Box 12 code C"),
        QStringLiteral("Box 12 code V"),
        QStringLiteral("Box 12 code Y"),
        QStringLiteral("Box 12 code AA"),
        QStringLiteral("Box 12 code BB"),
        QStringLiteral("Box 12 code DD"),
        QStringLiteral("Box 12 code FF"),
    };
    return Labels;
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
        .Put(3, 4, YearText())
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

QString BuildRW(const EmployerRecord &Employer, const EmployeeRecord &E)
{
    constexpr int W = RWAmountWidth;
    const TRWCents C = RWCents(E);
    const bool Section457 = Box11IsSection457(Employer);
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
        .Amount(188, W, C[Box1])
        .Amount(199, W, C[Box2])
        .Amount(210, W, C[Box3])
        .Amount(221, W, C[Box4])
        .Amount(232, W, C[Box5])
        .Amount(243, W, C[Box6])
        .Amount(254, W, C[Box7])
        .Blank(265, W)
        .Amount(276, W, C[Box10])
        .Amount(287, W, C[CodeD])
        .Amount(298, W, C[CodeE])
        .Amount(309, W, C[CodeF])
        .Amount(320, W, C[CodeG])
        .Amount(331, W, C[CodeH])
        .Blank(342, W)
        .Amount(353, W, Section457 ? C[Box11] : 0)
        .Amount(364, W, C[CodeW])
        .Amount(375, W, Section457 ? 0 : C[Box11])
        .Amount(386, W, C[CodeQ])
        .Blank(397, W)
        .Amount(408, W, C[CodeC])
        .Amount(419, W, C[CodeV])
        .Amount(430, W, C[CodeY])
        .Amount(441, W, C[CodeAA])
        .Amount(452, W, C[CodeBB])
        .Amount(463, W, C[CodeDD])
        .Amount(474, W, C[CodeFF])
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
    const TRWCents T = SumOf<TRWCents>(RW, RWCents);
    const bool Section457 = Box11IsSection457(Employer);
    return TLine("RT")
        .Put(3, 7, PadZeros(QString::number(RW.size()), 7))
        .Amount(10, W, T[Box1])
        .Amount(25, W, T[Box2])
        .Amount(40, W, T[Box3])
        .Amount(55, W, T[Box4])
        .Amount(70, W, T[Box5])
        .Amount(85, W, T[Box6])
        .Amount(100, W, T[Box7])
        .Blank(115, W)
        .Amount(130, W, T[Box10])
        .Amount(145, W, T[CodeD])
        .Amount(160, W, T[CodeE])
        .Amount(175, W, T[CodeF])
        .Amount(190, W, T[CodeG])
        .Amount(205, W, T[CodeH])
        .Blank(220, W)
        .Amount(235, W, Section457 ? T[Box11] : 0)
        .Amount(250, W, T[CodeW])
        .Amount(265, W, Section457 ? 0 : T[Box11])
        .Amount(280, W, T[CodeQ])
        .Amount(295, W, T[CodeDD])
        .Amount(310, W, T[CodeC])
        .Amount(325, W, EFW2Cents(Employer.SickPayTaxWithheld()))
        .Amount(340, W, T[CodeV])
        .Amount(355, W, T[CodeY])
        .Amount(370, W, T[CodeAA])
        .Amount(385, W, T[CodeBB])
        .Amount(400, W, T[CodeFF])
        .Blank(415, 98)
        .Text();
}

QString BuildRO(const EmployeeRecord &E)
{
    constexpr int W = ROAmountWidth;
    const TROCents C = ROCents(E);
    // 144 on: the territorial fields, which no employee of ours has.
    return TLine("RO")
        .Blank(3, 9)
        .Amount(12, W, C[Box8])
        .Amount(23, W, C[CodeAB])
        .Amount(34, W, C[CodeR])
        .Amount(45, W, C[CodeS])
        .Amount(56, W, C[CodeT])
        .Amount(67, W, C[CodeM])
        .Amount(78, W, C[CodeN])
        .Amount(89, W, C[CodeZ])
        .Blank(100, W)
        .Amount(111, W, C[CodeEE])
        .Amount(122, W, C[CodeGG])
        .Amount(133, W, C[CodeHH])
        .Blank(144, 369)
        .Text();
}

QString BuildRU(const QList<EmployeeRecord> &RWEmployees)
{
    constexpr int W = RUAmountWidth;
    QList<EmployeeRecord> RO;
    std::copy_if(RWEmployees.cbegin(), RWEmployees.cend(), std::back_inserter(RO), HasRO);
    const TROCents T = SumOf<TROCents>(RO, ROCents);
    return TLine("RU")
        .Put(3, 7, PadZeros(QString::number(RO.size()), 7))
        .Amount(10, W, T[Box8])
        .Amount(25, W, T[CodeAB])
        .Amount(40, W, T[CodeR])
        .Amount(55, W, T[CodeS])
        .Amount(70, W, T[CodeT])
        .Amount(85, W, T[CodeM])
        .Amount(100, W, T[CodeN])
        .Amount(115, W, T[CodeZ])
        .Blank(130, W)
        .Amount(145, W, T[CodeEE])
        .Amount(160, W, T[CodeGG])
        .Amount(175, W, T[CodeHH])
        .Blank(190, 323)
        .Text();
}

QString BuildRF(qint32 RWCount)
{
    return TLine("RF").Blank(3, 5).Put(8, 9, PadZeros(QString::number(RWCount), 9)).Blank(17, 496).Text();
}
