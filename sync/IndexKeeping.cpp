#include "sync/IndexKeeping.h"

#include "sync/RecordMatch.h"
#include "sync/VdirIndex.h"

namespace IndexKeeping {

namespace {
int passes = 0; // one thread runs every save
} // namespace

PassGuard::PassGuard()
{
    ++passes;
}

PassGuard::~PassGuard()
{
    --passes;
}

void AfterSave(const QString &dataPath, const DayHashes &before, const DayGrid &grid, double now)
{
    if (passes > 0)
        return;
    const QString path = VdirIndex::PathFor(dataPath);
    VdirIndex index;
    QString error;
    if (!index.Load(path, error) || index.store != StoreFingerprint(before))
        return;
    const RecordMatch m = RecordMatch::Of(grid, index.entries, true);
    for (size_t i = 0; i < index.entries.size(); ++i) {
        IndexEntry &e = index.entries[i];
        if (e.removed)
            continue;
        const int r = m.recordOf[i];
        if (r < 0) {
            e.removed = true;
            e.changed = now;
            continue;
        }
        const StoreRecord &s = m.records[static_cast<size_t>(r)];
        if (s.hash != e.record || s.dayNumber != e.day) {
            e.record = s.hash;
            e.day = s.dayNumber;
            e.changed = now; // the latest change is what a later one elsewhere is weighed against
        }
    }
    index.store = StoreFingerprint(DayHashes::Of(grid));
    index.clean = false;
    // A failed write leaves the old index, which no longer matches the
    // store: the next pass matches by contents and loses nothing.
    index.Save(path, error);
}

} // namespace IndexKeeping
