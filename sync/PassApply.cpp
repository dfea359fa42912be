// Carrying out a pass's decisions: into the store in memory (saved by the
// caller), then into the folder.
#include "sync/PassPlan.h"

#include "sync/VdirFolder.h"

#include "store/StoreHashes.h"
#include "store/ical/ItemPatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <map>
#include <set>
#include <tuple>

namespace {

int dayNumber(const QDate &d)
{
    return DayGrid::DayNumber(d.year(), d.month(), d.day());
}

// What an item's file gets: the file there changed where there is one, so
// that another program's event keeps everything it holds; a new one
// where there is none. False, with `error`, when the file there cannot be
// changed: it is left as it is, and the next pass tries again.
bool itemBytes(const QString &folder, const QByteArray &href, const QDate &date, const TTermin &record,
               const QByteArray &uid, double changed, QByteArray &out, QString &error)
{
    const QString path = QDir(folder).filePath(QFile::decodeName(href));
    QFile f(path);
    if (!f.exists()) {
        out = Ical::ItemBytes(date, record, uid, changed);
        return true;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("PassApply", "%1 cannot be read: %2")
                    .arg(QDir::toNativeSeparators(path), f.errorString());
        return false;
    }
    out = Ical::PatchedItem(f.readAll(), date, record, changed, error);
    if (out.isEmpty())
        error = QCoreApplication::translate("PassApply", "%1 was not changed: %2")
                    .arg(QDir::toNativeSeparators(path), error);
    return !out.isEmpty();
}

} // namespace

uint64_t PassPlan::ApplyToStore(PassReport &report)
{
    std::map<std::tuple<int, int, int>, std::set<size_t>> removals;
    std::vector<size_t> adds; // entries whose record is added
    for (size_t i = 0; i < actions_.size(); ++i) {
        Action &a = actions_[i];
        const StoreRecord *s = a.record >= 0 ? &match_.records[static_cast<size_t>(a.record)] : nullptr;
        if (a.removeRecord && s) {
            removals[{s->year, s->month, s->day}].insert(s->index);
            ++report.removed;
        } else if (a.toStore) {
            const QDate &d = a.toStore->date;
            if (!s) {
                adds.push_back(i);
                ++report.added;
            } else if (QDate(s->year, s->month, s->day) == d) {
                TTerminDay &slot = grid_.Slot(s->year, s->month, s->day);
                *grid_.RecordAt(slot, static_cast<int>(s->index)) = a.toStore->record;
                grid_.NoteChange();
                ++report.changed;
            } else {
                // Moved to another day: its place there is at the end.
                removals[{s->year, s->month, s->day}].insert(s->index);
                adds.push_back(i);
                ++report.changed;
            }
        } else {
            continue;
        }
        report.storeChanged = true;
    }
    for (const auto &[key, gone] : removals) {
        const auto &[y, m, d] = key;
        grid_.RemoveRecordsIf(grid_.Slot(y, m, d), [&gone](size_t k) { return gone.count(k) > 0; });
    }
    for (const size_t i : adds) {
        const QDate &d = actions_[i].toStore->date;
        *grid_.AddRecord(grid_.Slot(d.year(), d.month(), d.day())) = actions_[i].toStore->record;
    }

    // Where each entry's record is now.
    for (size_t i = 0; i < entries.size(); ++i) {
        IndexEntry &e = entries[i];
        const Action &a = actions_[i];
        int day = e.day;
        uint64_t record = e.record;
        if (a.toStore) {
            day = dayNumber(a.toStore->date);
            record = RecordHash(a.toStore->record);
        } else if (a.record >= 0) {
            day = match_.records[static_cast<size_t>(a.record)].dayNumber;
            record = match_.records[static_cast<size_t>(a.record)].hash;
        }
        if (day != e.day || record != e.record)
            entriesChanged = true;
        e.day = day;
        e.record = record;
    }
    return StoreFingerprint(DayHashes::Of(grid_));
}

void PassPlan::ApplyToFolder(PassReport &report)
{
    const QDir dir(options_.folder);
    std::vector<bool> drop(entries.size(), false);
    const std::set<QByteArray> waiting = applySeriesToFolder(report);
    for (size_t i = 0; i < entries.size(); ++i) {
        IndexEntry &e = entries[i];
        const Action &a = actions_[i];
        if (e.inSeries) {
            // Carried out in its series' file, or waiting with it.
            if (waiting.count(e.uid))
                continue;
            e.base = a.base;
            e.shape = a.shape;
            e.edited = a.edited;
            e.changed = 0;
            e.removed = false;
            drop[i] = a.drop;
            entriesChanged = true;
            continue;
        }
        if (a.removeItem) {
            const QString path = dir.filePath(QFile::decodeName(e.href));
            if (!QFile::remove(path) && QFile::exists(path)) {
                report.errors.append(QCoreApplication::translate("PassApply", "could not remove %1")
                                         .arg(QDir::toNativeSeparators(path)));
                e.removed = true; // tried again at the next pass
                continue;
            }
            ++report.deleted;
        }
        if (a.toFolder) {
            QString error;
            QByteArray bytes;
            const ItemStamp stamp = itemBytes(options_.folder, e.href, a.toFolder->date, a.toFolder->record, e.uid,
                                              a.changed, bytes, error)
                ? VdirFolder::Write(options_.folder, e.href, bytes, error)
                : ItemStamp();
            if (stamp.size < 0) {
                // The entry stays as it was: the next pass finds the store
                // still ahead of the folder and writes again.
                report.errors.append(error);
                continue;
            }
            e.stamp = stamp;
            ++report.written;
        }
        if (e.base != a.base || e.changed != 0 || e.removed || a.toFolder)
            entriesChanged = true;
        e.base = a.base;
        e.changed = 0;
        e.removed = false;
        drop[i] = a.drop;
    }
    if ((report.written > 0 || report.deleted > 0) && !VdirFolder::Flush(options_.folder))
        report.errors.append(QCoreApplication::translate("PassApply", "could not flush %1 to the disk")
                                 .arg(QDir::toNativeSeparators(options_.folder)));
    // A pass that did not finish has not seen its new items reach the
    // disk: they are kept as not exchanged yet, so that a later pass
    // writes them again rather than take their files' absence (a folder
    // cleared after a full disk) for removals on the other side.
    if (!report.errors.isEmpty())
        for (size_t i = 0; i < entries.size(); ++i)
            if (actions_[i].sentNew)
                entries[i].base = 0;
    std::vector<IndexEntry> kept;
    kept.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (drop[i])
            entriesChanged = true;
        else
            kept.push_back(std::move(entries[i]));
    }
    entries = std::move(kept);
}
