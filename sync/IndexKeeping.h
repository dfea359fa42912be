#pragma once
// Keeps the side index in step with every save of a mirrored store, so
// that the next pass knows which appointment was changed, and when, and
// which was removed (rather than taking a removal here for an appointment
// never sent). Run by the one save path after each write of the data file;
// a store without an index (never mirrored) costs one failed open.

#include "store/DayGrid.h"
#include "store/StoreHashes.h"

#include <QString>

namespace IndexKeeping {

// `before`: what the data file held before this write, `grid` what it
// holds now; `now` a local date-time value. An index that was not in step
// with `before` is left as it is: the next pass matches by contents.
void AfterSave(const QString &dataPath, const DayHashes &before, const DayGrid &grid, double now);

// While it lives, AfterSave does nothing: a pass writes the index itself
// once the folder has been brought up to date.
class PassGuard {
public:
    PassGuard();
    ~PassGuard();
    PassGuard(const PassGuard &) = delete;
    PassGuard &operator=(const PassGuard &) = delete;
};

} // namespace IndexKeeping
