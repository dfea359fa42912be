// Reading a whole iCalendar file with libical's parser, refusing it when
// libical found anything it could not parse, and turning its events into
// appointments.
//
// A calendar of 100,000 events would take libical some ten times the
// file's size as one tree, so each component inside a VCALENDAR goes
// through the parser on its own and is freed once read. The calendar's
// own lines go through a parser of their own, so libical still checks
// every line. Events that need what may come later in the file (a
// recurring event, whose changed occurrences may follow; a time zone not
// yet defined) wait until the end.

#include "store/ical/EventReader.h"
#include "store/ical/Ical.h"
#include "store/ical/IcalPtr.h"
#include "store/ical/CodePageBridge.h"
#include "store/ical/Locate.h"

#include "store/DateTimeValue.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>

namespace Ical {

namespace {

struct Source {
    const char *data;
    size_t size;
    size_t pos = 0;
};

// The next logical line: physical lines joined where the next one starts
// with a space or tab (RFC 5545 unfolding), without its line end. Spaces
// at its end are kept, as a text may end in them (libical's own line
// reader would trim them).
bool nextLine(Source &src, std::string &line)
{
    line.clear();
    if (src.pos >= src.size)
        return false;
    for (;;) {
        const char *start = src.data + src.pos;
        const size_t rest = src.size - src.pos;
        const void *nl = std::memchr(start, '\n', rest);
        size_t n = nl ? static_cast<size_t>(static_cast<const char *>(nl) - start) : rest;
        src.pos += nl ? n + 1 : n;
        if (n > 0 && start[n - 1] == '\r')
            --n;
        line.append(start, n);
        if (src.pos >= src.size || (src.data[src.pos] != ' ' && src.data[src.pos] != '\t'))
            return true;
        ++src.pos; // the fold's space or tab
    }
}

ParseResult refuse(const QString &what, int line)
{
    ParseResult r;
    r.error = line > 0 ? QCoreApplication::translate("Ical", "line %1: %2").arg(line).arg(what) : what;
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

// Spaces and tabs at a line's end, which libical's values do without
// (the texts kept have been taken from the line before).
void trimEnd(char *line)
{
    size_t n = std::strlen(line);
    while (n > 0 && (line[n - 1] == ' ' || line[n - 1] == '\t'))
        line[--n] = '\0';
}

bool isTag(const char *line, const char *tag, const char **name)
{
    const size_t n = std::strlen(tag);
    if (qstrnicmp(line, tag, static_cast<uint>(n)) != 0)
        return false;
    *name = line + n;
    return true;
}

bool needsTheWholeFile(icalcomponent *event, icalcomponent *calendar)
{
    if (icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)
        || icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY))
        return true;
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_ANY_PROPERTY))
        if (icalparameter *tz = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER))
            if (!icalcomponent_get_timezone(calendar, icalparameter_get_tzid(tz)))
                return true;
    return false;
}

class Reader {
public:
    Reader(const QByteArray &ics, const ImportOptions &options) : ics_(ics), ctx_(zones_.get())
    {
        ctx_.from = options.from.isValid() ? options.from : DateTimeValue::ToDate(options.now);
        ctx_.until = options.until.isValid() ? options.until : ctx_.from.addYears(1);
        ctx_.from = std::max(ctx_.from, QDate(DayGrid::FirstYear, 1, 1));
        ctx_.until = std::min(ctx_.until, QDate(DayGrid::LastYear, 12, 31));
    }

