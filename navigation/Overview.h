#pragma once
// What the overview list shows for a node of the date tree: a heading and
// rows. For a day the rows are its appointments in the order they were
// added, read straight from the day's records; for a month, year or all
// years they are per-period counts, each pointing at the tree node to drill
// down into.

#include <QString>
#include <QVector>

#include <cstdint>

class DayGrid;
class TTerminDay;
class TText;

struct OverviewRow {
    QString when;    // first column
    QString what;    // second column
    int target = -1; // node code to select on double-click; -1 for none
};

struct Overview {
    QString heading;
    QVector<OverviewRow> rows;       // period rows, or the single empty-list row
    const TTerminDay *day = nullptr; // a day with records: its records are the rows
    uint32_t dayRows = 0;            // how many records it had when built
    bool isDay = false;              // appointments can be added and deleted only on a day
};

// What the list shows of a name: its first line, and at most ShortLineChars
// characters of it, with "..." when anything was left out. Reads no further
// than that into the text, however long it is.
constexpr int ShortLineChars = 1024;
QString ShortLine(const TText &text);

// "1 Appointment", "3 Dates".
QString CountText(size_t count);

Overview BuildOverview(const DayGrid &grid, int code);

extern const char *const NoAppointmentsText; // "No appointments..."
