#pragma once
// Brings together two stores that went apart from one common state: this
// run's (mine) and the file's after another program wrote it (theirs).
// Day by day: a day that only one side changed is taken from that side; a
// day both changed gets theirs, less the records mine removed or changed
// (where theirs still has them as they were), plus the records mine added
// or changed that theirs does not already hold. So an appointment changed
// on both sides is kept in both versions and nothing either side added is
// lost.

#include "store/DayGrid.h"
#include "store/StoreHashes.h"

struct MergeCounts {
    int fromMine = 0;   // days taken as this run has them
    int fromTheirs = 0; // days taken as the file has them
    int joined = 0;     // days both changed, records of both kept
};

// `base`, `mineHashes` and `theirsHashes` are DayHashes::Of the common
// state, of `mine` and of `theirs`. The result is left in `theirs`.
MergeCounts MergeDays(const DayHashes &base, const DayGrid &mine, const DayHashes &mineHashes, DayGrid &theirs,
                      const DayHashes &theirsHashes);
