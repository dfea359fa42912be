#pragma once
// One VEVENT into the appointments it stands for: its time converted to
// local time, its earliest reminder made the record's reminder plan, and
// a recurring event expanded into the occurrences of the wanted days.

#include "store/ical/Ical.h"
#include "store/ical/LineFixes.h"
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

// What is left of the work one import may do (see MaxImportOccurrences).
struct ImportBudget {
    long long occurrences = MaxImportOccurrences;
    long long textBytes = MaxImportTextBytes;
    QString exceeded; // why the import stops, once it does
    // Takes `n` occurrences and `bytes` of text; false once beyond either
    // limit, with `exceeded` saying which. `until`: the last day imported.
    bool Take(long long n, long long bytes, const QDate &until);
};

struct ReadContext {
    explicit ReadContext(icalcomponent *calendar) : zones(calendar) {}
    ImportBudget budget;
    ZoneResolver zones;
    QDate from, until;
    // Occurrences replaced by an event of their own (RECURRENCE-ID), by UID.
    QHash<QByteArray, std::vector<LocalTime>> overridden;
};

// The RECURRENCE-ID of an override event, if it is one.
std::optional<LocalTime> RecurrenceId(icalcomponent *event, const ReadContext &ctx);

// `texts`: the event's name and description as its lines gave them; they
// are moved out.
std::optional<Fault> ReadEvent(icalcomponent *event, EventTexts &texts, ReadContext &ctx,
                               std::vector<NewAppointment> &out, ImportReport &report);

} // namespace Ical
