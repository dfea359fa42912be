#pragma once
// Walking one recurrence rule of an event over the days imported, with
// every step paid for from the import's budget.
//
// The rule runs in the event's own wall-clock time, as libical expects.
// Most steps are placed by comparing wall-clock fields alone (cheap): a
// step more than two days before the first day or after the last cannot
// be on the days in any zone. Only steps near or on the days are turned
// into local time, and once the event has made its most appointments the
// steps surely on the days are only counted.

#include "store/ical/EventReader.h"

#include <functional>

namespace Ical {

enum class WalkEnd { Done, OverBudget, Broken };

// `take` receives every step that may be on the days, in local time; it
// returns false once the event takes no more, and from then on steps surely
// on the days only add to `over`.
WalkEnd WalkRule(icalproperty *rrule, const icaltimetype &start, const Zone &zone, ReadContext &ctx,
                 const std::function<bool(const LocalTime &)> &take, int &over);

} // namespace Ical
