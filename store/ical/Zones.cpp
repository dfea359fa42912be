#include "store/ical/Zones.h"

#include "store/DateTimeValue.h"

#include <QDateTime>

#include <cstring>

namespace Ical {

namespace {
constexpr qint64 UnixEpochJulianDay = 2440588; // 1 January 1970
}

Zone ZoneResolver::ForProperty(icalproperty *p, const icaltimetype &value) const
{
    Zone z;
    if (value.is_date)
        return z;
    if (icaltime_is_utc(value)) {
        z.ical = icaltimezone_get_utc_timezone();
        return z;
    }
    icalparameter *param = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    const char *tzid = param ? icalparameter_get_tzid(param) : nullptr;
    if (!tzid || !*tzid)
        return z;
    // The VTIMEZONE blocks of the calendar the property belongs to.
    icalcomponent *root = icalproperty_get_parent(p);
    while (root && icalcomponent_get_parent(root))
        root = icalcomponent_get_parent(root);
    if (!root || icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT)
        root = calendar_; // a component read on its own: the file's zones
    if (root && icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        z.ical = icalcomponent_get_timezone(root, tzid);
    if (!z.ical)
        z.ical = icaltimezone_get_builtin_timezone(tzid);
    if (!z.ical)
        z.ical = icaltimezone_get_builtin_timezone_from_tzid(tzid);
    // Some writers put a path of their own before the zone's name
    // ("/mozilla.org/20050126_1/Europe/Berlin"): try each tail.
    for (const char *s = tzid; !z.ical && tzid[0] == '/' && (s = std::strchr(s + 1, '/'));)
        z.ical = icaltimezone_get_builtin_timezone(s + 1);
    if (!z.ical) {
        QByteArray id(tzid);
        QTimeZone q(id);
        if (!q.isValid()) {
            const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(id);
            if (!iana.isEmpty())
                q = QTimeZone(iana);
        }
        if (q.isValid())
            z.qt = q;
        else
            z.unknown = true;
    }
    return z;
}

std::optional<LocalTime> ToLocal(const icaltimetype &t, const Zone &zone)
{
    const QDate date(t.year, t.month, t.day);
    if (!date.isValid())
        return std::nullopt;
    LocalTime l;
    l.ownDate = date;
    if (t.is_date) {
        l.isDate = true;
        l.value = DateTimeValue::EncodeDate(t.year, t.month, t.day);
        l.date = date;
        l.key = (date.toJulianDay() - UnixEpochJulianDay) * 86400;
        return l;
    }
    // A leap second (60) is taken as the last second of its minute.
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 60)
        return std::nullopt;
    const QTime time(t.hour, t.minute, std::min(t.second, 59));
    QDateTime local;
    if (zone.ical) {
        const qint64 secs = icaltime_as_timet_with_zone(t, zone.ical);
        l.key = secs;
        local = QDateTime::fromSecsSinceEpoch(secs, Qt::LocalTime);
    } else if (zone.qt.isValid()) {
        const QDateTime inZone(date, time, zone.qt);
        l.key = inZone.toSecsSinceEpoch();
        local = inZone.toLocalTime();
    } else {
        // Floating: the wall-clock time as written.
        const int secs = time.hour() * 3600 + time.minute() * 60 + time.second();
        l.key = (date.toJulianDay() - UnixEpochJulianDay) * 86400 + secs;
        l.date = date;
        l.time = secs / 86400.0;
        l.value = DateTimeValue::EncodeDate(date.year(), date.month(), date.day()) + l.time;
        return l;
    }
    local = local.toLocalTime();
    l.date = local.date();
    l.time = (local.time().hour() * 3600 + local.time().minute() * 60 + local.time().second()) / 86400.0;
    l.value = DateTimeValue::EncodeDate(l.date.year(), l.date.month(), l.date.day()) + l.time;
    return l;
}

bool SameOccurrence(const LocalTime &a, const LocalTime &b)
{
    if (a.isDate || b.isDate)
        return a.ownDate == b.ownDate;
    return a.key == b.key;
}

} // namespace Ical
