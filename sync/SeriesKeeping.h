#pragma once
// An appointment added with a rule ("add --every") goes to the calendar
// folder as one repeating event, not as one event per day: its
// appointments are noted in the side index as the occurrences of one
// series, with the rule the next pass writes the series' file from.

#include "store/DayGrid.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

namespace SeriesKeeping {

// The occurrence key (NewAppointment::occurrence) of a floating start.
long long FloatingKey(const QDate &date, double time);

// Notes the records equal to `record` on `days` (just added, saved and
// not yet in the index) as the series `rule` (an RRULE value). Makes the
// side index when a calendar folder is set but was never mirrored to yet;
// a store with no folder set is left as it is (mirrored later, its
// appointments go out one by one). False, with `error`, when the index
// could not be written; an index not in step with `grid` is left alone
// (the next pass matches by contents, as above).
bool Register(const QString &dataPath, const DayGrid &grid, const std::vector<QDate> &days, const TTermin &record,
              const QByteArray &rule, double now, QString &error);

} // namespace SeriesKeeping
