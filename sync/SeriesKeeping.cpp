#include "sync/SeriesKeeping.h"

#include "sync/ItemContent.h"
#include "sync/RecordMatch.h"
#include "sync/VdirConfig.h"
#include "sync/VdirFolder.h"
#include "sync/VdirIndex.h"

#include "store/StoreHashes.h"

#include <QDateTime>
#include <QUuid>

#include <cmath>
#include <set>

namespace SeriesKeeping {

long long FloatingKey(const QDate &date, double time)
{
    return QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch() + std::llround(time * 86400);
}

bool Register(const QString &dataPath, const DayGrid &grid, const std::vector<QDate> &days, const TTermin &record,
              const QByteArray &rule, double now, QString &error)
{
    if (days.empty())
        return true;
    const QString path = VdirIndex::PathFor(dataPath);
    const uint64_t fingerprint = StoreFingerprint(DayHashes::Of(grid));
    VdirIndex index;
    if (!index.Load(path, error)) {
        // A store never mirrored gets no index: nothing beside its data
        // file until a calendar folder is set for it.
        if (!error.isEmpty() || VdirConfig::FolderFor(dataPath).isEmpty())
            return error.isEmpty();
        index.store = fingerprint; // set, but not mirrored yet: an index with no folder
    }
    if (index.store != fingerprint)
        return true;
    SeriesEntry s;
    s.uid = QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + "@kalvix";
    s.href = VdirFolder::NameFor(s.uid);
    s.stamp.size = -1;
    s.from = DayGrid::DayNumber(days.front().year(), days.front().month(), days.front().day());
    s.until = DayGrid::DayNumber(days.back().year(), days.back().month(), days.back().day());
    s.rule = rule;

    const uint64_t hash = RecordHash(record);
    std::set<int> wanted;
    for (const QDate &d : days)
        wanted.insert(DayGrid::DayNumber(d.year(), d.month(), d.day()));
    const RecordMatch m = RecordMatch::Of(grid, index.entries, true);
    std::set<int> taken; // one record a day
    for (size_t r = 0; r < m.records.size(); ++r) {
        const StoreRecord &sr = m.records[r];
        if (m.entryOf[r] >= 0 || sr.hash != hash || !wanted.count(sr.dayNumber) || !taken.insert(sr.dayNumber).second)
            continue;
        IndexEntry e;
        e.uid = s.uid;
        e.href = s.href;
        e.day = sr.dayNumber;
        e.record = sr.hash;
        e.changed = now;
        e.inSeries = true;
        e.occurrence = FloatingKey(QDate(sr.year, sr.month, sr.day), record.Time);
        index.entries.push_back(e);
    }
    index.series.push_back(s);
    index.windowEnd = index.windowEnd == 0 ? s.until : std::min(index.windowEnd, s.until);
    index.clean = false;
    return index.Save(path, error);
}

} // namespace SeriesKeeping
