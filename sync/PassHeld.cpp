// A record held on screen by an open reminder: the answer must reach it
// as the user saw it, so a pass leaves it as it is until the answer.
// Changes to other records, of the same day too, go on: the reminder
// finds its record again by its contents.
#include "sync/PassPlan.h"

#include "store/StoreHashes.h"

bool HoldBackItem(const PassOptions &options, const DayGrid &grid, const std::vector<IndexEntry> &entries,
                  std::vector<FolderSide> &sides)
{
    if (options.heldDay == 0)
        return false;
    const QDate day = QDate(DayGrid::FirstYear, 1, 1).addDays(options.heldDay);
    const TTerminDay &slot = grid.Slot(day.year(), day.month(), day.day());
    if (options.heldIndex >= slot.records.Count())
        return false;
    const uint64_t hash = RecordHash(slot.records.Data()[options.heldIndex]);
    for (size_t i = 0; i < entries.size() && i < sides.size(); ++i) {
        const IndexEntry &e = entries[i];
        // Changed here as well: the pass must weigh both versions now,
        // or the folder's would be overwritten unseen (RunPass then waits
        // whole if the folder's wins).
        if (e.inSeries || e.day != options.heldDay || e.record != hash || e.changed != 0 || e.removed)
            continue;
        if (sides[i].state == Side::Same && !sides[i].read)
            return false;
        // The item's file keeps its old stamp in the index: the next pass
        // that lists the folder finds it changed still.
        sides[i] = FolderSide();
        return true;
    }
    return false;
}

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
