#pragma once
// Finding the line of a fault that libical reported without one. Only used
// once a file has been refused, so it may walk the text again.

#include <QByteArray>

namespace Ical {

// The 1-based line on which the first logical (unfolded) line at or after
// line `from` that contains `needle` starts; 0 when none does.
int LineContaining(const QByteArray &ics, const QByteArray &needle, int from = 1);

// The line of property `name` (with `value` in it, when given) inside the
// event whose UID is `uid` (or anywhere, when `uid` is empty); with
// `emptyValue` only one that has nothing after its colon.
int LineOfProperty(const QByteArray &ics, const QByteArray &uid, const QByteArray &name, const QByteArray &value,
                   bool emptyValue = false);

// The number of the last line that holds anything.
int LastLine(const QByteArray &ics);

} // namespace Ical
