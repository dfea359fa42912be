#pragma once
// Finds each index entry's record in the store. An entry names its
// record's day and fingerprint: a record with both is its record. Left
// over on a day are records that were changed (or added) and entries whose
// record was changed (or removed); with `pairChanged` they are paired in
// their order within the day, taking a change for what it most likely is
// (an edit keeps its place and its day).

#include "store/DayGrid.h"
#include "sync/VdirIndex.h"

#include <vector>

struct StoreRecord {
    int year = 0, month = 0, day = 0;
    int dayNumber = 0;
    uint32_t index = 0; // place within its day
    uint64_t hash = 0;  // RecordHash
};

struct RecordMatch {
    std::vector<StoreRecord> records; // every record, in calendar order
    std::vector<int> entryOf;         // per record: its entry, or -1 (a new record)
    std::vector<int> recordOf;        // per entry: its record, or -1 (removed, or a removal noted before)

    static RecordMatch Of(const DayGrid &grid, const std::vector<IndexEntry> &entries, bool pairChanged);
};
