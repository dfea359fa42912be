// A record held on screen by an open reminder: the answer must reach it
// as the user saw it, so a pass that would change it or take it away is
// put off until the answer. Changes to other records, of the same day too,
// go on: the reminder finds its record again by its contents.
#include "sync/PassPlan.h"

bool PassPlan::Touches(int day, uint32_t index) const
{
    for (const Action &a : actions_) {
        if (a.record < 0 || !(a.toStore || a.removeRecord))
            continue;
        const StoreRecord &s = match_.records[static_cast<size_t>(a.record)];
        if (s.dayNumber == day && s.index == index)
            return true;
    }
    return false;
}
