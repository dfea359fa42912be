#pragma once
// Whether one appointment is due for a reminder at a given moment.

#include "store/Termin.h"

// `appointment` is the moment of the appointment: its day as a date-time
// value plus r.Time. `now` is the check's single reading of the clock.
//
// Not due when done, when the appointment has passed (appointment < now) or
// when its reminder window has not opened yet (appointment - FirstRemind >
// now). Otherwise due when it was never reminded, when the last reminder
// came before the window opened or after the appointment, or when the repeat
// interval since the last reminder has run out.
bool IsDue(const TTermin &r, double appointment, double now);
