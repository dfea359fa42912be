// Writing the day grid as one VCALENDAR. Every event is built and written
// by libical; only the finished pieces are joined here.

#include "store/ical/CodePageBridge.h"
#include "store/ical/EventWriter.h"
#include "store/ical/Ical.h"
#include "store/ical/IcalPtr.h"
#include "store/ical/RecordFields.h"

#include "store/DateTimeValue.h"

#include <QCryptographicHash>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace Ical {

const char *const ProductId = "-//Kalvix//Kalvix appointment reminder//EN";

namespace {

// The floating (zone-less) wall-clock time `seconds` after the start of
// `date`: appointments are local times wherever the calendar is opened.
icaltimetype floatingTime(const QDate &date, long long seconds)
{
    const long long dayShift = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const long long rest = seconds - dayShift * 86400;
    const QDate d = date.addDays(dayShift);
    icaltimetype t = icaltime_null_time();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    t.is_date = 0;
    return t;
}

} // namespace

icaltimetype UtcTime(double localValue)
{
    // To the nearest second, as the reader compares a value it refines
    // (an answer's exact time against its ACKNOWLEDGED) with it.
    const QDateTime utc = DateTimeValue::ToDateTime(localValue).addMSecs(500).toUTC();
    icaltimetype t = icaltime_null_time();
    t.year = utc.date().year();
    t.month = utc.date().month();
    t.day = utc.date().day();
    t.hour = utc.time().hour();
    t.minute = utc.time().minute();
    t.second = utc.time().second();
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

namespace {

long long secondsOfDay(double time)
{
    return std::isfinite(time) ? std::llround(time * 86400.0) : 0;
}

void addX(icalcomponent *c, const char *name, const QByteArray &value)
{
    icalproperty *p = icalproperty_new_x(value.constData());
    icalproperty_set_x_name(p, name);
    icalcomponent_add_property(c, p);
}

// A UID that comes out the same every time the same appointment is
// exported: the file has no ids, so it is made from what identifies an
// appointment to the duplicate check (day, time, name, description), plus
// how many identical ones came before it on that day.
class UidMaker {
public:
    void startDay() { seen_.clear(); }

    QByteArray operator()(const QDate &date, long long seconds, const TText &name, const TText &description)
    {
        QByteArray key = QByteArray::number(date.toJulianDay()) + ' ' + QByteArray::number(seconds) + ' ';
        key.append(name.data(), static_cast<qsizetype>(name.size()));
        key.append('\0');
        key.append(description.data(), static_cast<qsizetype>(description.size()));
        QByteArray uid = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(32);
        int n = 0;
        for (const QByteArray &s : seen_)
            n += s == uid;
        seen_.push_back(uid);
        if (n > 0)
            uid += '-' + QByteArray::number(n);
        return uid + "@kalvix";
    }

private:
    std::vector<QByteArray> seen_; // this day's UIDs so far
};

} // namespace

ComponentPtr MakeAlarm(const TTermin &r, const std::string &name)
{
    ComponentPtr alarm(icalcomponent_new(ICAL_VALARM_COMPONENT));
    icalcomponent_add_property(alarm.get(), icalproperty_new_action(ICAL_ACTION_DISPLAY));
    // A display alarm needs a text, and readers built on libical take none
    // that is empty or all spaces.
    const bool blank = name.find_first_not_of(' ') == std::string::npos;
    icalcomponent_add_property(alarm.get(), icalproperty_new_description(blank ? "Reminder" : name.c_str()));

    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(static_cast<int>(-DurationSeconds(r.FirstRemind)));
    icalproperty *tp = icalproperty_new_trigger(trigger);
    icalproperty_add_parameter(tp, icalparameter_new_related(ICAL_RELATED_START));
    icalcomponent_add_property(alarm.get(), tp);

    int count = 0;
    if (WritesRepeat(r.FirstRemind, r.RepeatInterval, &count)) {
        icalcomponent_add_property(alarm.get(), icalproperty_new_repeat(count));
        icalcomponent_add_property(alarm.get(),
                                   icalproperty_new_duration(
                                       icaldurationtype_from_int(static_cast<int>(DurationSeconds(r.RepeatInterval)))));
    }
    if (WritesAcknowledged(r.LastReminded))
        icalcomponent_add_property(alarm.get(), icalproperty_new_acknowledged(UtcTime(r.LastReminded)));
    addX(alarm.get(), OwnAlarmProperty, "TRUE");
    return alarm;
}

ComponentPtr MakeEvent(const QDate &date, const TTermin &r, const icaltimetype &stamp, const QByteArray &uid)
{
    const long long seconds = secondsOfDay(r.Time);
    const std::string name = DecodeTextUtf8(r.Name);

    ComponentPtr ev(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    icalcomponent *e = ev.get();
    icalcomponent_add_property(e, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(e, icalproperty_new_dtstart(floatingTime(date, seconds)));
    // Every event has a SUMMARY, an empty one for an empty name: some
    // programs (calcurse) cannot read an event without one.
    icalcomponent_add_property(e, icalproperty_new_summary(name.c_str()));
    if (!r.Description.empty())
        icalcomponent_add_property(e, icalproperty_new_description(DecodeTextUtf8(r.Description).c_str()));
    if (r.Done)
        addX(e, DoneProperty, "TRUE");
    addX(e, ExactProperty, FormatExact({r.Time, r.FirstRemind, r.RepeatInterval, r.LastReminded}));
    const std::string nameBreaks = BreakKinds(r.Name), descriptionBreaks = BreakKinds(r.Description);
    if (!nameBreaks.empty())
        addX(e, NameBreaksProperty, QByteArray::fromStdString(nameBreaks));
    if (!descriptionBreaks.empty())
        addX(e, DescriptionBreaksProperty, QByteArray::fromStdString(descriptionBreaks));
    icalcomponent_add_component(e, MakeAlarm(r, name).release());
    return ev;
}

namespace {

void append(QByteArray &out, icalcomponent *c)
{
    char *text = icalcomponent_as_ical_string_r(c);
    out += text;
    std::free(text);
}

} // namespace

ExportResult Export(const DayGrid &grid, const ExportOptions &options)
{
    ExportResult result;

    // The calendar's own lines as libical writes them, with the events
    // going in before its closing line.
    ComponentPtr cal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid(ProductId));
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    QByteArray frame;
    append(frame, cal.get());
    const QByteArray closing = "END:VCALENDAR\r\n";
    result.bytes = frame.left(frame.size() - closing.size());

    const icaltimetype stamp = UtcTime(options.now);
    UidMaker uids;
    const QDate from = options.from, until = options.until;
    grid.ForEachDay([&](int y, int m, int d, const TTerminDay &slot) {
        if (slot.records.Count() == 0)
            return;
        const QDate date(y, m, d);
        if ((from.isValid() && date < from) || (until.isValid() && date > until))
            return;
        uids.startDay();
        for (uint32_t i = 0; i < slot.records.Count(); ++i) {
            const TTermin &r = slot.records.At(i);
            const ComponentPtr ev = MakeEvent(date, r, stamp, uids(date, secondsOfDay(r.Time), r.Name, r.Description));
            append(result.bytes, ev.get());
            ++result.events;
        }
    });
    result.bytes += closing;
    return result;
}

} // namespace Ical
