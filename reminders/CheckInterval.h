#pragma once
// The check timer's interval from the "Check appointments every:" fields.

class QTimer;

// (minutes * 60 + seconds) * 1000 milliseconds, 0 meaning "no timed checks".
//
// The minutes field has no bounds, so the result is kept to what a timer can
// hold: a negative minutes or seconds value counts as 0, and an interval
// beyond the largest timer interval (INT_MAX ms, a little under 25 days) is
// cut to that largest interval instead of wrapping around.
int CheckIntervalMs(int minutes, int seconds);

// Sets the timer to the interval and restarts it; an interval of 0 stops it.
void ApplyCheckInterval(QTimer &timer, int intervalMs);
