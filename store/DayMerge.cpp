#include "store/DayMerge.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

using Counts = std::unordered_map<uint64_t, int>;

Counts countOf(const uint64_t *from, const uint64_t *to)
{
    Counts c;
    for (; from != to; ++from)
        ++c[*from];
    return c;
}

int countIn(const Counts &c, uint64_t h)
{
    const auto it = c.find(h);
    return it == c.end() ? 0 : it->second;
}

void copyDay(DayGrid &into, TTerminDay &slot, const TTerminDay &from)
{
    into.RemoveRecordsIf(slot, [](size_t) { return true; });
    for (uint32_t i = 0; i < from.records.Count(); ++i)
        *into.AddRecord(slot) = from.records.Data()[i];
}

// Both sides changed the day: see the header.
void joinDay(int day, const DayHashes &base, const TTerminDay &mine, const DayHashes &mineHashes, DayGrid &theirs,
             TTerminDay &slot, const DayHashes &theirsHashes)
{
    const Counts inBase = countOf(base.begin(day), base.end(day));
    const Counts inMine = countOf(mineHashes.begin(day), mineHashes.end(day));
    const Counts inTheirs = countOf(theirsHashes.begin(day), theirsHashes.end(day));

    // Records of the common state that mine no longer has go from theirs,
    // as far as theirs still holds them unchanged.
    Counts gone;
    for (const auto &[h, n] : inBase)
        if (n > countIn(inMine, h))
            gone[h] = n - countIn(inMine, h);
    const uint64_t *theirsHash = theirsHashes.begin(day);
    std::vector<bool> removed(slot.records.Count(), false);
    for (size_t i = 0; i < removed.size(); ++i) {
        auto it = gone.find(theirsHash[i]);
        if (it != gone.end() && it->second > 0) {
            --it->second;
            removed[i] = true;
        }
    }
    theirs.RemoveRecordsIf(slot, [&removed](size_t i) { return removed[i]; });

    // Mine's new records, unless theirs holds them already.
    Counts added;
    for (const auto &[h, n] : inMine) {
        const int more = n - std::max(countIn(inBase, h), countIn(inTheirs, h));
        if (more > 0)
            added[h] = more;
    }
    const uint64_t *mineHash = mineHashes.begin(day);
    for (uint32_t i = 0; i < mine.records.Count(); ++i) {
        auto it = added.find(mineHash[i]);
        if (it != added.end() && it->second > 0) {
            --it->second;
            *theirs.AddRecord(slot) = mine.records.Data()[i];
        }
    }
}

} // namespace

MergeCounts MergeDays(const DayHashes &base, const DayGrid &mine, const DayHashes &mineHashes, DayGrid &theirs,
                      const DayHashes &theirsHashes)
{
    MergeCounts counts;
    int day = 0;
    theirs.ForEachDay([&](int y, int m, int d, TTerminDay &slot) {
        const bool mineSame = mineHashes.SameDay(day, base);
        const bool theirsSame = theirsHashes.SameDay(day, base);
        if (!mineSame && theirsSame) {
            copyDay(theirs, slot, mine.Slot(y, m, d));
            ++counts.fromMine;
        } else if (mineSame && !theirsSame) {
            ++counts.fromTheirs;
        } else if (!mineSame && !mineHashes.SameDay(day, theirsHashes)) {
            joinDay(day, base, mine.Slot(y, m, d), mineHashes, theirs, slot, theirsHashes);
            ++counts.joined;
        }
        ++day;
    });
    return counts;
}
