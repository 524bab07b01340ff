#include "IdentifierChecks.h"

#include "TextUtils.h"

namespace {

// One point per position of Text that holds what Shape asks for: '9' any
// digit, '8' a digit 0 to 8, any other character itself.
int ShapePoints(const QString &Text, QLatin1String Shape)
{
    int Points = 0;
    for (qsizetype I = 0; I < Shape.size() && I < Text.size(); ++I) {
        const char16_t Ch = Text.at(I).unicode();
        const char Want = Shape.at(I).toLatin1();
        bool Matches = false;
        if (Want == '9')
            Matches = Ch >= u'0' && Ch <= u'9';
        else if (Want == '8')
            Matches = Ch >= u'0' && Ch <= u'8';
        else
            Matches = Ch == char16_t(Want);
        if (Matches)
            ++Points;
    }
    return Points;
}

bool HasShape(const QString &Text, QLatin1String Shape)
{
    return TrimText(Text).size() == Shape.size() && ShapePoints(Text, Shape) == Shape.size();
}

} // namespace

bool IsValidSSN(const QString &Text)
{
    constexpr QLatin1String Shape("899-99-9999");
    if (TrimText(Text).size() != Shape.size())
        return false;
    // A well-formed number scores 11; every forbidden pattern costs a point.
    int Points = ShapePoints(Text, Shape);
    if (MidText(Text, 1, 3) == QLatin1String("666"))
        --Points;
    if (MidText(Text, 1, 3) == QLatin1String("000"))
        --Points;
    if (MidText(Text, 5, 2) == QLatin1String("00"))
        --Points;
    if (MidText(Text, 8, 4) == QLatin1String("0000"))
        --Points;
    if (LeftText(Text, 11) == QLatin1String("123-45-6789"))
        --Points;
    return Points == Shape.size();
}

QString MaskSSN(const QString &Text)
{
    if (!IsValidSSN(Text))
        return QString();
    return QStringLiteral("***-**-") + MidText(Text, 8, 4);
}

bool IsValidEIN(const QString &Text)
{
    constexpr QLatin1String Shape("99-9999999");
    if (TrimText(Text).size() != Shape.size())
        return false;
    const QString Prefix = LeftText(Text, 2);
    for (QLatin1String Invalid : InvalidEINPrefixes)
        if (Prefix.compare(Invalid, Qt::CaseInsensitive) == 0)
            return false;
    return ShapePoints(Text, Shape) == Shape.size();
}

bool IsValidPhone(const QString &Text)
{
    return HasShape(Text, QLatin1String("999-999-9999"));
}

bool IsValidZip(const QString &Text)
{
    return HasShape(Text, QLatin1String("99999")) || IsValidZipPlus4(Text);
}

bool IsValidZipPlus4(const QString &Text)
{
    return HasShape(Text, QLatin1String("99999-9999"));
}