    ParseResult Run()
    {
        const qsizetype skip = ics_.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a UTF-8 byte order mark
        Source src{ics_.constData() + skip, static_cast<size_t>(ics_.size() - skip)};
        std::string line;
        while (streamText(src, line) || nextLine(src, line)) {
            if (!take(line))
                return std::move(result_);
            if (line.capacity() > (1u << 20)) // a long text's line is not kept for the short ones after it
                std::string().swap(line);
        }
        if (depth_ > 0)
            return refuse(QCoreApplication::translate("Ical", "the file ends inside a %1 (cut off?)")
                              .arg(QString::fromLatin1(depth_ == 1 ? "VCALENDAR" : open_.constData())),
                          LastLine(ics_));
        if (!calendars_)
            return refuse(QCoreApplication::translate("Ical",
                                                      "not an iCalendar file (no BEGIN:VCALENDAR ... END:VCALENDAR)"),
                          0);
        if (!finish())
            return std::move(result_);
        result_.ok = true;
        return std::move(result_);
    }

private:
    // The event's SUMMARY or DESCRIPTION straight from the file image: the
    // value is decoded part by part as it is unfolded, so a long text is
    // never held as one line besides. `head` receives the line with a
    // stand-in value for libical. False when the next line is none of these.
    bool streamText(Source &src, std::string &head)
    {
        if (depth_ != 2 || qstricmp(open_.constData(), "VEVENT") != 0 || src.pos >= src.size)
            return false;
        const char *start = src.data + src.pos;
        const char *end = static_cast<const char *>(std::memchr(start, '\n', src.size - src.pos));
        if (!end)
            end = src.data + src.size;
        const size_t nameLength = std::strcspn(start, ";:\n");
        const bool isName = nameLength == 7 && qstrnicmp(start, "SUMMARY", 7) == 0 && !texts_.hasName;
        const bool isDescription = nameLength == 11 && qstrnicmp(start, "DESCRIPTION", 11) == 0
            && !texts_.hasDescription;
        if (!isName && !isDescription)
            return false;
        const char *value = start + nameLength;
        for (bool quoted = false; value < end && (*value != ':' || quoted); ++value)
            quoted ^= *value == '"';
        if (value == end)
            return false;
        ++value;
        // The parts of the folded value: this line's rest, then each
        // continuation line without its leading space or tab.
        std::vector<std::pair<const char *, size_t>> parts;
        size_t bound = 0;
        for (const char *from = value;;) {
            const size_t n = static_cast<size_t>(end - from) - (end > from && end[-1] == '\r' ? 1 : 0);
            parts.emplace_back(from, n);
            bound += n;
            for (const char *c = from; (c = static_cast<const char *>(std::memchr(c, '\r', n - size_t(c - from)))); ++c)
                ++bound;
            const char *next = end < src.data + src.size ? end + 1 : end;
            if (next >= src.data + src.size || (*next != ' ' && *next != '\t'))
                break;
            from = next + 1;
            end = static_cast<const char *>(std::memchr(from, '\n', src.size - size_t(from - src.data)));
            if (!end)
                end = src.data + src.size;
        }
        IcalTextDecoder decoder(bound);
        for (const auto &[p, n] : parts)
            decoder.Feed(p, n);
        (isName ? texts_.name : texts_.description) = decoder.Finish(texts_.unmappable);
        (isName ? texts_.hasName : texts_.hasDescription) = true;
        head.assign(start, static_cast<size_t>(value - start));
        head += 'x';
        src.pos = static_cast<size_t>(end - src.data) + (end < src.data + src.size ? 1 : 0);
        return true;
    }

    // One logical line; false once the file is refused.
    bool take(std::string &text)
    {
        char *line = text.data();
        const char *name = nullptr;
        if (depth_ < 2)
            trimEnd(line);
        if (depth_ == 0) {
            if (!*line)
                return true;
            if (isTag(line, "BEGIN:", &name) && qstricmp(name, "VCALENDAR") == 0) {
                shell_.reset(icalparser_new());
                icalparser_add_line(shell_.get(), line);
                depth_ = 1;
                return true;
            }
            return fail(QCoreApplication::translate("Ical", "not an iCalendar file: \"%1\" outside a VCALENDAR")
                            .arg(QString::fromUtf8(line).left(60)),
                        LineContaining(ics_, QByteArray(line)));
        }
        if (depth_ == 1) {
            if (isTag(line, "END:", &name) && qstricmp(name, "VCALENDAR") == 0) {
                ComponentPtr shell(icalparser_add_line(shell_.get(), line));
                shell_.reset();
                depth_ = 0;
                ++calendars_;
                return shell ? checked(shell.get())
                             : fail(QCoreApplication::translate("Ical", "libical could not close the VCALENDAR"), 0);
            }
            if (isTag(line, "BEGIN:", &name)) {
                inner_.reset(icalparser_new());
                open_ = QByteArray(name);
                texts_ = EventTexts();
                depth_ = 2;
                icalparser_add_line(inner_.get(), line);
                return true;
            }
            icalparser_add_line(shell_.get(), line); // the calendar's own properties
            return true;
        }
        if (isTag(line, "BEGIN:", &name))
            ++depth_;
        else if (isTag(line, "END:", &name))
            --depth_;
        std::string fixed = FixLine(line, depth_ == 2 && qstricmp(open_.constData(), "VEVENT") == 0, texts_);
        char *given = fixed.empty() ? line : fixed.data();
        trimEnd(given);
        ComponentPtr done(icalparser_add_line(inner_.get(), given));
        if (depth_ > 1)
            return true;
        inner_.reset();
        if (!done)
            return fail(QCoreApplication::translate("Ical", "%1 does not close the %2")
                            .arg(QString::fromUtf8(line), QString::fromLatin1(open_)),
                        LineContaining(ics_, QByteArray(line)));
        return component(std::move(done));
    }

