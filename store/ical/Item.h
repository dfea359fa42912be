#pragma once
// One appointment as a calendar file of its own: the unit a calendar
// folder shared with other programs (a vdir, as vdirsyncer and khal keep
// it) holds, one VCALENDAR with one event, named by the event's UID.

#include "store/ical/Ical.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

namespace Ical {

// The file for `record` on `date`. `changed` (a local date-time value) is
// when the appointment was last changed: written as LAST-MODIFIED and
// DTSTAMP, so that another copy can tell which of two changes came later.
QByteArray ItemBytes(const QDate &date, const TTermin &record, const QByteArray &uid, double changed);

struct ItemRead {
    bool ok = false;
    QString error;        // why the file is not a calendar item we can read
    QByteArray uid;       // the first event's UID; empty when it has none
    bool ours = false;    // written by this program (its product id)
    double changed = 0;   // LAST-MODIFIED, else DTSTAMP, as a local date-time value; 0 when neither
    bool events = false;  // holds an event at all (a task list's file does not)
    bool repeats = false; // its event has a rule or extra dates (RRULE, RDATE)
    // The appointments it stands for: one for a plain event, none for an
    // event outside the years the store holds, several for a repeating one.
    std::vector<NewAppointment> appointments;
};

// Reads one item file. A repeating event is expanded over the days `from`
// to `until`; null days stand for every year the store holds.
ItemRead ReadItem(const QByteArray &bytes, const QDate &from = QDate(), const QDate &until = QDate());

} // namespace Ical
