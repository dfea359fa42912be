// The change to an item file, line by line: libical reads the event (its
// zones and times), the lines written are made here or by libical, and
// ContentLines keeps every other byte.

#include "store/ical/ItemPatch.h"

#include "store/ical/CodePageBridge.h"
#include "store/ical/ContentLines.h"
#include "store/ical/EventWriter.h"
#include "store/ical/Item.h"
#include "store/ical/RecordFields.h"
#include "store/ical/TimeForm.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace Ical {

namespace {

constexpr size_t None = static_cast<size_t>(-1);

bool same(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0; // -0 and 0 too are told apart by the exact values
}

bool sameText(const TText &a, const TText &b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0;
}

long long secondsOfDay(double time)
{
    return std::isfinite(time) ? std::llround(time * 86400.0) : 0;
}

QByteArray taken(char *text)
{
    QByteArray bytes(text);
    std::free(text);
    return bytes;
}

QByteArray timeText(const icaltimetype &t)
{
    return taken(icaltime_as_ical_string_r(t));
}

QByteArray escapedText(const TText &text)
{
    const std::string utf8 = DecodeTextUtf8(text);
    icalvalue *v = icalvalue_new_text(utf8.c_str());
    QByteArray escaped = taken(icalvalue_as_ical_string_r(v));
    icalvalue_free(v);
    return escaped;
}

// The event's lines in the file, and its alarms.
struct EventLines {
    size_t begin = None, end = None;
    size_t inner = None; // where a new property goes: before the first component inside
    size_t ownAlarm = None;
    std::vector<size_t> alarms; // their BEGIN lines
};

// The event a reader takes as the item's (the one no RECURRENCE-ID names,
// else the first), found among the lines as libical finds it.
EventLines findEvent(const ContentLines &lines, bool ours)
{
    EventLines ev;
    const auto &ls = lines.Lines();
    for (size_t i = 0; i < ls.size(); ++i) {
        if (ls[i].opens != "VEVENT" || ls[i].depth != 1)
            continue;
        const size_t end = lines.EndOf(i);
        bool override = false;
        for (size_t k = i + 1; k < end; ++k)
            override |= ls[k].depth == 2 && ls[k].name == "RECURRENCE-ID";
        if (ev.begin == None || !override) {
            ev.begin = i;
            ev.end = end;
        }
        if (!override)
            break;
    }
    if (ev.begin == None || ev.end >= ls.size())
        return EventLines();
    ev.inner = ev.end;
    for (size_t k = ev.begin + 1; k < ev.end; ++k) {
        if (ls[k].depth != 2 || ls[k].opens.isEmpty())
            continue;
        ev.inner = std::min(ev.inner, k);
        if (ls[k].opens != "VALARM")
            continue;
        ev.alarms.push_back(k);
        for (size_t a = k + 1; a < lines.EndOf(k); ++a)
            if (ls[a].depth == 3 && ls[a].name == QByteArray(OwnAlarmProperty).toUpper())
                ev.ownAlarm = k;
    }
    // Our files from before the alarm was marked: their one alarm is ours.
    if (ev.ownAlarm == None && ours && ev.alarms.size() == 1)
        ev.ownAlarm = ev.alarms.front();
    return ev;
}

// The changes to the lines of one event.
class Patch {
public:
    Patch(ContentLines &lines, const EventLines &ev) : lines_(lines), ev_(ev) {}