    bool component(ComponentPtr c)
    {
        if (!checked(c.get()))
            return false;
        switch (icalcomponent_isa(c.get())) {
        case ICAL_VTIMEZONE_COMPONENT:
            icalcomponent_add_component(zones_.get(), c.release()); // kept for the events' TZIDs
            return true;
        case ICAL_VEVENT_COMPONENT:
            if (needsTheWholeFile(c.get(), zones_.get())) {
                waiting_.push_back({std::move(c), std::move(texts_)});
                return true;
            }
            return read(c.get());
        case ICAL_VTODO_COMPONENT:
        case ICAL_VJOURNAL_COMPONENT:
        case ICAL_VFREEBUSY_COMPONENT:
            ++result_.report
                  .skipped[QCoreApplication::translate("Ical", "not an event (%1)")
                               .arg(QString::fromLatin1(icalcomponent_kind_to_string(icalcomponent_isa(c.get()))))];
            return true;
        default:
            return true;
        }
    }

    bool read(icalcomponent *event)
    {
        if (std::optional<LocalTime> id = RecurrenceId(event, ctx_)) {
            const char *uid = icalcomponent_get_uid(event);
            ctx_.overridden[QByteArray(uid ? uid : "")].push_back(*id);
        }
        return readEvent(event, texts_);
    }

    bool readEvent(icalcomponent *event, EventTexts &texts)
    {
        if (std::optional<Fault> f = ReadEvent(event, texts, ctx_, result_.appointments, result_.report)) {
            const char *uid = icalcomponent_get_uid(event);
            return fail(
                QStringLiteral("%1 %2: %3").arg(QString::fromLatin1(f->property), QString::fromUtf8(f->value), f->what),
                LineOfProperty(ics_, uid ? QByteArray(uid) : QByteArray(), f->property, f->value));
        }
        if (ctx_.budget.exceeded.isEmpty())
            return true;
        fail(ctx_.budget.exceeded, 0);
        result_.overLimit = true;
        return false;
    }

    // The waiting events, once every zone and changed occurrence is known.
    bool finish()
    {
        for (const Waiting &e : waiting_)
            if (std::optional<LocalTime> id = RecurrenceId(e.event.get(), ctx_)) {
                const char *uid = icalcomponent_get_uid(e.event.get());
                ctx_.overridden[QByteArray(uid ? uid : "")].push_back(*id);
            }
        for (Waiting &e : waiting_)
            if (!readEvent(e.event.get(), e.texts))
                return false;
        return true;
    }

    bool checked(icalcomponent *c)
    {
        icalproperty *err = firstParseError(c);
        if (!err)
            return true;
        const QByteArray message = icalproperty_get_xlicerror(err);
        return fail(QString::fromUtf8(message), lineOfParseError(ics_, message));
    }

    bool fail(const QString &what, int line)
    {
        result_ = refuse(what, line);
        return false;
    }

    const QByteArray &ics_;
    ComponentPtr zones_{icalcomponent_new(ICAL_VCALENDAR_COMPONENT)};
    ReadContext ctx_;
    ParserPtr shell_, inner_;
    int depth_ = 0, calendars_ = 0;
    QByteArray open_;
    EventTexts texts_; // of the event being read
    struct Waiting {
        ComponentPtr event;
        EventTexts texts;
    };
    std::vector<Waiting> waiting_;
    ParseResult result_;
};

} // namespace

ParseResult Parse(const QByteArray &ics, const ImportOptions &options)
{
    if (ics.trimmed().isEmpty())
        return refuse(QCoreApplication::translate("Ical", "the file is empty, not an iCalendar file"), 0);
    if (const qsizetype nul = ics.indexOf('\0'); nul >= 0)
        return refuse(QCoreApplication::translate("Ical", "a NUL byte: not an iCalendar text file"),
                      int(ics.left(nul).count('\n')) + 1);
    return Reader(ics, options).Run();
}

} // namespace Ical
