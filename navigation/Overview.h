#pragma once
// What the overview list shows for a node of the date tree: a heading and
// rows. For a day the rows are its appointments in the order they were
// added; for a month, year or all years they are per-period counts, each
// pointing at the tree node to drill down into.

#include <QString>
#include <QVector>

#include <functional>

class DayGrid;

struct OverviewRow {
    QString when;     // first column
    QString what;     // second column
    int target = -1;  // node code to select on double-click; -1 for none
};

struct Overview {
    QString heading;
    QVector<OverviewRow> rows;
    bool isDay = false; // appointments can be added and deleted only on a day
};

// "1 Appointment", "3 Dates".
QString CountText(size_t count);

// `timeText` formats a time of day (a date-time fraction) the way the list
// shows it.
Overview BuildOverview(const DayGrid &grid, int code, const std::function<QString(double)> &timeText);

extern const char *const NoAppointmentsText; // "No appointments..."
