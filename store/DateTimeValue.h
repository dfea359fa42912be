#pragma once
// Date-time values: days since 30 December 1899 as a double, the fraction
// being the time of day in local time (0.5 is noon). Durations use the same
// unit. Conversions round to the millisecond, like the values the program
// stores.

#include <QDateTime>

#include <cmath>

namespace DateTimeValue {

constexpr double MSecsPerDay = 86400000.0;

// Whether a stored value names a moment or duration a clock can use: not
// NaN, not infinite, and within the years 1 to 9999 either way (about 2.9
// million days). A file damaged or written by another program may hold
// anything; such a value is kept as it is but never used for a reminder.
constexpr double MaxUsableDays = 2958466.0;
inline bool IsUsable(double value)
{
    return std::isfinite(value) && std::fabs(value) < MaxUsableDays;
}

double EncodeDate(int year, int month, int day);
double EncodeTime(int hour, int minute, int second = 0, int msec = 0);

// Splits off the whole days and rounds the fraction to the millisecond;
// a fraction that rounds up to a full day carries into the days.
// A value that is not usable (see IsUsable) splits into zeros, not valid.
struct Parts {
    long long days = 0;
    int hour = 0, minute = 0, second = 0, msec = 0;
    bool valid = true;
};
Parts Split(double value);

QDate ToDate(double value);
double FromDateTime(const QDateTime &local);
// Invalid (null) for a value that is not usable.
QDateTime ToDateTime(double value);

} // namespace DateTimeValue
