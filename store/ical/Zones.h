#pragma once
// From an iCalendar time (UTC, in a named zone, floating, or a whole day)
// to the store's local wall-clock value.

#include "store/ical/IcalPtr.h"

#include <QDate>
#include <QTimeZone>

#include <optional>

namespace Ical {

// The zone a time property is in. A TZID is looked up in the file's own
// VTIMEZONE blocks first, then among the zones libical knows, then among
// Qt's (which also know Windows' zone names); a TZID none of them knows
// leaves the time floating and sets `unknown`.
struct Zone {
    icaltimezone *ical = nullptr; // file or libical zone, or libical's UTC
    QTimeZone qt;                 // used when only Qt knows the name
    bool unknown = false;
};

class ZoneResolver {
public:
    explicit ZoneResolver(icalcomponent *calendar) : calendar_(calendar) {}
    Zone ForProperty(icalproperty *p, const icaltimetype &value) const;

private:
    icalcomponent *calendar_;
};

// A time read from the file, with the instant it stands for.
struct LocalTime {
    double value = 0;  // local date-time value
    QDate date;        // its local day ...
    double time = 0;   // ... and time of day, as "Add appointment" would store it
    long long key = 0; // seconds since 1970 (floating: as if UTC; date: day start)
    bool isDate = false;
    QDate ownDate; // the day in the time's own zone (matches whole-day EXDATEs)
};

// Empty when the fields do not form a real date and time.
std::optional<LocalTime> ToLocal(const icaltimetype &t, const Zone &zone);

// True when both name the same occurrence: the same instant, or the same
// day when either is a whole day.
bool SameOccurrence(const LocalTime &a, const LocalTime &b);

} // namespace Ical
