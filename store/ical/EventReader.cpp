#include "store/ical/EventReader.h"

#include "store/ical/CodePageBridge.h"
#include "store/ical/RecordFields.h"
#include "store/ical/RuleWalk.h"

#include "store/DateTimeValue.h"

#include <QCoreApplication>
#include <QSet>

#include <cmath>

namespace Ical {

namespace {

// What "Add appointment" gives a new record.
constexpr double DefaultFirstRemind = 3.0;
constexpr double DefaultRepeat = 1.0;
const char *const DefaultName = "No name";

// More than this many occurrences of one event in the wanted days are
// left out (a rule every minute for a year would make half a million).
constexpr int MaxOccurrences = 10000;
// A reminder lead or repeat beyond this is no plan, it is a broken value.
constexpr long long MaxDurationSeconds = 36525LL * 86400;

const char *const OutsideYears = "outside 2000-2100";

QByteArray valueText(icalproperty *p)
{
    const char *v = icalproperty_get_value_as_string(p);
    return v ? QByteArray(v) : QByteArray();
}

Fault fault(icalproperty *p, const QString &what)
{
    return {QByteArray(icalproperty_get_property_name(p)), valueText(p), what};
}

long long seconds(const icaldurationtype &d)
{
    const long long s = ((static_cast<long long>(d.weeks) * 7 + d.days) * 24 + d.hours) * 3600LL
        + static_cast<long long>(d.minutes) * 60 + d.seconds;
    return d.is_neg ? -s : s;
}

// Our own private properties of an event, read in one pass.
struct OwnProperties {
    QByteArray exact, done, nameBreaks, descriptionBreaks;
};

OwnProperties ownProperties(icalcomponent *c)
{
    OwnProperties o;
    for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
        const char *n = icalproperty_get_x_name(p);
        const char *v = icalproperty_get_x(p);
        if (!n || !v)
            continue;
        QByteArray *slot = qstricmp(n, ExactProperty) == 0 ? &o.exact
            : qstricmp(n, DoneProperty) == 0               ? &o.done
            : qstricmp(n, NameBreaksProperty) == 0         ? &o.nameBreaks
            : qstricmp(n, DescriptionBreaksProperty) == 0  ? &o.descriptionBreaks
                                                           : nullptr;
        if (slot && slot->isNull())
            *slot = QByteArray(v);
    }
    return o;
}

struct Plan {
    double first = DefaultFirstRemind, repeat = DefaultRepeat, last = 0;
    bool fromAlarm = false, hasRepeat = false, hasAck = false;
    bool ownAlarm = false;                                // from the alarm we marked as ours
    long long firstSecs = 0, repeatSecs = 0, ackSecs = 0; // as written, for the exact values' check
};

bool isOwnAlarm(icalcomponent *alarm)
{
    for (icalproperty *p = icalcomponent_get_first_property(alarm, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(alarm, ICAL_X_PROPERTY))
        if (const char *n = icalproperty_get_x_name(p); n && qstricmp(n, OwnAlarmProperty) == 0)
            return true;
    return false;
}

// The DISPLAY or AUDIO alarm we marked as ours, else the earliest that
// goes off at or before the start.
std::optional<Fault> readAlarms(icalcomponent *event, const LocalTime &start, long long endOffset,
                                const ReadContext &ctx, Plan &plan)
{
    icalcomponent *best = nullptr;
    long long bestLead = -1;
    for (icalcomponent *a = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        icalproperty *action = icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY);
        const icalproperty_action act = action ? icalproperty_get_action(action) : ICAL_ACTION_NONE;
        if (act != ICAL_ACTION_DISPLAY && act != ICAL_ACTION_AUDIO)
            continue;
        icalproperty *tp = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
        if (!tp)
            continue;
        const icaltriggertype trigger = icalproperty_get_trigger(tp);
        long long lead = 0;
        if (!icaltime_is_null_time(trigger.time)) {
            const std::optional<LocalTime> at = ToLocal(trigger.time, ctx.zones.ForProperty(tp, trigger.time));
            if (!at)
                return fault(tp, QCoreApplication::translate("Ical", "not a real date and time"));
            lead = DateTimeValue::ToDateTime(start.value).toSecsSinceEpoch()
                - DateTimeValue::ToDateTime(at->value).toSecsSinceEpoch();
        } else {
            const long long offset = seconds(trigger.duration);
            if (std::llabs(offset) > MaxDurationSeconds)
                return fault(tp, QCoreApplication::translate("Ical", "a reminder more than 100 years away"));
            icalparameter *rel = icalproperty_get_first_parameter(tp, ICAL_RELATED_PARAMETER);
            const bool fromEnd = rel && icalparameter_get_related(rel) == ICAL_RELATED_END;
            lead = -(offset + (fromEnd ? endOffset : 0));
        }
        if (isOwnAlarm(a)) {
            bestLead = lead;
            best = a;
            plan.ownAlarm = true;
            break;
        }
        if (lead >= 0 && lead > bestLead) {
            bestLead = lead;
            best = a;
        }
    }
    if (!best)
        return std::nullopt;
    if (bestLead > MaxDurationSeconds)
        return fault(icalcomponent_get_first_property(best, ICAL_TRIGGER_PROPERTY),
                     QCoreApplication::translate("Ical", "a reminder more than 100 years before the appointment"));
    plan.fromAlarm = true;
    plan.firstSecs = bestLead;
    plan.first = static_cast<double>(bestLead) / 86400.0;

    icalproperty *rp = icalcomponent_get_first_property(best, ICAL_REPEAT_PROPERTY);
    icalproperty *dp = icalcomponent_get_first_property(best, ICAL_DURATION_PROPERTY);
    const int repeats = rp ? icalproperty_get_repeat(rp) : 0;
    if (repeats < 0)
        return fault(rp, QCoreApplication::translate("Ical", "a negative number of repeats"));
    if (repeats > 0 && dp) {
        const long long every = seconds(icalproperty_get_duration(dp));
        if (every < 0 || every > MaxDurationSeconds)
            return fault(dp, QCoreApplication::translate("Ical", "not a usable repeat interval"));
        if (every > 0) {
            plan.hasRepeat = true;
            plan.repeatSecs = every;
            plan.repeat = static_cast<double>(every) / 86400.0;
        }
    }
    if (icalproperty *ack = icalcomponent_get_first_property(best, ICAL_ACKNOWLEDGED_PROPERTY)) {
        const icaltimetype t = icalproperty_get_acknowledged(ack);
        const std::optional<LocalTime> at = ToLocal(t, ctx.zones.ForProperty(ack, t));
        if (!at)
            return fault(ack, QCoreApplication::translate("Ical", "not a real date and time"));
        plan.hasAck = true;
        plan.last = at->value;
        plan.ackSecs = std::llround(at->value * 86400.0);
    }
    return std::nullopt;
}

// Exact values written by our own export replace the rounded ones they
// still agree with. An event whose reminder is another program's alarm
// (or that has none) keeps our last answer in the exact values alone:
// answering never touches another program's alarm.
void refine(Plan &plan, const ExactValues &x)
{
    if (plan.fromAlarm && !SameSecond(x.first, plan.firstSecs))
        return;
    if (plan.fromAlarm) {
        plan.first = x.first;
        if (plan.hasRepeat ? SameSecond(x.repeat, plan.repeatSecs) : !WritesRepeat(x.first, x.repeat))
            plan.repeat = x.repeat;
    }
    if (plan.hasAck && SameSecond(x.last, plan.ackSecs))
        plan.last = x.last;
    else if (plan.ownAlarm ? !plan.hasAck && !WritesAcknowledged(x.last) : !plan.hasAck || x.last > plan.last)
        plan.last = x.last;
}

struct Template {
    TText name, description;
    Plan plan;
    bool done = false;
    std::optional<ExactValues> exact;
};

// The line breaks our export noted, put back (rare: copying is fine).
void withBreaks(TText &text, const QByteArray &kinds)
{
    if (kinds.isEmpty())
        return;
    std::string bytes = text.str();
    ApplyBreakKinds(bytes, kinds.toStdString());
    text = bytes;
}

// Files an occurrence at local time `at`; false when its day is outside the
// grid. `last`: the event files nothing after it, so its texts move.
bool fileOccurrence(Template &t, const LocalTime &at, std::vector<NewAppointment> &out, bool last = false,
                    const LocalTime *id = nullptr)
{
    QDate date = at.date;
    double time = at.time;
    if (t.exact) {
        // The exact time of day may be what put the appointment on this
        // day (a time past midnight, -0): keep the day it came from.
        const double day = std::round(at.value - t.exact->time);
        if (std::isfinite(day) && SameSecond(at.value - t.exact->time - day, 0)) {
            const QDate d = DateTimeValue::ToDate(day);
            if (d.isValid()) {
                date = d;
                time = t.exact->time;
            }
        }
    }
    if (!DayGrid::IsValidDay(date.year(), date.month(), date.day()))
        return false;
    NewAppointment a;
    a.date = date;
    a.record.Time = time;
    a.record.FirstRemind = t.plan.first;
    a.record.RepeatInterval = t.plan.repeat;
    a.record.LastReminded = t.plan.last;
    a.record.Done = t.done;
    a.record.Name = last ? std::move(t.name) : t.name;
    a.record.Description = last ? std::move(t.description) : t.description;
    a.occurrence = id ? id->key : at.key;
    a.overrides = id != nullptr;
    out.push_back(std::move(a));
    return true;
}

template <typename Get>
std::optional<Fault> collectTimes(icalcomponent *event, icalproperty_kind kind, const ReadContext &ctx, Get get,
                                  std::vector<LocalTime> &times)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, kind); p;
         p = icalcomponent_get_next_property(event, kind)) {
        const icaltimetype t = get(p);
        if (icaltime_is_null_time(t))
            continue;
        const std::optional<LocalTime> l = ToLocal(t, ctx.zones.ForProperty(p, t));
        if (!l)
            return fault(p, QCoreApplication::translate("Ical", "not a real date and time"));
        times.push_back(*l);
    }
    return std::nullopt;
}

