#include "reminders/DueDecision.h"

bool IsDue(const TTermin &r, double appointment, double now)
{
    if (r.Done)
        return false;
    if (appointment < now)
        return false;
    const double windowOpens = appointment - r.FirstRemind;
    if (windowOpens > now)
        return false;
    const double last = r.LastReminded;
    return last == 0                            // never reminded
        || windowOpens > last                   // reminded before this window opened
        || last > appointment                   // reminded after the appointment
        || last + r.RepeatInterval <= now;      // the repeat interval has run out
}
