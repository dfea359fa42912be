#include "app/cli/StoreBatch.h"

#include "store/DateTimeValue.h"
#include "store/StoredBefore.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QHash>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr quint32 MaxText = 64u << 20; // far beyond any text a person writes

void putText(QDataStream &out, const TText &t)
{
    out << quint32(t.size());
    out.writeRawData(t.data(), int(t.size()));
}

bool getText(QDataStream &in, TText &t)
{
    quint32 n = 0;
    in >> n;
    if (in.status() != QDataStream::Ok || n > MaxText || n > quint32(in.device()->bytesAvailable()))
        return false;
    std::string s(n, '\0');
    if (in.readRawData(s.data(), int(n)) != int(n))
        return false;
    t = s; // stops at an embedded NUL, as reading the data file does
    return true;
}

qint64 millis(double v)
{
    return std::isfinite(v) ? std::llround(v * DateTimeValue::MSecsPerDay) : 0;
}

} // namespace

namespace StoreBatchWire {

QByteArray Encode(const StoreBatch &batch)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    out << quint32(batch.size());
    for (const DatedTermin &d : batch) {
        const TTermin &t = d.termin;
        out << qint32(d.date.year()) << qint32(d.date.month()) << qint32(d.date.day());
        out << t.Time << t.LastReminded << t.FirstRemind << t.RepeatInterval << quint8(t.Done ? 1 : 0);
        putText(out, t.Name);
        putText(out, t.Description);
    }
    return bytes;
}

QString Decode(const QByteArray &bytes, StoreBatch &batch)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    quint32 count = 0;
    in >> count;
    // Every entry takes at least 57 bytes; a count beyond that is a lie.
    if (in.status() != QDataStream::Ok || count > quint32(bytes.size() / 57))
        return QCoreApplication::translate("StoreBatch", "malformed list of appointments");
    StoreBatch result;
    result.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        qint32 y = 0, m = 0, d = 0;
        quint8 done = 0;
        DatedTermin e;
        TTermin &t = e.termin;
        in >> y >> m >> d >> t.Time >> t.LastReminded >> t.FirstRemind >> t.RepeatInterval >> done;
        if (in.status() != QDataStream::Ok)
            return QCoreApplication::translate("StoreBatch", "malformed list of appointments");
        if (!DayGrid::IsValidDay(y, m, d))
            return QCoreApplication::translate("StoreBatch", "appointment %1 is on a day outside 2000 to 2100")
                .arg(i + 1);
        for (double v : {t.Time, t.LastReminded, t.FirstRemind, t.RepeatInterval})
            if (!std::isfinite(v))
                return QCoreApplication::translate("StoreBatch", "appointment %1 holds a value that is not a number")
                    .arg(i + 1);
        t.Done = done != 0;
        if (!getText(in, t.Name) || !getText(in, t.Description))
            return QCoreApplication::translate("StoreBatch", "malformed list of appointments");
        e.date = QDate(y, m, d);
        result.push_back(std::move(e));
    }
    if (!in.atEnd())
        return QCoreApplication::translate("StoreBatch", "malformed list of appointments");
    batch = std::move(result);
    return QString();
}

} // namespace StoreBatchWire

bool SameAppointment(const TTermin &a, const TTermin &b)
{
    return millis(a.Time) == millis(b.Time) && a.Name == b.Name && a.Description == b.Description;
}

BatchCounts BatchAddition::Apply(DayGrid &grid, const StoreBatch &batch, bool skipPresent, bool dryRun)
{
    BatchCounts counts;
    added_.clear();
    // Only what the store held before the batch counts as present: a store
    // with two equal appointments, exported and imported again, gets both
    // back, and importing the same file a second time still adds nothing.
    StoredBefore stored(grid, DateTimeValue::MSecsPerDay);
    std::vector<bool> isNew(batch.size(), true);
    RoomPlan room;
    for (size_t i = 0; i < batch.size(); ++i) {
        const QDate &day = batch[i].date;
        if (skipPresent && stored.Contains(day.year(), day.month(), day.day(), batch[i].termin)) {
            isNew[i] = false;
            ++counts.present;
            continue;
        }
        ++counts.added;
        room.Count(day.year(), day.month(), day.day());
    }
    if (dryRun)
        return counts;
    room.Apply(grid);
    QHash<qint64, int> addedPerDay;
    for (size_t i = 0; i < batch.size(); ++i) {
        if (!isNew[i])
            continue;
        const QDate &day = batch[i].date;
        *grid.AddRecord(grid.Slot(day.year(), day.month(), day.day())) = batch[i].termin;
        ++addedPerDay[day.toJulianDay()];
    }
    for (auto it = addedPerDay.cbegin(); it != addedPerDay.cend(); ++it)
        added_.push_back(Added{QDate::fromJulianDay(it.key()), it.value()});
    return counts;
}

void BatchAddition::Undo(DayGrid &grid)
{
    for (const Added &a : added_) {
        TTerminDay &slot = grid.Slot(a.date.year(), a.date.month(), a.date.day());
        const size_t keep = slot.records.Count() - std::min<size_t>(slot.records.Count(), size_t(a.count));
        grid.RemoveRecordsIf(slot, [keep](size_t i) { return i >= keep; });
    }
    added_.clear();
}
