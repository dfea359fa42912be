#include "store/ical/SeriesItem.h"

#include "store/ical/EventWriter.h"
#include "store/ical/RecordFields.h"
#include "store/ical/TimeForm.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace Ical {

namespace {

QByteArray text(icalcomponent *c)
{
    char *t = icalcomponent_as_ical_string_r(c);
    QByteArray bytes(t);
    std::free(t);
    return bytes;
}

icalcomponent *rootOf(icalcomponent *parsed)
{
    if (parsed && icalcomponent_isa(parsed) != ICAL_VCALENDAR_COMPONENT)
        return icalcomponent_get_first_component(parsed, ICAL_VCALENDAR_COMPONENT);
    return parsed;
}

bool ownProperty(icalproperty *p)
{
    const char *n = icalproperty_get_x_name(p);
    for (const char *own : {ExactProperty, DoneProperty, NameBreaksProperty, DescriptionBreaksProperty})
        if (n && qstricmp(n, own) == 0)
            return true;
    return false;
}

// Drops every property of the kinds an occurrence's own event gets anew.
void strip(icalcomponent *ev)
{
    for (const icalproperty_kind kind :
         {ICAL_RRULE_PROPERTY, ICAL_RDATE_PROPERTY, ICAL_EXDATE_PROPERTY, ICAL_EXRULE_PROPERTY,
          ICAL_RECURRENCEID_PROPERTY, ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY, ICAL_DURATION_PROPERTY,
          ICAL_SUMMARY_PROPERTY, ICAL_DESCRIPTION_PROPERTY, ICAL_DTSTAMP_PROPERTY, ICAL_LASTMODIFIED_PROPERTY,
          ICAL_X_PROPERTY}) {
        for (icalproperty *p = icalcomponent_get_first_property(ev, kind); p;) {
            icalproperty *next = icalcomponent_get_next_property(ev, kind);
            if (kind != ICAL_X_PROPERTY || ownProperty(p)) {
                icalcomponent_remove_property(ev, p);
                icalproperty_free(p);
            }
            p = next;
        }
    }
    for (icalcomponent *a = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT); a;) {
        icalcomponent *next = icalcomponent_get_next_component(ev, ICAL_VALARM_COMPONENT);
        icalcomponent_remove_component(ev, a);
        icalcomponent_free(a);
        a = next;
    }
}

void setLastModified(icalcomponent *ev, const icaltimetype &stamp)
{
    for (const icalproperty_kind kind : {ICAL_LASTMODIFIED_PROPERTY, ICAL_DTSTAMP_PROPERTY})
        while (icalproperty *p = icalcomponent_get_first_property(ev, kind)) {
            icalcomponent_remove_property(ev, p);
            icalproperty_free(p);
        }
    icalcomponent_add_property(ev, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(ev, icalproperty_new_lastmodified(stamp));
}

} // namespace

QByteArray SeriesBytes(const QDate &first, const TTermin &record, const QByteArray &rule, const QByteArray &uid,
                       double changed)
{
    const icaltimetype stamp = UtcTime(changed);
    ComponentPtr cal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid(ProductId));
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    TTermin master = record;
    master.LastReminded = 0;
    master.Done = false;
    ComponentPtr ev = MakeEvent(first, master, stamp, uid);
    icalcomponent_add_property(ev.get(), icalproperty_new_rrule(icalrecurrencetype_from_string(rule.constData())));
    icalcomponent_add_property(ev.get(), icalproperty_new_lastmodified(stamp));
    icalcomponent_add_component(cal.get(), ev.release());
    return text(cal.get());
}

