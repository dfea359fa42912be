#pragma once
// The store the benchmarks measure: appointments spread at random (with a
// fixed seed) over the whole calendar, names of 19 bytes, descriptions of
// 100 (or `descriptionSize`).

#include "store/DayGrid.h"

#include <QRandomGenerator>

#include <string>

namespace bench {

inline void FillSpread(DayGrid &grid, int count, double firstRemind, size_t descriptionSize = 100)
{
    QRandomGenerator random(4711);
    for (int i = 0; i < count; ++i) {
        int year = 0, month = 0, day = 0;
        do {
            year = DayGrid::FirstYear + random.bounded(DayGrid::Years);
            month = 1 + random.bounded(12);
            day = 1 + random.bounded(31);
        } while (!DayGrid::IsValidDay(year, month, day));
        TTermin *t = grid.AddRecord(grid.Slot(year, month, day));
        t->Name = "Appointment " + std::to_string(1000000 + i);
        t->Description = std::string(descriptionSize, static_cast<char>('a' + i % 26));
        t->Time = random.bounded(1440) / 1440.0;
        t->FirstRemind = firstRemind;
        t->RepeatInterval = 1;
        t->LastReminded = i % 3 ? 0 : 40000 + i / 24.0;
        t->Done = i % 7 == 0;
    }
}

} // namespace bench