    size_t Find(const char *name) const
    {
        const auto &ls = lines_.Lines();
        for (size_t k = ev_.begin + 1; k < ev_.end; ++k)
            if (ls[k].depth == 2 && qstricmp(ls[k].name.constData(), name) == 0)
                return k;
        return None;
    }
    ContentLine LineOf(size_t k) const { return ContentLine::Split(lines_.Lines()[k].text); }
    void Put(size_t k, const ContentLine &l) { lines_.Replace(k, l.Joined()); }
    // The first such property's value, its parameters kept; added when missing.
    void Set(const char *name, const QByteArray &value)
    {
        const size_t k = Find(name);
        if (k == None) {
            lines_.InsertBefore(ev_.inner, QByteArray(name) + ':' + value);
            return;
        }
        ContentLine l = LineOf(k);
        l.value = value;
        Put(k, l);
    }
    void Drop(const char *name)
    {
        const auto &ls = lines_.Lines();
        for (size_t k = ev_.begin + 1; k < ev_.end; ++k)
            if (ls[k].depth == 2 && qstricmp(ls[k].name.constData(), name) == 0)
                lines_.Remove(k);
    }
    // Our alarm as libical writes it, in place of the one we had.
    void SetAlarm(const QByteArray &written)
    {
        if (ev_.ownAlarm == None) {
            lines_.InsertWrittenBefore(ev_.end, written);
            return;
        }
        for (size_t k = ev_.ownAlarm; k <= lines_.EndOf(ev_.ownAlarm); ++k)
            lines_.Remove(k);
        lines_.InsertWrittenBefore(ev_.ownAlarm, written);
    }

private:
    ContentLines &lines_;
    const EventLines &ev_;
};

void setText(Patch &p, const char *name, const char *breaksName, const TText &text, bool always)
{
    if (text.empty() && !always)
        p.Drop(name);
    else
        p.Set(name, escapedText(text));
    const std::string kinds = BreakKinds(text);
    if (kinds.empty())
        p.Drop(breaksName);
    else
        p.Set(breaksName, QByteArray::fromStdString(kinds));
}

// DTSTART to the record's day and time in its own form, DTEND moved with
// it so that the event keeps its length.
void moveStart(Patch &p, icalcomponent *event, const ZoneResolver &zones, const QDate &date, double time)
{
    icalproperty *sp = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const size_t startLine = p.Find("DTSTART");
    if (!sp || startLine == None)
        return;
    const TimeForm start = TimeForm::Of(sp, icalproperty_get_dtstart(sp), zones);
    const icaltimetype to = start.FromLocal(date, time);
    ContentLine l = p.LineOf(startLine);
    if (start.raw.is_date && !to.is_date)
        l.params = l.ParamsWithout("VALUE");
    l.value = timeText(to);
    p.Put(startLine, l);

    icalproperty *ep = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY);
    const size_t endLine = p.Find("DTEND");
    if (!ep || endLine == None)
        return;
    const TimeForm end = TimeForm::Of(ep, icalproperty_get_dtend(ep), zones);
    ContentLine e = p.LineOf(endLine);
    icaltimetype until = to;
    if (start.raw.is_date && to.is_date && end.raw.is_date) {
        // Whole days stay whole days, however the clocks change between.
        const QDate a(start.raw.year, start.raw.month, start.raw.day), b(end.raw.year, end.raw.month, end.raw.day);
        icaltime_adjust(&until, static_cast<int>(a.daysTo(b)), 0, 0, 0);
    } else {
        const std::optional<LocalTime> was = ToLocal(start.raw, start.zone), wasEnd = ToLocal(end.raw, end.zone),
                                       now = ToLocal(to, start.zone);
        if (!was || !wasEnd || !now)
            return;
        const long long key = now->key + (wasEnd->key - was->key);
        if (end.raw.is_date) { // the start has a time of day now: so has the end
            until = TimeForm().FromKey(key);
            e.params = e.ParamsWithout("VALUE");
        } else {
            until = end.FromKey(key);
        }
    }
    e.value = timeText(until);
    p.Put(endLine, e);
}

int sequenceOf(icalcomponent *event)
{
    icalproperty *q = icalcomponent_get_first_property(event, ICAL_SEQUENCE_PROPERTY);
    return q ? icalproperty_get_sequence(q) : 0;
}

// What of the record `a` does not hold, by name; empty when nothing.
QStringList differences(const NewAppointment &a, const QDate &date, const TTermin &r)
{
    const TTermin &b = a.record;
    QStringList out;
    const std::pair<bool, const char *> fields[] = {
        {a.date == date, "day"},
        {same(b.Time, r.Time), "time"},
        {sameText(b.Name, r.Name), "name"},
        {sameText(b.Description, r.Description), "description"},
        {same(b.FirstRemind, r.FirstRemind), "first reminder"},
        {same(b.RepeatInterval, r.RepeatInterval), "repeat"},
        {same(b.LastReminded, r.LastReminded), "last answer"},
        {bool(b.Done) == bool(r.Done), "done"},
    };
    for (const auto &[equal, name] : fields)
        if (!equal)
            out << QString::fromLatin1(name);
    return out;
}

