#pragma once
// Adding a batch of appointments to the grid in time linear in its size,
// however many records one day holds: whether a day held an equal record
// before the batch (same time, name and description) is looked up by hash
// instead of walking the day once per new record, and each day's array is
// given its final room once instead of growing record by record.

#include "store/DayGrid.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

class StoredBefore {
public:
    // `ticksPerDay` is how finely times must agree: 86400 to the second,
    // 86400000 to the millisecond. The grid must outlive this object.
    StoredBefore(const DayGrid &grid, double ticksPerDay);

    // True when the day held a record equal to `t` before the first call
    // for that day; records added to the day afterwards do not count.
    bool Contains(int year, int month, int day, const TTermin &t);

private:
    struct Day {
        uint32_t count = 0;                           // records the day held
        std::unordered_multimap<size_t, uint32_t> at; // key hash -> index; only for full days
    };
    long long ticks(double time) const;
    size_t hash(const TTermin &t) const;
    bool same(const TTermin &a, const TTermin &b) const;

    const DayGrid &grid_;
    double ticksPerDay_;
    std::unordered_map<int, Day> days_; // by day number
};

// Room for the records about to be appended: counted per day first, then
// every day's array grows once to take them all.
class RoomPlan {
public:
    RoomPlan() : more_(DayGrid::UsedDays, 0) {}
    void Count(int year, int month, int day) { ++more_[size_t(DayGrid::DayNumber(year, month, day))]; }
    void Apply(DayGrid &grid) const;

private:
    std::vector<uint32_t> more_;
};
