#include "TClock.h"

namespace {

QDate FixedToday;

} // namespace

QDate TClock::Today()
{
    return FixedToday.isValid() ? FixedToday : QDate::currentDate();
}

void TClock::SetToday(const QDate &Date)
{
    FixedToday = Date;
}
