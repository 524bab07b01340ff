#include "AmountFormat.h"

#include "EConvertError.h"
#include "NumberUtils.h"
#include "TextUtils.h"

#include <algorithm>
#include <cmath>

namespace {

QString GroupThousands(const QString &Digits)
{
    QString Result;
    const qsizetype Count = Digits.size();
    for (qsizetype I = 0; I < Count; ++I) {
        if (I > 0 && (Count - I) % 3 == 0)
            Result.append(QLatin1Char(','));
        Result.append(Digits.at(I));
    }
    return Result;
}

int ClampCents(int CentDigits)
{
    return std::clamp(CentDigits, 0, MaxCentDigits);
}

} // namespace

double LimitAmount(double Value)
{
    return std::min(Value, MaxFieldAmount);
}

QString FormatAmount(double Value, int CentDigits, bool Currency)
{
    CentDigits = ClampCents(CentDigits);
    const double Rounded = RoundValue(Value, CentDigits);
    // QString::number always writes '.', whatever the locale.
    const QString Plain = QString::number(std::fabs(Rounded), 'f', CentDigits);
    const qsizetype Point = Plain.indexOf(QLatin1Char('.'));
    QString Result = Rounded < 0 ? QStringLiteral("-") : QString();
    // The patterns with more or fewer decimals than whole dollars and cents
    // carry no dollar sign.
    if (Currency && (CentDigits == 0 || CentDigits == 2))
        Result.append(QLatin1Char('$'));
    Result.append(GroupThousands(Point < 0 ? Plain : Plain.left(Point)));
    if (Point >= 0)
        Result.append(Plain.mid(Point));
    return Result;
}

QString AmountZeroText(int CentDigits)
{
    CentDigits = ClampCents(CentDigits);
    return CentDigits == 0 ? QStringLiteral("0")
                           : QStringLiteral("0.") + QString(CentDigits, QLatin1Char('0'));
}

QString AmountEditText(const QString &Shown, int CentDigits, double &Value)
{
    const QString Kept = KeepChars(Shown, QStringLiteral("-.0123456789"));
    Value = 0;
    if (Kept.isEmpty() || Kept == QLatin1String("-"))
        return AmountZeroText(CentDigits);
    try {
        Value = RoundValue(TextToFloat(Kept), ClampCents(CentDigits));
    } catch (const EConvertError &) {
        // Only a program can put such a text in a field; read it as no amount.
        return AmountZeroText(CentDigits);
    }
    return Kept;
}

double AmountOfText(const QString &Text)
{
    try {
        return TextToFloat(Text);
    } catch (const EConvertError &) {
        return 0;
    }
}
