#pragma once
// Appointments that passed while nobody could be reminded of them: the
// program was not running, or the machine slept. The check skips an
// appointment once it has passed, so without this list such an
// appointment would go by unmentioned.

#include "store/DayGrid.h"

#include <QString>

#include <vector>

struct MissedAppointment {
    double when = 0; // the appointment's moment (its day + its time)
    QString name;
};

// The appointments whose moment lies after `since` and at or before `now`
// and that would have been due for a reminder at that very moment: not
// done, and not answered within their repeat interval. One answered
// "Remind later" shortly before, as a running program would have asked,
// is not missed. In calendar order.
std::vector<MissedAppointment> PassedUnanswered(const DayGrid &grid, double since, double now);

// "Passed without a reminder (2):", and the list of them: the
// date, time and name of each, `separator` between them (one line for the
// status bar, one appointment a line for a notice).
QString MissedHeading(size_t count);
QString MissedList(const std::vector<MissedAppointment> &missed, const QString &separator);
