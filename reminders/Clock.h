#pragma once
// Where the reminder check reads the time. The check reads it once per run
// and compares every appointment against that one value; tests drive it with
// a settable clock of their own so each rule can be checked at an exact
// instant.

#include <QtGlobal>

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time as a date-time value (days since
    // 30 December 1899, the fraction being the time of day).
    virtual double now() = 0;
};

// The wall clock of the machine, in the user's time zone.
class SystemClock : public Clock {
public:
    double now() override;

    // The local date-time value of an instant given as milliseconds since
    // the Unix epoch. The local broken-down time of that instant is used as
    // it is, so the value jumps with the clock at daylight-saving changes
    // and is exact to the millisecond.
    static double LocalValueAt(qint64 msecsSinceEpoch);
};
