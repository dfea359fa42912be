#pragma once
// iCalendar interchange of the day grid, on libical.
//
// Export writes one VEVENT per appointment with a VALARM that carries the
// reminder plan; import reads every VEVENT of a file into new appointments
// for the grid. Neither touches the data file: the caller saves as usual.
// Texts cross between the store's 8-bit code page and iCalendar's UTF-8.

#include "store/DayGrid.h"
#include "store/Termin.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>

#include <vector>

namespace Ical {

struct ExportOptions {
    QDate from;     // first day written; null: the grid's first day
    QDate until;    // last day written, inclusive; null: the grid's last day
    double now = 0; // local date-time value stamped into DTSTAMP
};

struct ExportResult {
    QByteArray bytes; // the whole VCALENDAR, CR LF line ends, UTF-8
    int events = 0;   // appointments written
};

ExportResult Export(const DayGrid &grid, const ExportOptions &options);

// The most one import takes, so that no file can keep the program busy for
// hours or fill its memory: occurrences across all events (a single event
// is one; a repeating event one for every time its rules make up to the
// last day imported, those before the first day and those past the most
// one event may add included), and the bytes of the names and
// descriptions of the appointments made. A file beyond either is refused
// whole.
constexpr int MaxImportOccurrences = 2000000;
constexpr long long MaxImportTextBytes = 1LL << 30;

struct ImportOptions {
    double now = 0; // local date-time value; its date is the default `from`
    QDate from;     // recurring events are expanded from this day; null: today
    QDate until;    // ... to this day inclusive; null: one year after `from`
};

// One appointment read from the file, not yet in any grid.
struct NewAppointment {
    QDate date;
    TTermin record;
    // Which occurrence of its event it is: the original start's instant in
    // seconds since 1970 (floating times as if UTC, whole days at their
    // start), the value RECURRENCE-ID names it by. A single event's is its
    // start.
    long long occurrence = 0;
    bool overrides = false; // read from a changed occurrence's own event
};

struct ImportReport {
    int added = 0;              // appointments new to the grid (dry run: would be)
    int alreadyPresent = 0;     // same day, time, name and description as a stored one
    QMap<QString, int> skipped; // reason -> how many
    int unmappableChars = 0;    // characters stored as "?"
    QMap<QString, int> notes;   // imported, but read with an assumption

    int skippedTotal() const;
    // The summary a command prints: "added N, already present M, skipped K
    // (reason: n, ...)" plus the replaced characters when there were any.
    QString summary() const;
};

struct ParseResult {
    bool ok = false;
    QString error;                            // why the file was refused, naming the line when known
    int line = 0;                             // 1-based line of the fault; 0 when unknown
    bool overLimit = false;                   // refused for going beyond the limits above
    std::vector<NewAppointment> appointments; // file order, occurrences by date
    ImportReport report;                      // skipped and unmappable filled; added/present by Merge
};

// Reads a whole file image. Nothing comes out of a file that does not parse
// as a whole: ok is false and appointments is empty.
ParseResult Parse(const QByteArray &ics, const ImportOptions &options);

// Adds to `grid` every appointment whose day, time (to the second), name and
// description match no record the grid held before this call, and counts
// both kinds in `report`. With `dryRun` the grid is left unchanged.
void Merge(const std::vector<NewAppointment> &appointments, DayGrid &grid, ImportReport &report, bool dryRun = false);

} // namespace Ical
