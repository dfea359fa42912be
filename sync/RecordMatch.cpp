#include "sync/RecordMatch.h"

#include "store/StoreHashes.h"

#include <map>

RecordMatch RecordMatch::Of(const DayGrid &grid, const std::vector<IndexEntry> &entries, bool pairChanged)
{
    RecordMatch m;
    m.records.reserve(entries.size() + 16);
    grid.ForEachFilledDay([&](int y, int mo, int d, const TTerminDay &slot) {
        const int n = DayGrid::DayNumber(y, mo, d);
        for (uint32_t i = 0; i < slot.records.Count(); ++i)
            m.records.push_back({y, mo, d, n, i, RecordHash(slot.records.Data()[i])});
    });
    m.entryOf.assign(m.records.size(), -1);
    m.recordOf.assign(entries.size(), -1);

    // The entries still in the store, by day, in their order.
    std::map<int, std::vector<int>> byDay;
    for (size_t e = 0; e < entries.size(); ++e)
        if (!entries[e].removed)
            byDay[entries[e].day].push_back(static_cast<int>(e));

    size_t r = 0;
    while (r < m.records.size()) {
        const int day = m.records[r].dayNumber;
        size_t end = r;
        while (end < m.records.size() && m.records[end].dayNumber == day)
            ++end;
        const auto found = byDay.find(day);
        if (found != byDay.end()) {
            std::vector<int> &open = found->second;
            for (size_t i = r; i < end; ++i)
                for (int &e : open)
                    if (e >= 0 && entries[static_cast<size_t>(e)].record == m.records[i].hash) {
                        m.entryOf[i] = e;
                        m.recordOf[static_cast<size_t>(e)] = static_cast<int>(i);
                        e = -1;
                        break;
                    }
            if (pairChanged) {
                auto next = open.begin();
                for (size_t i = r; i < end; ++i) {
                    if (m.entryOf[i] >= 0)
                        continue;
                    while (next != open.end() && *next < 0)
                        ++next;
                    if (next == open.end())
                        break;
                    m.entryOf[i] = *next;
                    m.recordOf[static_cast<size_t>(*next)] = static_cast<int>(i);
                    *next = -1;
                }
            }
        }
        r = end;
    }
    return m;
}
