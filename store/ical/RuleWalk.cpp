#include "store/ical/RuleWalk.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <tuple>

namespace Ical {

namespace {

// Wall-clock fields in order; zones play no part.
int wallCompare(const icaltimetype &a, const icaltimetype &b)
{
    const auto key = [](const icaltimetype &t) { return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second); };
    return key(a) < key(b) ? -1 : key(b) < key(a) ? 1 : 0;
}

icaltimetype wallDay(const QDate &d)
{
    icaltimetype t = icaltime_null_time();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    return t;
}

// The wall-clock time in the event's zone of the instant `secs` (seconds
// since 1970), floating like the start the rule runs from.
icaltimetype wallClock(qint64 secs, const Zone &zone)
{
    icaltimetype t = icaltime_null_time();
    if (zone.ical) {
        t = icaltime_from_timet_with_zone(static_cast<time_t>(secs), 0, zone.ical);
    } else {
        const QDateTime at = zone.qt.isValid() ? QDateTime::fromSecsSinceEpoch(secs, zone.qt)
                                               : QDateTime::fromSecsSinceEpoch(secs, Qt::LocalTime);
        t.year = at.date().year();
        t.month = at.date().month();
        t.day = at.date().day();
        t.hour = at.time().hour();
        t.minute = at.time().minute();
        t.second = at.time().second();
    }
    t.is_date = 0;
    t.zone = nullptr;
    return t;
}

bool unset(const short *by)
{
    return by[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// How many steps a rule every so many seconds, minutes or hours with no
// BY parts makes up to two days past the last day imported: known without
// walking it, so a rule every second is refused at once. 0 for any other rule.
long long simpleSteps(const icalrecurrencetype &r, const icaltimetype &start, const ReadContext &ctx)
{
    const int unit = r.freq == ICAL_SECONDLY_RECURRENCE ? 1
        : r.freq == ICAL_MINUTELY_RECURRENCE            ? 60
        : r.freq == ICAL_HOURLY_RECURRENCE              ? 3600
                                                        : 0;
    if (!unit || start.is_date || !unset(r.by_second) || !unset(r.by_minute) || !unset(r.by_hour) || !unset(r.by_day)
        || !unset(r.by_month_day) || !unset(r.by_year_day) || !unset(r.by_week_no) || !unset(r.by_month)
        || !unset(r.by_set_pos))
        return 0;
    const auto seconds = [](const icaltimetype &t) {
        return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::UTC).toSecsSinceEpoch();
    };
    icaltimetype end = wallDay(ctx.until.addDays(2));
    if (!icaltime_is_null_time(r.until) && wallCompare(r.until, end) < 0)
        end = r.until;
    const long long span = seconds(end) - seconds(start);
    if (span < 0)
        return 0;
    long long steps = span / (static_cast<long long>(unit) * std::max<short>(r.interval, 1)) + 1;
    if (r.count > 0)
        steps = std::min<long long>(steps, r.count);
    return steps;
}

} // namespace

bool ImportBudget::Take(long long n, long long bytes, const QDate &until)
{
    occurrences -= n;
    textBytes -= bytes;
    if (!exceeded.isEmpty())
        return false;
    const QLocale english(QLocale::English);
    if (occurrences < 0)
        exceeded = QCoreApplication::translate(
                       "Ical", "the events occur more than %1 times up to %2, more than one import takes")
                       .arg(english.toString(MaxImportOccurrences), until.toString(Qt::ISODate));
    else if (textBytes < 0)
        exceeded =
            QCoreApplication::translate("Ical",
                                        "the appointments would hold more than %1 MB of names and descriptions, more "
                                        "than one import takes")
                .arg(english.toString(MaxImportTextBytes >> 20));
    return exceeded.isEmpty();
}

WalkEnd WalkRule(icalproperty *rrule, const icaltimetype &start, const Zone &zone, ReadContext &ctx,
                 const std::function<bool(const LocalTime &)> &take, int &over)
{
    icalrecurrencetype rule = icalproperty_get_rrule(rrule);
    // Calendars write UNTIL in UTC while the start is wall-clock time in its
    // zone; libical would compare the two fields as they stand, losing the
    // last occurrence east of Greenwich. Compared as instants: UNTIL becomes
    // the wall-clock time of the same instant.
    if (!icaltime_is_null_time(rule.until) && icaltime_is_utc(rule.until) && !start.is_date && !icaltime_is_utc(start)
        && !rule.until.is_date)
        rule.until = wallClock(icaltime_as_timet(rule.until), zone);
    if (const long long steps = simpleSteps(rule, start, ctx); steps > ctx.budget.occurrences) {
        ctx.budget.Take(steps, 0, ctx.until);
        return WalkEnd::OverBudget;
    }
    RecurIteratorPtr it(icalrecur_iterator_new(rule, start));
    if (!it)
        return WalkEnd::Broken;

    const icaltimetype early = wallDay(ctx.from.addDays(-2)), late = wallDay(ctx.until.addDays(2));
    const icaltimetype surelyFrom = wallDay(ctx.from.addDays(2)), surelyUntil = wallDay(ctx.until.addDays(-1));
    bool full = false;
    for (;;) {
        const icaltimetype next = icalrecur_iterator_next(it.get());
        if (icaltime_is_null_time(next))
            return WalkEnd::Done;
        if (!ctx.budget.Take(1, 0, ctx.until))
            return WalkEnd::OverBudget;
        if (wallCompare(next, early) < 0)
            continue;
        if (wallCompare(next, late) >= 0)
            return WalkEnd::Done;
        if (full && wallCompare(next, surelyFrom) >= 0 && wallCompare(next, surelyUntil) < 0) {
            ++over;
            continue;
        }
        const std::optional<LocalTime> l = ToLocal(next, zone);
        if (!l || l->date > ctx.until)
            return WalkEnd::Done;
        full = !take(*l);
    }
}

} // namespace Ical
