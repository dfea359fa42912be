#pragma once
// The days of an appointment repeated by "--every": the first day, then one
// step after another, each counted from the first day so a monthly
// appointment on the 31st lands on the last day of shorter months and
// comes back to the 31st afterwards (a birthday on 29 February likewise
// falls on 28 February in other years).

#include "app/cli/ArgumentValues.h"

#include <QDate>
#include <QList>

namespace Occurrences {

// The k-th day of the series (k = 0 is `first`).
QDate Nth(const QDate &first, const ArgumentValues::Step &step, int k);

// Every day from `first` up to and including `until`. Refused when
// `until` comes before `first`.
Parsed<QList<QDate>> Until(const QDate &first, const ArgumentValues::Step &step, const QDate &until);

// The first `count` days. Refused when the series would run past the last
// day the store holds (31 December 2100) rather than silently cut short.
Parsed<QList<QDate>> Count(const QDate &first, const ArgumentValues::Step &step, int count);

// The same days as an iCalendar rule (an RRULE value), `count` of them
// from `first`: the months' last days taken the way Nth takes them.
QByteArray Rule(const QDate &first, const ArgumentValues::Step &step, int count);

} // namespace Occurrences