bool sameRecord(const NewAppointment &a, const QDate &date, const TTermin &r)
{
    return differences(a, date, r).isEmpty();
}

// What changed between the event as it reads and the record.
struct Changes {
    bool name, description, moved, exact, plan, answer, done;

    Changes(const NewAppointment &was, const QDate &date, const TTermin &r)
    {
        const TTermin &w = was.record;
        name = !sameText(w.Name, r.Name);
        description = !sameText(w.Description, r.Description);
        moved = was.date != date || secondsOfDay(w.Time) != secondsOfDay(r.Time);
        plan = !same(w.FirstRemind, r.FirstRemind) || !same(w.RepeatInterval, r.RepeatInterval);
        answer = !same(w.LastReminded, r.LastReminded);
        exact = was.date != date || !same(w.Time, r.Time) || plan || answer;
        done = bool(w.Done) != bool(r.Done);
    }
};

// The lines for the change; `ownAlarm`: our alarm is written whatever changed.
QByteArray patched(const QByteArray &bytes, const ItemRead &read, const QDate &date, const TTermin &r, double changed,
                   bool ownAlarm)
{
    const ComponentPtr parsed(icalparser_parse_string(bytes.constData()));
    icalcomponent *root = parsed.get();
    if (root && icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT)
        root = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
    icalcomponent *event = root ? icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT) : nullptr;
    for (icalcomponent *e = event; e; e = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
        if (!icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY)) {
            event = e;
            break;
        }
    ContentLines lines(bytes);
    const EventLines ev = findEvent(lines, read.ours);
    if (!event || ev.begin == None)
        return QByteArray();
    Patch p(lines, ev);
    const Changes c(read.appointments.front(), date, r);
    // Without a SUMMARY the exact values would make the name empty.
    if (c.name || (c.exact && p.Find("SUMMARY") == None))
        setText(p, "SUMMARY", NameBreaksProperty, r.Name, true);
    if (c.description)
        setText(p, "DESCRIPTION", DescriptionBreaksProperty, r.Description, false);
    if (c.moved) {
        moveStart(p, event, ZoneResolver(root), date, r.Time);
        p.Set("SEQUENCE", QByteArray::number(sequenceOf(event) + 1));
    }
    if (c.exact)
        p.Set(ExactProperty, FormatExact({r.Time, r.FirstRemind, r.RepeatInterval, r.LastReminded}));
    if (c.done) {
        if (r.Done)
            p.Set(DoneProperty, "TRUE");
        else
            p.Drop(DoneProperty);
    }
    if (ownAlarm || c.plan || (ev.ownAlarm != None && (c.answer || c.name))) {
        const ComponentPtr alarm = MakeAlarm(r, DecodeTextUtf8(r.Name));
        p.SetAlarm(taken(icalcomponent_as_ical_string_r(alarm.get())));
    }
    if (!lines.Changed())
        return bytes;
    const QByteArray stamp = timeText(UtcTime(changed));
    p.Set("LAST-MODIFIED", stamp);
    p.Set("DTSTAMP", stamp);
    return lines.Result();
}

} // namespace

QByteArray PatchedItem(const QByteArray &bytes, const QDate &date, const TTermin &record, double changed,
                       QString &error)
{
    const ItemRead read = ReadItem(bytes);
    if (!read.ok || !read.events || read.repeats || read.appointments.size() != 1) {
        error = read.ok ? QCoreApplication::translate("Ical", "it holds no one plain event") : read.error;
        return QByteArray();
    }
    if (sameRecord(read.appointments.front(), date, record))
        return bytes;
    // Another program's alarm may not say what the record does once the
    // event moved (a trigger at a fixed time): then our own alarm does.
    QStringList wrong;
    for (const bool ownAlarm : {false, true}) {
        const QByteArray out = patched(bytes, read, date, record, changed, ownAlarm);
        const ItemRead back = ReadItem(out);
        if (!back.ok || back.appointments.size() != 1)
            break;
        wrong = differences(back.appointments.front(), date, record);
        if (wrong.isEmpty())
            return out;
    }
    error = QCoreApplication::translate("Ical", "the changed event would not read back as the appointment (%1)")
                .arg(wrong.join(QStringLiteral(", ")));
    return QByteArray();
}

} // namespace Ical
