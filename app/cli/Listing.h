#pragma once
// "kalvix list": the appointments of a range of days in calendar order and,
// within a day, in stored order, as lines for a person or as tab-separated
// values for scripts.

#include "store/DayGrid.h"

#include <QDate>
#include <QString>

namespace Listing {

enum class Format { Text, Tsv };

// Where an appointment stands with its reminders at `now` (a date-time
// value): one word for scripts, and a phrase for people.
struct ReminderState {
    QString word;   // done, passed, due, waiting, reminded
    QString phrase; // "first reminder 2026-12-21 12:00", "reminded 2026-12-22 09:14", ...
};
ReminderState StateOf(const TTermin &t, const QDate &day, double now);

// Every appointment from `from` to `to` (both included), one a line,
// texts decoded from the file's code page. Nothing at all for an empty
// range. Text lines: date, time, name, reminder state. TSV columns: date,
// time, name, state, last reminded, first reminder, repeat interval,
// description, with tab, line break, carriage return, NUL and backslash
// written as \t, \n, \r, \0 and \\; a duration beyond any clock as its
// number of days.
QString Lines(const DayGrid &grid, const QDate &from, const QDate &to, double now, Format format);

} // namespace Listing
