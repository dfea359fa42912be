#include "store/ical/Locate.h"

#include <functional>

namespace Ical {

namespace {

// Calls f(startLine, unfoldedText) for every logical line until f returns true.
void forEachLogicalLine(const QByteArray &ics, const std::function<bool(int, const QByteArray &)> &f)
{
    QByteArray logical;
    int start = 0, line = 0;
    qsizetype pos = 0;
    while (pos < ics.size()) {
        qsizetype end = ics.indexOf('\n', pos);
        if (end < 0)
            end = ics.size();
        QByteArray physical = ics.mid(pos, end - pos);
        if (physical.endsWith('\r'))
            physical.chop(1);
        ++line;
        pos = end + 1;
        if (!physical.isEmpty() && (physical[0] == ' ' || physical[0] == '\t') && start) {
            logical += physical.mid(1);
            continue;
        }
        if (start && f(start, logical))
            return;
        logical = physical;
        start = line;
    }
    if (start)
        f(start, logical);
}

} // namespace

int LineContaining(const QByteArray &ics, const QByteArray &needle, int from)
{
    int found = 0;
    forEachLogicalLine(ics, [&](int line, const QByteArray &text) {
        if (line >= from && text.contains(needle)) {
            found = line;
            return true;
        }
        return false;
    });
    return found;
}

int LineOfProperty(const QByteArray &ics, const QByteArray &uid, const QByteArray &name, const QByteArray &value,
                   bool emptyValue)
{
    // The event begins at the last BEGIN:VEVENT before its UID line.
    int eventStart = 1;
    if (!uid.isEmpty()) {
        int begin = 0;
        forEachLogicalLine(ics, [&](int line, const QByteArray &text) {
            if (text.trimmed().toUpper() == "BEGIN:VEVENT")
                begin = line;
            if (text.startsWith("UID") && text.mid(text.indexOf(':') + 1) == uid) {
                eventStart = begin ? begin : line;
                return true;
            }
            return false;
        });
    }
    const QByteArray upperName = name.toUpper();
    int found = 0;
    forEachLogicalLine(ics, [&](int line, const QByteArray &text) {
        if (line < eventStart)
            return false;
        const QByteArray head = text.left(upperName.size()).toUpper();
        const char after = text.size() > upperName.size() ? text[upperName.size()] : ':';
        if (head == upperName && (after == ':' || after == ';') && (value.isEmpty() || text.contains(value))
            && (!emptyValue || text.trimmed().endsWith(':'))) {
            found = line;
            return true;
        }
        return false;
    });
    return found;
}

int LastLine(const QByteArray &ics)
{
    int line = 0, last = 0;
    qsizetype pos = 0;
    while (pos < ics.size()) {
        qsizetype end = ics.indexOf('\n', pos);
        if (end < 0)
            end = ics.size();
        ++line;
        if (!ics.mid(pos, end - pos).trimmed().isEmpty())
            last = line;
        pos = end + 1;
    }
    return last;
}

} // namespace Ical
