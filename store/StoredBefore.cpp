#include "store/StoredBefore.h"

#include <cmath>
#include <functional>
#include <string_view>

namespace {
// Below this many records a day is walked; a table would cost more.
constexpr uint32_t WalkUpTo = 16;
} // namespace

StoredBefore::StoredBefore(const DayGrid &grid, double ticksPerDay) : grid_(grid), ticksPerDay_(ticksPerDay) {}

long long StoredBefore::ticks(double time) const
{
    return std::isfinite(time) ? std::llround(time * ticksPerDay_) : 0;
}

size_t StoredBefore::hash(const TTermin &t) const
{
    const std::hash<std::string_view> h;
    size_t k = std::hash<long long>()(ticks(t.Time));
    k = k * 1000003u ^ h(t.Name.view());
    return k * 1000003u ^ h(t.Description.view());
}

bool StoredBefore::same(const TTermin &a, const TTermin &b) const
{
    return ticks(a.Time) == ticks(b.Time) && a.Name == b.Name && a.Description == b.Description;
}

bool StoredBefore::Contains(int year, int month, int day, const TTermin &t)
{
    const TTerminDay &slot = grid_.Slot(year, month, day);
    auto [it, fresh] = days_.try_emplace(DayGrid::DayNumber(year, month, day));
    Day &d = it->second;
    if (fresh) {
        d.count = slot.records.Count();
        if (d.count > WalkUpTo)
            for (uint32_t i = 0; i < d.count; ++i)
                d.at.emplace(hash(slot.records.At(i)), i);
    }
    if (d.count <= WalkUpTo) {
        for (uint32_t i = 0; i < d.count; ++i)
            if (same(slot.records.At(i), t))
                return true;
        return false;
    }
    const auto range = d.at.equal_range(hash(t));
    for (auto i = range.first; i != range.second; ++i)
        if (same(slot.records.At(i->second), t))
            return true;
    return false;
}

void RoomPlan::Apply(DayGrid &grid) const
{
    size_t n = 0;
    grid.ForEachDay([&](int, int, int, TTerminDay &slot) {
        if (const uint32_t more = more_[n++])
            slot.records.Reserve(slot.records.Count() + more);
    });
}
