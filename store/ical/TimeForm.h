#pragma once
// How an event writes a time property (in a named zone, in UTC, floating,
// or as a whole day), so that a time written for it anew is in the same
// form: other programs match a RECURRENCE-ID to its occurrence by value,
// and a person who set an event in New York time expects it to stay so.

#include "store/ical/Zones.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>

namespace Ical {

// The fields of `at` as a zone-less date-time.
icaltimetype FieldsOf(const QDateTime &at);

struct TimeForm {
    icaltimetype raw = icaltime_null_time();
    Zone zone;
    QByteArray tzid;

    // The form of time property `p` (its value, zone and TZID).
    static TimeForm Of(icalproperty *p, const icaltimetype &value, const ZoneResolver &zones);

    bool utc() const { return zone.ical == icaltimezone_get_utc_timezone(); }

    // An instant (LocalTime::key) in this form.
    icaltimetype FromKey(long long key) const;
    // A local date and time of day (a record's) in this form; a whole day
    // stays one when the time is midnight.
    icaltimetype FromLocal(const QDate &date, double time) const;
    // `p` with this form's TZID where `t` needs one.
    icalproperty *Zoned(icalproperty *p, const icaltimetype &t) const;
};

} // namespace Ical