QByteArray EditedSeries(const QByteArray &bytes, const std::vector<OccurrenceChange> &changes,
                        const std::vector<long long> &removed, double changed, QString &error)
{
    const ComponentPtr parsed(icalparser_parse_string(bytes.constData()));
    icalcomponent *root = rootOf(parsed.get());
    icalcomponent *master = nullptr;
    for (icalcomponent *e = root ? icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT) : nullptr; e;
         e = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
        if (!icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY)
            && (icalcomponent_get_first_property(e, ICAL_RRULE_PROPERTY)
                || icalcomponent_get_first_property(e, ICAL_RDATE_PROPERTY)))
            master = e;
    icalproperty *sp = master ? icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY) : nullptr;
    if (!sp) {
        error = QCoreApplication::translate("Ical", "it holds no repeating event");
        return QByteArray();
    }
    const ZoneResolver zones(root);
    // Occurrences are written in the series' start's form.
    const TimeForm form = TimeForm::Of(sp, icalproperty_get_dtstart(sp), zones);
    // How long an occurrence lasts, for the ones written anew.
    long long length = -1;
    if (icalproperty *ep = icalcomponent_get_first_property(master, ICAL_DTEND_PROPERTY)) {
        const icaltimetype end = icalproperty_get_dtend(ep);
        const std::optional<LocalTime> s = ToLocal(form.raw, form.zone), e = ToLocal(end, zones.ForProperty(ep, end));
        if (s && e)
            length = e->key - s->key;
    } else if (icalproperty *dp = icalcomponent_get_first_property(master, ICAL_DURATION_PROPERTY)) {
        length = icaldurationtype_as_int(icalproperty_get_duration(dp));
    }
    const char *uidText = icalcomponent_get_uid(master);
    const QByteArray uid(uidText ? uidText : "");
    const icaltimetype stamp = UtcTime(changed);

    // The changed occurrences' own events there were, and the removed ones'.
    auto dropOwnEvent = [&](long long key) {
        for (icalcomponent *e = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); e;) {
            icalcomponent *next = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT);
            icalproperty *rp = icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY);
            const char *u = icalcomponent_get_uid(e);
            if (rp && u && uid == u) {
                const icaltimetype id = icalproperty_get_recurrenceid(rp);
                const std::optional<LocalTime> l = ToLocal(id, zones.ForProperty(rp, id));
                if (l && l->key == key) {
                    icalcomponent_remove_component(root, e);
                    icalcomponent_free(e);
                }
            }
            e = next;
        }
    };
    for (const long long key : removed) {
        dropOwnEvent(key);
        const icaltimetype t = form.FromKey(key);
        icalcomponent_add_property(master, form.Zoned(icalproperty_new_exdate(t), t));
    }
    for (const OccurrenceChange &c : changes) {
        dropOwnEvent(c.occurrence);
        ComponentPtr own(icalcomponent_new_clone(master));
        strip(own.get());
        // Moved over rather than copied: a copied X- property would come
        // out with its semicolons escaped.
        const ComponentPtr ours = MakeEvent(c.date, c.record, stamp, uid);
        std::vector<icalproperty *> props;
        for (icalproperty *p = icalcomponent_get_first_property(ours.get(), ICAL_ANY_PROPERTY); p;
             p = icalcomponent_get_next_property(ours.get(), ICAL_ANY_PROPERTY))
            if (icalproperty_isa(p) != ICAL_UID_PROPERTY && icalproperty_isa(p) != ICAL_DTSTART_PROPERTY)
                props.push_back(p);
        std::vector<icalcomponent *> alarms;
        for (icalcomponent *a = icalcomponent_get_first_component(ours.get(), ICAL_VALARM_COMPONENT); a;
             a = icalcomponent_get_next_component(ours.get(), ICAL_VALARM_COMPONENT))
            alarms.push_back(a);
        for (icalproperty *p : props) {
            icalcomponent_remove_property(ours.get(), p);
            icalcomponent_add_property(own.get(), p);
        }
        for (icalcomponent *a : alarms) {
            icalcomponent_remove_component(ours.get(), a);
            icalcomponent_add_component(own.get(), a);
        }
        const icaltimetype id = form.FromKey(c.occurrence), start = form.FromLocal(c.date, c.record.Time);
        icalcomponent_add_property(own.get(), form.Zoned(icalproperty_new_recurrenceid(id), id));
        icalcomponent_add_property(own.get(), form.Zoned(icalproperty_new_dtstart(start), start));
        if (length > 0)
            icalcomponent_add_property(own.get(),
                                       icalproperty_new_duration(icaldurationtype_from_int(static_cast<int>(length))));
        icalcomponent_add_property(own.get(), icalproperty_new_lastmodified(stamp));
        icalcomponent_add_component(root, own.release());
    }
    setLastModified(master, stamp);
    return text(root);
}

} // namespace Ical
