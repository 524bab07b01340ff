#include "DateCommands.h"

#include "DateUtils.h"

namespace {

int DaysInMonth(int Month, int Year)
{
    static const int Days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

// Four-digit years, so the text always fills the field's mask.
QString DateText(const QDate &Date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(Date.month(), 2, 10, QLatin1Char('0'))
        .arg(Date.day(), 2, 10, QLatin1Char('0'))
        .arg(Date.year(), 4, 10, QLatin1Char('0'));
}

bool MovesEmptyDate(QChar Key)
{
    return QStringLiteral("+-HKMRWY").contains(Key);
}

QDate FirstOfMonthCommand(const QDate &Date)
{
    return Date.day() == 1 ? Date.addMonths(-1) : QDate(Date.year(), Date.month(), 1);
}

QDate NewYearCommand(const QDate &Date)
{
    const bool OnNewYear = Date.month() == 1 && Date.day() == 1;
    return QDate(OnNewYear ? Date.year() - 1 : Date.year(), 1, 1);
}

QDate YearEndCommand(const QDate &Date)
{
    const bool OnYearEnd = Date.month() == 12 && Date.day() == 31;
    return QDate(OnYearEnd ? Date.year() + 1 : Date.year(), 12, 31);
}

// Sunday is day 7 of Qt's week, Saturday day 6.
QDate PriorSundayCommand(const QDate &Date)
{
    return Date.addDays(-(Date.dayOfWeek() % 7 == 0 ? 7 : Date.dayOfWeek() % 7));
}

QDate NextSaturdayCommand(const QDate &Date)
{
    const int Ahead = (6 - Date.dayOfWeek() + 7) % 7;
    return Date.addDays(Ahead == 0 ? 7 : Ahead);
}

QDate LastDayDate(const QDate &Date)
{
    int Month = Date.month();
    int Day = Date.day();
    int Year = Date.year();
    LastDayCommand(Month, Day, Year);
    return QDate(Year, Month, Day);
}

QDate MovedDate(QChar Key, const QDate &Date)
{
    switch (Key.unicode()) {
    case '+':
        return Date.addDays(1);
    case '-':
        return Date.addDays(-1);
    case 'M':
        return FirstOfMonthCommand(Date);
    case 'H':
        return LastDayDate(Date);
    case 'Y':
        return NewYearCommand(Date);
    case 'R':
        return YearEndCommand(Date);
    case 'W':
        return PriorSundayCommand(Date);
    case 'K':
        return NextSaturdayCommand(Date);
    default:
        return Date;
    }
}

} // namespace

QString EmptyDateText()
{
    return QStringLiteral("  /  /    ");
}

bool IsDateCommandKey(QChar Key)
{
    return QStringLiteral("+-TMHYRWK").contains(Key.toUpper());
}

QString ApplyDateCommand(QChar Key, const QString &Text, const QDate &Today)
{
    Key = Key.toUpper();
    if (Key == QLatin1Char('T'))
        return DateText(Today);
    if (!IsDateCommandKey(Key))
        return Text;
    const QString From = Text == EmptyDateText() && MovesEmptyDate(Key) ? DateText(Today) : Text;
    // A text that is not a date is left for the person to correct, never
    // replaced by a date computed from nothing.
    if (!IsValidDateText(From))
        return From;
    int Month = 0;
    int Day = 0;
    int Year = 0;
    SplitDateText(From, Month, Day, Year);
    const QDate Moved = MovedDate(Key, QDate(Year, Month, Day));
    if (!Moved.isValid() || Moved.year() < 1 || Moved.year() > 9999)
        return From;
    return DateText(Moved);
}

void LastDayCommand(int &Month, int &Day, int &Year)
{
    if (Day != DaysInMonth(Month, Year)) {
        Day = DaysInMonth(Month, Year);
        return;
    }
    ++Month;
    if (Month == 13) {
        Month = 1;
        ++Year;
    }
    Day = DaysInMonth(Month, Year);
}
