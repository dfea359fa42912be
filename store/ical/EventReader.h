#pragma once
// One VEVENT into the appointments it stands for: its time converted to
// local time, its earliest reminder made the record's reminder plan, and
// a recurring event expanded into the occurrences of the wanted days.

#include "store/ical/Ical.h"
#include "store/ical/Zones.h"

#include <QHash>

#include <optional>
#include <vector>

namespace Ical {

// A value no appointment can have; the file is refused over it.
struct Fault {
    QByteArray property; // where: the property's name ...
    QByteArray value;    // ... and its value as written
    QString what;
};

struct ReadContext {
    explicit ReadContext(icalcomponent *calendar) : zones(calendar) {}
    ZoneResolver zones;
    QDate from, until;
    // Occurrences replaced by an event of their own (RECURRENCE-ID), by UID.
    QHash<QByteArray, std::vector<LocalTime>> overridden;
};

// The RECURRENCE-ID of an override event, if it is one.
std::optional<LocalTime> RecurrenceId(icalcomponent *event, const ReadContext &ctx);

std::optional<Fault> ReadEvent(icalcomponent *event, ReadContext &ctx, std::vector<NewAppointment> &out,
                               ImportReport &report);

} // namespace Ical
