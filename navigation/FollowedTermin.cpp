#include "navigation/FollowedTermin.h"

#include "store/DayGrid.h"
#include "store/StoreHashes.h"

FollowedTermin::FollowedTermin(const TTermin &t)
    : valid_(true), hash_(RecordHash(t)), name_(t.Name.view()), time_(t.Time)
{
}

int FollowedTermin::RowIn(const TTerminDay &day) const
{
    if (!valid_)
        return -1;
    const TTermin *records = day.records.Data();
    const int count = static_cast<int>(day.records.Count());
    int alike = -1;
    for (int i = 0; i < count; ++i) {
        if (RecordHash(records[i]) == hash_)
            return i;
        if (records[i].Time == time_ && records[i].Name.view() == name_)
            alike = alike == -1 ? i : -2; // -2: more than one, none is it
    }
    return alike < 0 ? -1 : alike;
}
