#include "store/DateTimeValue.h"

#include <cmath>

namespace DateTimeValue {

namespace {
// Julian day of 30 December 1899; a constant, so values computed during
// static initialisation elsewhere are right too.
constexpr qint64 EpochJulianDay = 2415019;
static_assert(EpochJulianDay + 36526 == 2451545, "1 January 2000 is Julian day 2451545");
} // namespace

double EncodeDate(int year, int month, int day)
{
    return static_cast<double>(QDate(year, month, day).toJulianDay() - EpochJulianDay);
}

double EncodeTime(int hour, int minute, int second, int msec)
{
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / MSecsPerDay;
}

Parts Split(double value)
{
    Parts p;
    if (!IsUsable(value)) {
        p.valid = false;
        return p;
    }
    // Work in whole milliseconds so a value like 0.7 (16:48) does not come
    // out as 16:47:59.999.
    const long long ms = std::llround(value * MSecsPerDay);
    const long long days = ms / 86400000LL;
    long long rest = ms % 86400000LL;
    if (rest < 0) { // negative values count the time of day from midnight upward
        rest = -rest;
    }
    p.days = days;
    p.hour = static_cast<int>(rest / 3600000);
    p.minute = static_cast<int>(rest / 60000 % 60);
    p.second = static_cast<int>(rest / 1000 % 60);
    p.msec = static_cast<int>(rest % 1000);
    return p;
}

QDate ToDate(double value)
{
    const Parts p = Split(value);
    return p.valid ? QDate::fromJulianDay(EpochJulianDay + p.days) : QDate();
}

double FromDateTime(const QDateTime &local)
{
    const QDateTime l = local.toLocalTime();
    return static_cast<double>(l.date().toJulianDay() - EpochJulianDay) + l.time().msecsSinceStartOfDay() / MSecsPerDay;
}

QDateTime ToDateTime(double value)
{
    const Parts p = Split(value);
    if (!p.valid)
        return QDateTime();
    return QDateTime(QDate::fromJulianDay(EpochJulianDay + p.days), QTime(p.hour, p.minute, p.second, p.msec),
                     Qt::LocalTime);
}

} // namespace DateTimeValue
