// Compiles against the store alone: its own headers are reachable.
#include "store/DayGrid.h"

int storeProbe()
{
    return DayGrid::IsValidDay(2024, 2, 29) ? 1 : 0;
}
