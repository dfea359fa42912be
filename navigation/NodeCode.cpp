#include "navigation/NodeCode.h"

#include <QCoreApplication>
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
    static const char *const names[12] = {
        QT_TRANSLATE_NOOP("NodeCode", "January"),   QT_TRANSLATE_NOOP("NodeCode", "February"),
        QT_TRANSLATE_NOOP("NodeCode", "March"),     QT_TRANSLATE_NOOP("NodeCode", "April"),
        QT_TRANSLATE_NOOP("NodeCode", "May"),       QT_TRANSLATE_NOOP("NodeCode", "June"),
        QT_TRANSLATE_NOOP("NodeCode", "July"),      QT_TRANSLATE_NOOP("NodeCode", "August"),
        QT_TRANSLATE_NOOP("NodeCode", "September"), QT_TRANSLATE_NOOP("NodeCode", "October"),
        QT_TRANSLATE_NOOP("NodeCode", "November"),  QT_TRANSLATE_NOOP("NodeCode", "December")};
    return month >= 1 && month <= 12 ? QCoreApplication::translate("NodeCode", names[month - 1]) : QString();
}

QString WeekdayAbbrev(int qtDayOfWeek)
{
    static const char *const names[7] = {QT_TRANSLATE_NOOP("NodeCode", "Mo"), QT_TRANSLATE_NOOP("NodeCode", "Tu"),
                                         QT_TRANSLATE_NOOP("NodeCode", "We"), QT_TRANSLATE_NOOP("NodeCode", "Th"),
                                         QT_TRANSLATE_NOOP("NodeCode", "Fr"), QT_TRANSLATE_NOOP("NodeCode", "Sa"),
                                         QT_TRANSLATE_NOOP("NodeCode", "Su")};
    return qtDayOfWeek >= 1 && qtDayOfWeek <= 7 ? QCoreApplication::translate("NodeCode", names[qtDayOfWeek - 1])
                                                : QString();
}

QString WeekdayAbbrev(int year, int month, int day)
{
    return WeekdayAbbrev(QDate(year, month, day).dayOfWeek());
}

QString DayCaption(int year, int month, int day)
{
    //: A day in the date tree and in a month's overview: %1 the day of the month, %2 the weekday abbreviation.
    return QCoreApplication::translate("NodeCode", "%1. %2").arg(day).arg(WeekdayAbbrev(year, month, day));
}

QString DayHeading(int year, int month, int day)
{
    //: Heading over a day's appointments: %1 weekday abbreviation, %2 day of the month, %3 month name, %4 year.
    return QCoreApplication::translate("NodeCode", "%1 %2.%3 %4")
        .arg(WeekdayAbbrev(year, month, day))
        .arg(day)
        .arg(MonthName(month))
        .arg(year);
}

} // namespace NodeCode
