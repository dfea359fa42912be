#pragma once
// Whether one appointment is due for a reminder at a given moment.

#include "store/DateTimeValue.h"
#include "store/Termin.h"

// `appointment` is the moment of the appointment: its day as a date-time
// value plus r.Time. `now` is the check's single reading of the clock.
//
// Not due when done, when the appointment has passed (appointment < now) or
// when its reminder window has not opened yet (appointment - FirstRemind >
// now). Otherwise due when it was never reminded, when the last reminder
// came before the window opened or after the appointment, or when the repeat
// interval since the last reminder has run out.
//
// A last reminder later than now was stamped by a clock that ran ahead and
// has since been set back: it is not counted as an answer in this window
// (the record is due, as if never answered), since counting it would hold
// reminders back until the clock catches up, a day of silence for a clock
// that was a day ahead. The answer to that reminder stamps the right time.
//
// A record holding a value no clock can use (NaN, infinite, beyond the
// years 1 to 9999) is never due: compared with anything, NaN would make it
// due at every check, "at 30 Dec 1899".
//
// Inline, because the check applies it to every appointment of the grid.
inline bool IsDue(const TTermin &r, double appointment, double now)
{
    if (r.Done)
        return false;
    using DateTimeValue::IsUsable;
    // A repeat interval beyond any date still means "not again"; only NaN
    // has no meaning at all.
    if (!IsUsable(appointment) || !IsUsable(r.Time) || !IsUsable(r.FirstRemind) || std::isnan(r.RepeatInterval)
        || !IsUsable(r.LastReminded))
        return false;
    if (appointment < now)
        return false;
    const double windowOpens = appointment - r.FirstRemind;
    if (windowOpens > now)
        return false;
    const double last = r.LastReminded;
    return last == 0                       // never reminded
        || windowOpens > last              // reminded before this window opened
        || last > appointment              // reminded after the appointment
        || last > now                      // reminded "in the future": by a clock set back since
        || last + r.RepeatInterval <= now; // the repeat interval has run out
}
