#include "navigation/NodeCode.h"

#include <QDate>

namespace NodeCode {

Level LevelOf(int code)
{
    const Parts p = Decode(code);
    if (p.year == 0)
        return Level::Root;
    if (p.month == 0)
        return Level::Year;
    return p.day == 0 ? Level::Month : Level::Day;
}

QString MonthName(int month)
{
    static const char *const names[12] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(names[month - 1]) : QString();
}

const char *WeekdayAbbrev(int qtDayOfWeek)
{
    static const char *const names[7] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
    return qtDayOfWeek >= 1 && qtDayOfWeek <= 7 ? names[qtDayOfWeek - 1] : "";
}

const char *WeekdayAbbrev(int year, int month, int day)
{
    return WeekdayAbbrev(QDate(year, month, day).dayOfWeek());
}

QString DayCaption(int year, int month, int day)
{
    return QStringLiteral("%1. %2").arg(day).arg(QLatin1String(WeekdayAbbrev(year, month, day)));
}

} // namespace NodeCode