bool listed(const std::vector<LocalTime> &list, const LocalTime &t)
{
    for (const LocalTime &x : list)
        if (SameOccurrence(x, t))
            return true;
    return false;
}

} // namespace

std::optional<LocalTime> RecurrenceId(icalcomponent *event, const ReadContext &ctx)
{
    icalproperty *p = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
    if (!p)
        return std::nullopt;
    const icaltimetype t = icalproperty_get_recurrenceid(p);
    return ToLocal(t, ctx.zones.ForProperty(p, t));
}

std::optional<Fault> ReadEvent(icalcomponent *event, EventTexts &texts, ReadContext &ctx,
                               std::vector<NewAppointment> &out, ImportReport &report)
{
    if (icalproperty *st = icalcomponent_get_first_property(event, ICAL_STATUS_PROPERTY);
        st && icalproperty_get_status(st) == ICAL_STATUS_CANCELLED) {
        ++report.skipped[QCoreApplication::translate("Ical", "cancelled")];
        return std::nullopt;
    }
    icalproperty *sp = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!sp) {
        ++report.skipped[QCoreApplication::translate("Ical", "no start time")];
        return std::nullopt;
    }
    const icaltimetype raw = icalproperty_get_dtstart(sp);
    const Zone zone = ctx.zones.ForProperty(sp, raw);
    const std::optional<LocalTime> start = ToLocal(raw, zone);
    if (!start)
        return fault(sp, QCoreApplication::translate("Ical", "not a real date and time"));
    if (zone.unknown) {
        icalparameter *tz = icalproperty_get_first_parameter(sp, ICAL_TZID_PARAMETER);
        ++report.notes[QCoreApplication::translate("Ical", "unknown time zone %1 taken as local time")
                           .arg(QString::fromUtf8(icalparameter_get_tzid(tz)))];
    }

    // The end, for reminders counted from it.
    long long endOffset = 0;
    if (icalproperty *ep = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
        const icaltimetype t = icalproperty_get_dtend(ep);
        const std::optional<LocalTime> end = ToLocal(t, ctx.zones.ForProperty(ep, t));
        if (!end)
            return fault(ep, QCoreApplication::translate("Ical", "not a real date and time"));
        endOffset = std::llround((end->value - start->value) * 86400.0);
    } else if (icalproperty *dp = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
        endOffset = seconds(icalproperty_get_duration(dp));
        if (std::llabs(endOffset) > MaxDurationSeconds)
            return fault(dp, QCoreApplication::translate("Ical", "an event longer than 100 years"));
    } else if (start->isDate) {
        endOffset = 86400;
    }

    Template t;
    const OwnProperties own = ownProperties(event);
    if (!own.exact.isNull())
        t.exact = ParseExact(own.exact);
    // Our export before empty names were written as an empty SUMMARY left
    // it out.
    t.name = texts.hasName ? std::move(texts.name) : t.exact ? TText() : TText(DefaultName);
    t.description = std::move(texts.description);
    withBreaks(t.name, own.nameBreaks);
    withBreaks(t.description, own.descriptionBreaks);
    report.unmappableChars += texts.unmappable;
    t.done = own.done.trimmed().toUpper() == "TRUE";
    if (std::optional<Fault> f = readAlarms(event, *start, endOffset, ctx, t.plan))
        return f;
    if (t.exact)
        refine(t.plan, *t.exact);

    const bool isOverride = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr;
    const bool recurs = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)
        || icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
    const QDate from = ctx.from, until = ctx.until;
    auto inDays = [&](const LocalTime &l) { return l.date >= from && l.date <= until; };

    const long long textBytes = static_cast<long long>(t.name.size() + t.description.size());
    if (!recurs) { // a single event, or one changed occurrence of a series
        const std::optional<LocalTime> id = isOverride ? RecurrenceId(event, ctx) : std::nullopt;
        if (ctx.budget.Take(1, textBytes, until) && (!isOverride || inDays(*start))
            && !fileOccurrence(t, *start, out, true, id ? &*id : nullptr))
            ++report.skipped[QString::fromLatin1(OutsideYears)];
        return std::nullopt;
    }

    std::vector<LocalTime> excluded, extra;
    if (std::optional<Fault> f = collectTimes(
            event, ICAL_EXDATE_PROPERTY, ctx, [](icalproperty *p) { return icalproperty_get_exdate(p); }, excluded))
        return f;
    if (std::optional<Fault> f = collectTimes(
            event, ICAL_RDATE_PROPERTY, ctx,
            [](icalproperty *p) {
                const icaldatetimeperiodtype r = icalproperty_get_rdate(p);
                return icaltime_is_null_time(r.time) ? r.period.start : r.time;
            },
            extra))
        return f;
    const char *uid = icalcomponent_get_uid(event);
    const std::vector<LocalTime> &overridden = ctx.overridden[QByteArray(uid ? uid : "")];

    int made = 0, over = 0;
    QSet<QPair<bool, long long>> seen; // an RDATE may repeat what the rule makes
    // Files one occurrence on the days; false once the event has made its most.
    auto take = [&](const LocalTime &l) {
        if (!inDays(l) || listed(excluded, l) || listed(overridden, l))
            return made < MaxOccurrences;
        const QPair<bool, long long> key(l.isDate, l.key);
        if (seen.contains(key))
            return made < MaxOccurrences;
        seen.insert(key);
        if (made >= MaxOccurrences) {
            ++over;
            return false;
        }
        if (!ctx.budget.Take(0, textBytes, until))
            return false;
        if (fileOccurrence(t, l, out))
            ++made;
        return made < MaxOccurrences;
    };
    // The start is always the first occurrence.
    if (!ctx.budget.Take(1 + static_cast<long long>(extra.size()), 0, until))
        return std::nullopt;
    take(*start);
    for (const LocalTime &l : extra)
        take(l);
    for (icalproperty *rp = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
         rp && ctx.budget.exceeded.isEmpty(); rp = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY))
        if (WalkRule(rp, raw, zone, ctx, take, over) == WalkEnd::Broken)
            return fault(rp, QCoreApplication::translate("Ical", "a recurrence rule libical cannot follow"));
    if (!ctx.budget.exceeded.isEmpty())
        return std::nullopt;
    if (over)
        report.skipped[QCoreApplication::translate("Ical", "more than %1 occurrences of one event")
                           .arg(MaxOccurrences)] += over;
    if (made == 0 && over == 0)
        ++report.skipped[QCoreApplication::translate("Ical", "repeats, but not on the days imported")];
    return std::nullopt;
}

} // namespace Ical
