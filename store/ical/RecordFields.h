#pragma once
// What export writes beyond the standard properties so that import gives
// back a record bit for bit, and the rules both sides share about when the
// standard properties carry a value at all.
//
// The standard properties hold times to the second; the exact values go
// into one private property that other programs ignore. Import trusts an
// exact value only while it still agrees with the standard property it
// refines, so an event edited elsewhere is read by what was edited.

#include <QByteArray>

#include <optional>

namespace Ical {

extern const char *const ExactProperty;      // TIME=..;FIRST=..;REPEAT=..;LAST=..
extern const char *const DoneProperty;       // TRUE when no further reminders
extern const char *const NameBreaksProperty; // line-break kinds of the name
extern const char *const DescriptionBreaksProperty;
// Marks the VALARM that carries this program's reminder plan, among the
// alarms other programs gave the event.
extern const char *const OwnAlarmProperty;

struct ExactValues {
    double time = 0, first = 0, repeat = 0, last = 0;
};
QByteArray FormatExact(const ExactValues &v);
std::optional<ExactValues> ParseExact(const QByteArray &text);

// Durations as whole seconds, bounded to what an iCalendar duration can
// hold; NaN counts as 0.
long long DurationSeconds(double days);

// Export writes REPEAT and DURATION only when at least one repeat fits
// between the first reminder and the appointment; the count fits them all.
bool WritesRepeat(double first, double repeat, int *count = nullptr);

// Export writes ACKNOWLEDGED only for a reminder that happened at a time
// the calendar can show.
bool WritesAcknowledged(double lastReminded);

// True when `a` (days) and `seconds` name the same second.
bool SameSecond(double a, long long seconds);

} // namespace Ical
