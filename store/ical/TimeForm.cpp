#include "store/ical/TimeForm.h"

#include "store/DateTimeValue.h"

namespace Ical {

icaltimetype FieldsOf(const QDateTime &at)
{
    icaltimetype t = icaltime_null_time();
    t.year = at.date().year();
    t.month = at.date().month();
    t.day = at.date().day();
    t.hour = at.time().hour();
    t.minute = at.time().minute();
    t.second = at.time().second();
    t.is_date = 0;
    return t;
}

TimeForm TimeForm::Of(icalproperty *p, const icaltimetype &value, const ZoneResolver &zones)
{
    TimeForm form;
    form.raw = value;
    form.zone = zones.ForProperty(p, value);
    if (icalparameter *tz = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER))
        form.tzid = icalparameter_get_tzid(tz);
    return form;
}

icaltimetype TimeForm::FromKey(long long key) const
{
    if (raw.is_date) {
        icaltimetype t = FieldsOf(QDateTime::fromSecsSinceEpoch(key, Qt::UTC));
        t.hour = t.minute = t.second = 0;
        t.is_date = 1;
        return t;
    }
    if (utc())
        return icaltime_from_timet_with_zone(static_cast<time_t>(key), 0, zone.ical);
    if (zone.ical) {
        icaltimetype t = icaltime_from_timet_with_zone(static_cast<time_t>(key), 0, zone.ical);
        t.zone = nullptr;
        return t;
    }
    if (zone.qt.isValid())
        return FieldsOf(QDateTime::fromSecsSinceEpoch(key, zone.qt));
    return FieldsOf(QDateTime::fromSecsSinceEpoch(key, Qt::UTC));
}

icaltimetype TimeForm::FromLocal(const QDate &date, double time) const
{
    const QDateTime local = DateTimeValue::ToDateTime(DateTimeValue::EncodeDate(date.year(), date.month(), date.day())
                                                      + time);
    const bool floating = !zone.ical && !zone.qt.isValid();
    if (raw.is_date || floating) {
        icaltimetype t = FieldsOf(local);
        if (raw.is_date && t.hour == 0 && t.minute == 0 && t.second == 0)
            t.is_date = 1;
        return t;
    }
    return FromKey(local.toSecsSinceEpoch());
}

icalproperty *TimeForm::Zoned(icalproperty *p, const icaltimetype &t) const
{
    if (!tzid.isEmpty() && !t.is_date && !icaltime_is_utc(t))
        icalproperty_add_parameter(p, icalparameter_new_tzid(tzid.constData()));
    return p;
}

} // namespace Ical
