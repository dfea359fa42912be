#include "store/ical/Ical.h"

#include "store/StoredBefore.h"

#include <QCoreApplication>
#include <QStringList>

namespace Ical {

void Merge(const std::vector<NewAppointment> &appointments, DayGrid &grid, ImportReport &report, bool dryRun)
{
    // Only records the grid held before the import count as present, so
    // two equal appointments in one file both arrive.
    StoredBefore stored(grid, 86400.0);
    std::vector<const NewAppointment *> fresh;
    RoomPlan room;
    for (const NewAppointment &a : appointments) {
        if (stored.Contains(a.date.year(), a.date.month(), a.date.day(), a.record)) {
            ++report.alreadyPresent;
            continue;
        }
        ++report.added;
        fresh.push_back(&a);
        room.Count(a.date.year(), a.date.month(), a.date.day());
    }
    if (dryRun)
        return;
    room.Apply(grid);
    for (const NewAppointment *a : fresh)
        *grid.AddRecord(grid.Slot(a->date.year(), a->date.month(), a->date.day())) = a->record;
}

int ImportReport::skippedTotal() const
{
    int n = 0;
    for (int v : skipped)
        n += v;
    return n;
}

QString ImportReport::summary() const
{
    QString s = QCoreApplication::translate("Ical", "added %1, already present %2, skipped %3")
                    .arg(added)
                    .arg(alreadyPresent)
                    .arg(skippedTotal());
    QStringList why;
    for (auto it = skipped.cbegin(); it != skipped.cend(); ++it)
        why << QStringLiteral("%1: %2").arg(it.key()).arg(it.value());
    if (!why.isEmpty())
        s += QStringLiteral(" (") + why.join(QStringLiteral(", ")) + QLatin1Char(')');
    if (unmappableChars)
        s += QCoreApplication::translate("Ical", "; %1 characters outside the code page stored as \"?\"")
                 .arg(unmappableChars);
    for (auto it = notes.cbegin(); it != notes.cend(); ++it)
        s += QCoreApplication::translate("Ical", "; %1: %2").arg(it.key()).arg(it.value());
    return s;
}

} // namespace Ical
