#include "store/ical/Ical.h"

#include <QHash>
#include <QStringList>

#include <cmath>

namespace Ical {

namespace {

long long second(double time)
{
    return std::isfinite(time) ? std::llround(time * 86400.0) : 0;
}

bool sameAppointment(const TTermin &a, const TTermin &b)
{
    return second(a.Time) == second(b.Time) && a.Name == b.Name && a.Description == b.Description;
}

} // namespace

void Merge(const std::vector<NewAppointment> &appointments, DayGrid &grid, ImportReport &report, bool dryRun)
{
    // Only records the grid held before the import count as present, so
    // two equal appointments in one file both arrive.
    QHash<const TTerminDay *, uint32_t> before;
    for (const NewAppointment &a : appointments) {
        TTerminDay &slot = grid.Slot(a.date.year(), a.date.month(), a.date.day());
        auto it = before.find(&slot);
        if (it == before.end())
            it = before.insert(&slot, slot.records.Count());
        bool present = false;
        for (uint32_t i = 0; i < *it && !present; ++i)
            present = sameAppointment(slot.records.At(i), a.record);
        if (present) {
            ++report.alreadyPresent;
            continue;
        }
        ++report.added;
        if (!dryRun)
            *grid.AddRecord(slot) = a.record;
    }
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
    QString s =
        QStringLiteral("added %1, already present %2, skipped %3").arg(added).arg(alreadyPresent).arg(skippedTotal());
    QStringList why;
    for (auto it = skipped.cbegin(); it != skipped.cend(); ++it)
        why << QStringLiteral("%1: %2").arg(it.key()).arg(it.value());
    if (!why.isEmpty())
        s += QStringLiteral(" (") + why.join(QStringLiteral(", ")) + QLatin1Char(')');
    if (unmappableChars)
        s += QStringLiteral("; %1 characters outside the code page stored as \"?\"").arg(unmappableChars);
    for (auto it = notes.cbegin(); it != notes.cend(); ++it)
        s += QStringLiteral("; %1: %2").arg(it.key()).arg(it.value());
    return s;
}

} // namespace Ical
