#pragma once
// Date-time values: days since 30 December 1899 as a double, the fraction
// being the time of day in local time (0.5 is noon). Durations use the same
// unit. Conversions round to the millisecond, like the values the program
// stores.

#include <QDateTime>

namespace DateTimeValue {

constexpr double MSecsPerDay = 86400000.0;

double EncodeDate(int year, int month, int day);
double EncodeTime(int hour, int minute, int second = 0, int msec = 0);

// Splits off the whole days and rounds the fraction to the millisecond;
// a fraction that rounds up to a full day carries into the days.
struct Parts {
    long long days = 0;
    int hour = 0, minute = 0, second = 0, msec = 0;
};
Parts Split(double value);

QDate ToDate(double value);
double FromDateTime(const QDateTime &local);
QDateTime ToDateTime(double value);

} // namespace DateTimeValue
