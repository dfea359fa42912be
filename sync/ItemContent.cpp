#include "sync/ItemContent.h"

#include "store/StoreHashes.h"

#include "store/StableHash.h"

#include <algorithm>
#include <string>

namespace ItemContent {

TTermin Normalized(const TTermin &t)
{
    TTermin n;
    n.FirstRemind = t.FirstRemind;
    n.RepeatInterval = t.RepeatInterval;
    n.LastReminded = t.LastReminded;
    n.Time = t.Time;
    n.Done = t.Done ? 1 : 0;
    n.Name = std::string(t.Name.data(), t.Name.size());
    n.Description = std::string(t.Description.data(), t.Description.size());
    return n;
}

namespace {

bool normal(const TTermin &t)
{
    return t.Done <= 1 && t.Name.stored().size() == t.Name.size()
        && t.Description.stored().size() == t.Description.size();
}

} // namespace

uint64_t Of(int day, const TTermin &t)
{
    return Of(day, t, RecordHash(normal(t) ? t : Normalized(t)));
}

uint64_t Of(int day, const TTermin &t, uint64_t recordHash)
{
    const uint64_t h = normal(t) ? recordHash : RecordHash(Normalized(t));
    return StableHash(&day, sizeof day, h);
}

bool SameButReminders(const TTermin &a, const TTermin &b)
{
    TTermin x = Normalized(a), y = Normalized(b);
    x.LastReminded = y.LastReminded = 0;
    x.Done = y.Done = 0;
    return RecordHash(x) == RecordHash(y);
}

uint64_t ShapeOf(int day, const TTermin &t)
{
    TTermin x = Normalized(t);
    x.LastReminded = 0;
    x.Done = 0;
    return Of(day, x);
}

void TakeReminders(TTermin &into, const TTermin &other)
{
    into.LastReminded = std::max(into.LastReminded, other.LastReminded);
    if (other.Done)
        into.Done = 1;
}

} // namespace ItemContent
