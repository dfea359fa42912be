#pragma once
// A repeating event as the one calendar file it is in a shared calendar
// folder: made from a rule, and changed one occurrence at a time the way
// every calendar program does it, with a RECURRENCE-ID event of its own
// for a changed occurrence and an EXDATE for a removed one. Whatever else
// the file holds (properties other programs wrote, their other changed
// occurrences, time zones) is kept as it was.

#include "store/ical/Ical.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

namespace Ical {

// A new file: `record` on `first`, repeated by `rule`, an RRULE value
// ("FREQ=YEARLY;COUNT=74"). The series' own event carries no reminder
// state: an answered reminder belongs to its one occurrence.
QByteArray SeriesBytes(const QDate &first, const TTermin &record, const QByteArray &rule, const QByteArray &uid,
                       double changed);

// One occurrence as it now is, named by NewAppointment::occurrence.
struct OccurrenceChange {
    long long occurrence = 0;
    QDate date;
    TTermin record;
};

// `bytes` with each of `changed` written as an event of its own (replacing
// the one there was) and each of `removed` excluded, its own event dropped.
// `changed` (a local date-time value) is stamped on what was written.
// Empty, with `error`, when the file holds no repeating event.
QByteArray EditedSeries(const QByteArray &bytes, const std::vector<OccurrenceChange> &changes,
                        const std::vector<long long> &removed, double changed, QString &error);

} // namespace Ical
