// One-event calendar files. Written with the same event export builds, so
// the store's exact values and reminder state travel with them; read with
// the same parser import uses, plus the few properties that say whose
// file it is and when it was changed.

#include "store/ical/Item.h"

#include "store/ical/EventWriter.h"
#include "store/ical/IcalPtr.h"

#include "store/DateTimeValue.h"

#include <cstdlib>
#include <cstring>

namespace Ical {

namespace {

double localValue(icaltimetype t)
{
    if (icaltime_is_null_time(t))
        return 0;
    const time_t secs = icaltime_as_timet_with_zone(t, t.zone ? t.zone : icaltimezone_get_utc_timezone());
    return DateTimeValue::FromDateTime(QDateTime::fromSecsSinceEpoch(secs).toLocalTime());
}

} // namespace

QByteArray ItemBytes(const QDate &date, const TTermin &record, const QByteArray &uid, double changed)
{
    const icaltimetype stamp = UtcTime(changed);
    ComponentPtr cal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid(ProductId));
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    ComponentPtr ev = MakeEvent(date, record, stamp, uid);
    icalcomponent_add_property(ev.get(), icalproperty_new_lastmodified(stamp));
    icalcomponent_add_component(cal.get(), ev.release());
    char *text = icalcomponent_as_ical_string_r(cal.get());
    QByteArray bytes(text);
    std::free(text);
    return bytes;
}

ItemRead ReadItem(const QByteArray &bytes, const QDate &from, const QDate &until)
{
    ItemRead item;
    ImportOptions options;
    options.from = from.isValid() ? from : QDate(DayGrid::FirstYear, 1, 1);
    options.until = until.isValid() ? until : QDate(DayGrid::LastYear, 12, 31);
    ParseResult parsed = Parse(bytes, options);
    if (!parsed.ok) {
        item.error = parsed.error;
        return item;
    }
    // The parser above has checked every line; this second read only
    // picks out the calendar's and the first event's own properties.
    const ComponentPtr cal(icalparser_parse_string(bytes.constData()));
    icalcomponent *root = cal.get();
    if (root && icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT)
        root = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
    if (!root) {
        item.error = QStringLiteral("no VCALENDAR in it");
        return item;
    }
    if (icalproperty *p = icalcomponent_get_first_property(root, ICAL_PRODID_PROPERTY))
        item.ours = std::strcmp(icalproperty_get_prodid(p), ProductId) == 0;
    // The series' own event (the one no RECURRENCE-ID names), which may
    // follow its changed occurrences; else the first.
    icalcomponent *ev = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT);
    for (icalcomponent *e = ev; e; e = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
        if (!icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY)) {
            ev = e;
            break;
        }
    if (ev) {
        item.events = true;
        item.repeats = icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY)
            || icalcomponent_get_first_property(ev, ICAL_RDATE_PROPERTY);
        if (const char *uid = icalcomponent_get_uid(ev))
            item.uid = uid;
        if (icalproperty *p = icalcomponent_get_first_property(ev, ICAL_LASTMODIFIED_PROPERTY))
            item.changed = localValue(icalproperty_get_lastmodified(p));
        else if (icalproperty *s = icalcomponent_get_first_property(ev, ICAL_DTSTAMP_PROPERTY))
            item.changed = localValue(icalproperty_get_dtstamp(s));
    }
    item.appointments = std::move(parsed.appointments);
    item.ok = true;
    return item;
}

} // namespace Ical
