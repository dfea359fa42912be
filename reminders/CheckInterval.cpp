#include "reminders/CheckInterval.h"

#include <QTimer>

#include <algorithm>
#include <climits>

int CheckIntervalMs(int minutes, int seconds)
{
    const long long ms = (std::max(minutes, 0) * 60LL + std::max(seconds, 0)) * 1000LL;
    return static_cast<int>(std::min<long long>(ms, INT_MAX));
}

void ApplyCheckInterval(QTimer &timer, int intervalMs)
{
    if (intervalMs <= 0) {
        timer.stop();
        timer.setInterval(0);
        return;
    }
    // start() restarts a running timer, so the new interval counts from now.
    timer.start(intervalMs);
}
