#include "DateUtils.h"

#include "NumberUtils.h"
#include "TextUtils.h"

#include <QDate>

namespace {

bool IsAsciiDigit(QChar Ch)
{
    return Ch.unicode() >= '0' && Ch.unicode() <= '9';
}

// A run of MinLen to MaxLen ASCII digits, as a number.
bool ReadDatePart(QStringView Part, qsizetype MinLen, qsizetype MaxLen, int &Value)
{
    if (Part.size() < MinLen || Part.size() > MaxLen)
        return false;
    Value = 0;
    for (QChar Ch : Part) {
        if (!IsAsciiDigit(Ch))
            return false;
        Value = Value * 10 + (Ch.unicode() - '0');
    }
    return true;
}

// The date of a US short date text "m/d/yyyy"; an invalid QDate when the
// text is not one. Read by hand so that the machine's locale never matters.
QDate ReadUSDate(const QString &Text)
{
    const QList<QStringView> Parts = QStringView(Text).split(QLatin1Char('/'));
    int Month = 0;
    int Day = 0;
    int Year = 0;
    if (Parts.size() != 3 || !ReadDatePart(Parts.at(0), 1, 2, Month) || !ReadDatePart(Parts.at(1), 1, 2, Day)
        || !ReadDatePart(Parts.at(2), 4, 4, Year))
        return QDate();
    // QDate knows no year 0; the forms know no year before 1.
    if (Year < 1)
        return QDate();
    return QDate(Year, Month, Day);
}

} // namespace

bool IsValidDateText(const QString &Text)
{
    // A partly filled masked date ("01/  /2025") must not pass as a date.
    int DateChars = 0;
    for (QChar Ch : Text)
        if (IsAsciiDigit(Ch) || Ch == QLatin1Char('/'))
            ++DateChars;
    return DateChars >= 10 && ReadUSDate(Text).isValid();
}

void SplitDateText(const QString &Text, int &Month, int &Day, int &Year)
{
    Month = 0;
    Day = 0;
    Year = 0;
    if (!IsValidDateText(Text))
        return;
    Month = TextToInt(MidText(Text, 1, 2));
    Day = TextToInt(MidText(Text, 4, 2));
    Year = TextToInt(MidText(Text, 7, 4));
}

QString MakeDateText(int Month, int Day, int Year)
{
    auto TwoDigits = [](int Value) {
        QString Result = QString::number(Value);
        if (Result.size() == 1)
            Result.prepend(QLatin1Char('0'));
        return Result;
    };
    return TwoDigits(Month) + QLatin1Char('/') + TwoDigits(Day) + QLatin1Char('/') + QString::number(Year);
}

QString AddMonthsToDateText(const QString &Text, int N)
{
    if (!IsValidDateText(Text))
        return QString();
    // QDate::addMonths clips the day to the end of a shorter month.
    const QDate Later = ReadUSDate(Text).addMonths(N);
    if (!Later.isValid() || Later.year() < 1 || Later.year() > 9999)
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(Later.month(), 2, 10, QLatin1Char('0'))
        .arg(Later.day(), 2, 10, QLatin1Char('0'))
        .arg(Later.year(), 4, 10, QLatin1Char('0'));
}

bool IsLeapYear(int Year)
{
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}
