// Reading a whole iCalendar file with libical's parser, refusing it when
// libical found anything it could not parse, and turning its events into
// appointments.

#include "store/ical/EventReader.h"
#include "store/ical/Ical.h"
#include "store/ical/IcalPtr.h"
#include "store/ical/Locate.h"

#include "store/DateTimeValue.h"

#include <cstring>
#include <vector>

namespace Ical {

namespace {

struct Source {
    const char *data;
    size_t size;
    size_t pos = 0;
};

// libical's line source: like fgets over the file image.
char *nextChunk(char *s, size_t size, void *d)
{
    Source *src = static_cast<Source *>(d);
    if (src->pos >= src->size || size < 2)
        return nullptr;
    const size_t room = std::min(size - 1, src->size - src->pos);
    const char *start = src->data + src->pos;
    const void *nl = std::memchr(start, '\n', room);
    const size_t n = nl ? static_cast<size_t>(static_cast<const char *>(nl) - start) + 1 : room;
    std::memcpy(s, start, n);
    s[n] = '\0';
    src->pos += n;
    return s;
}

ParseResult refuse(const QString &what, int line)
{
    ParseResult r;
    r.error = line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(what) : what;
    r.line = line;
    return r;
}

// libical keeps going over what it cannot parse and leaves an X-LIC-ERROR
// property where it was; the first one found refuses the file.
icalproperty *firstParseError(icalcomponent *c)
{
    if (icalproperty *p = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY))
        return p;
    for (icalcomponent *k = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); k;
         k = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
        if (icalproperty *p = firstParseError(k))
            return p;
    return nullptr;
}

// libical's messages end in the text it choked on, after a ": ".
int lineOfParseError(const QByteArray &ics, const QByteArray &message)
{
    for (qsizetype at = message.indexOf(": "); at >= 0; at = message.indexOf(": ", at + 1)) {
        const QByteArray tail = message.mid(at + 2).trimmed();
        if (tail.isEmpty())
            continue;
        if (const int line = LineContaining(ics, tail))
            return line;
    }
    // "No value for SUMMARY property": the first such line without a value.
    const qsizetype end = message.indexOf(" property");
    if (end > 0) {
        const QByteArray name = message.left(end).mid(message.left(end).lastIndexOf(' ') + 1);
        return LineOfProperty(ics, QByteArray(), name, QByteArray(), true);
    }
    return 0;
}

std::vector<icalcomponent *> events(const std::vector<ComponentPtr> &calendars)
{
    std::vector<icalcomponent *> out;
    for (const ComponentPtr &cal : calendars)
        for (icalcomponent *e = icalcomponent_get_first_component(cal.get(), ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(cal.get(), ICAL_VEVENT_COMPONENT))
            out.push_back(e);
    return out;
}

void countOthers(const std::vector<ComponentPtr> &calendars, ImportReport &report)
{
    for (const ComponentPtr &cal : calendars)
        for (icalcomponent *c = icalcomponent_get_first_component(cal.get(), ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(cal.get(), ICAL_ANY_COMPONENT)) {
            const icalcomponent_kind k = icalcomponent_isa(c);
            if (k == ICAL_VTODO_COMPONENT || k == ICAL_VJOURNAL_COMPONENT || k == ICAL_VFREEBUSY_COMPONENT)
                ++report.skipped[QStringLiteral("not an event (%1)")
                                     .arg(QString::fromLatin1(icalcomponent_kind_to_string(k)))];
        }
}

} // namespace

ParseResult Parse(const QByteArray &ics, const ImportOptions &options)
{
    if (ics.trimmed().isEmpty())
        return refuse(QStringLiteral("the file is empty, not an iCalendar file"), 0);
    if (const qsizetype nul = ics.indexOf('\0'); nul >= 0)
        return refuse(QStringLiteral("a NUL byte: not an iCalendar text file"), int(ics.left(nul).count('\n')) + 1);
    const qsizetype skip = ics.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a UTF-8 byte order mark

    std::vector<ComponentPtr> calendars;
    {
        Source src{ics.constData() + skip, static_cast<size_t>(ics.size() - skip)};
        ParserPtr parser(icalparser_new());
        icalparser_set_gen_data(parser.get(), &src);
        char *line = nullptr;
        do {
            line = icalparser_get_line(parser.get(), nextChunk);
            if (icalcomponent *c = icalparser_add_line(parser.get(), line))
                calendars.emplace_back(c);
            if (line)
                icalmemory_free_buffer(line);
        } while (line);
        // What is still open at the end was cut off; the parser keeps
        // owning it and frees it with itself.
        if (icalcomponent *open = icalparser_clean(parser.get()))
            return refuse(QStringLiteral("the file ends inside a %1 (cut off?)")
                              .arg(QString::fromLatin1(icalcomponent_kind_to_string(icalcomponent_isa(open)))),
                          LastLine(ics));
    }
    if (calendars.empty())
        return refuse(QStringLiteral("not an iCalendar file (no BEGIN:VCALENDAR ... END:VCALENDAR)"), 0);
    for (const ComponentPtr &c : calendars) {
        if (icalcomponent_isa(c.get()) != ICAL_VCALENDAR_COMPONENT) {
            const QByteArray kind = icalcomponent_kind_to_string(icalcomponent_isa(c.get()));
            return refuse(QStringLiteral("not an iCalendar file: %1 outside a VCALENDAR").arg(QString::fromLatin1(kind)),
                          LineContaining(ics, "BEGIN:" + kind));
        }
        if (icalproperty *err = firstParseError(c.get())) {
            const QByteArray message = icalproperty_get_xlicerror(err);
            return refuse(QString::fromUtf8(message), lineOfParseError(ics, message));
        }
    }

    ParseResult result;
    ReadContext ctx(calendars.size() == 1 ? calendars.front().get() : nullptr);
    ctx.from = options.from.isValid() ? options.from : DateTimeValue::ToDate(options.now);
    ctx.until = options.until.isValid() ? options.until : ctx.from.addYears(1);
    ctx.from = std::max(ctx.from, QDate(DayGrid::FirstYear, 1, 1));
    ctx.until = std::min(ctx.until, QDate(DayGrid::LastYear, 12, 31));

    const std::vector<icalcomponent *> all = events(calendars);
    for (icalcomponent *e : all)
        if (std::optional<LocalTime> id = RecurrenceId(e, ctx)) {
            const char *uid = icalcomponent_get_uid(e);
            ctx.overridden[QByteArray(uid ? uid : "")].push_back(*id);
        }
    for (icalcomponent *e : all) {
        if (std::optional<Fault> f = ReadEvent(e, ctx, result.appointments, result.report)) {
            const char *uid = icalcomponent_get_uid(e);
            const int line = LineOfProperty(ics, uid ? QByteArray(uid) : QByteArray(), f->property, f->value);
            return refuse(QStringLiteral("%1 %2: %3")
                              .arg(QString::fromLatin1(f->property), QString::fromUtf8(f->value), f->what),
                          line);
        }
    }
    countOthers(calendars, result.report);
    result.ok = true;
    return result;
}

} // namespace Ical
