// A repeating event in the folder is one item for many appointments. Each
// occurrence kept in the store has an entry of its own, decided three ways
// like a single event's; what goes out is written into the series' one
// file: a changed occurrence as an event of its own (RECURRENCE-ID), a
// removed one as an EXDATE.
//
// A change to the series itself (a new time, a new end, the series
// removed) reaches every occurrence not changed here. One a person changed
// here (not merely answered) keeps that change: it is written back into
// the series when the occurrence is still part of it, and otherwise stays
// as an appointment of its own; either way the pass says so.
#include "sync/PassPlan.h"

#include "sync/ItemContent.h"
#include "sync/VdirFolder.h"

#include "store/DateTimeValue.h"
#include "store/ical/CodePageBridge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <map>

namespace {

int dayNumber(const QDate &d)
{
    return DayGrid::DayNumber(d.year(), d.month(), d.day());
}

QDate dayDate(int number)
{
    return QDate(DayGrid::FirstYear, 1, 1).addDays(number);
}

uint64_t contentOf(const QDate &d, const TTermin &t)
{
    return ItemContent::Of(dayNumber(d), t);
}

uint64_t shapeOf(const QDate &d, const TTermin &t)
{
    return ItemContent::ShapeOf(dayNumber(d), t);
}

} // namespace

QDate WindowEnd(const QDate &today)
{
    return std::min(today.addYears(1), QDate(DayGrid::LastYear, 12, 31));
}

int PassPlan::claimRecord(const Ical::NewAppointment &a)
{
    const uint64_t content = contentOf(a.date, a.record);
    int found = -1;
    for (size_t r = 0; r < match_.records.size(); ++r) {
        const int ri = static_cast<int>(r);
        if (claimed_.count(ri) || match_.entryOf[r] >= 0 || match_.records[r].dayNumber != dayNumber(a.date))
            continue;
        if (ItemContent::Of(match_.records[r].dayNumber, recordAt(ri)) == content)
            return ri;
        if (found < 0 && recordAt(ri).Name == a.record.Name && recordAt(ri).Description == a.record.Description
            && std::llround(recordAt(ri).Time * 86400) == std::llround(a.record.Time * 86400))
            found = ri;
    }
    return found;
}

void PassPlan::keepEdited(size_t i, const QString &why)
{
    Action &a = actions_[i];
    a.drop = true;
    // No entry stands for it now: it goes out as an event of its own.
    match_.entryOf[static_cast<size_t>(a.record)] = -1;
    keptEdits.append(QCoreApplication::translate("PassSeries", "\"%1\" on %2 was changed here and is kept: %3")
                         .arg(Ical::DecodeText(recordAt(a.record).Name), dateOf(a.record).toString(Qt::ISODate), why));
}

void PassPlan::decideOccurrence(size_t i, size_t k, Side store, Side folder, const Ical::NewAppointment *item,
                                std::vector<Ical::OccurrenceChange> &changes, std::vector<long long> &removed)
{
    Action &a = actions_[i];
    const IndexEntry &e = entries[i];
    const int r = a.record;
    a.shape = e.shape;
    a.edited = e.edited;
    auto takeFolder = [&] {
        fromFolder(i, *item, store == Side::Removed ? nullptr : &recordAt(r));
        a.shape = shapeOf(item->date, item->record);
        a.edited = e.edited && item->overrides;
        if (a.toFolder) { // the reminder state joined in goes back as this occurrence's
            changes.push_back({e.occurrence, a.toFolder->date, a.toFolder->record});
            a.toFolder.reset();
        }
    };
    auto sendStore = [&] {
        const TTermin &rec = recordAt(r);
        changes.push_back({e.occurrence, dateOf(r), ItemContent::Normalized(rec)});
        a.base = contentOf(dateOf(r), rec);
        a.shape = shapeOf(dateOf(r), rec);
    };
    if (store == Side::Removed) {
        if (folder == Side::Changed) {
            takeFolder(); // changed there: comes back
        } else {
            if (folder == Side::Same)
                removed.push_back(e.occurrence);
            a.drop = true;
        }
        return;
    }
    const bool realEdit = store == Side::Changed && shapeOf(dateOf(r), recordAt(r)) != e.shape;
    const bool edited = e.edited || realEdit;
    if (item && store == Side::Changed && contentOf(dateOf(r), recordAt(r)) == contentOf(item->date, item->record)) {
        a.base = contentOf(item->date, item->record); // the same on both sides
        a.shape = shapeOf(item->date, item->record);
        return;
    }
    const QString &name = QFile::decodeName(series[k].href);
    if (folder == Side::Removed) {
        if (store == Side::Same ? !e.edited : !edited)
            a.removeRecord = a.drop = true;
        else
            keepEdited(i,
                       QCoreApplication::translate("PassSeries",
                                                   "its repeating event %1 no longer has it, so it stays as an "
                                                   "appointment of its own")
                           .arg(name));
        return;
    }
    if (store == Side::Same) {
        if (folder != Side::Changed)
            return;
        if (e.edited && !item->overrides) {
            sendStore();
            keptEdits.append(
                QCoreApplication::translate("PassSeries",
                                            "\"%1\" on %2 was changed here and is kept: the change to %3 did not "
                                            "reach it")
                    .arg(Ical::DecodeText(recordAt(r).Name), dateOf(r).toString(Qt::ISODate), name));
        } else {
            takeFolder();
        }
        return;
    }
    // Changed here. Only answered: the series' change is taken, the answers joined.
    if (folder == Side::Changed && !edited) {
        takeFolder();
        return;
    }
    sendStore();
    a.edited = edited;
    if (folder == Side::Changed)
        keptEdits.append(
            QCoreApplication::translate("PassSeries",
                                        "\"%1\" on %2 was changed here and is kept: the change to %3 did not reach it")
                .arg(Ical::DecodeText(recordAt(r).Name), dateOf(r).toString(Qt::ISODate), name));
}

void PassPlan::decideSeries(size_t k, bool inStep)
{
    SeriesEntry &s = series[k];
    SeriesSide &side = seriesSides[k];
    SeriesWrite &w = seriesWrites_[k];
    const QDate from = dayDate(s.from), oldUntil = dayDate(s.until);
    const QDate until = std::max(oldUntil, WindowEnd(DateTimeValue::ToDate(options_.now)));
    std::vector<size_t> mine;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].inSeries && entries[i].uid == s.uid)
            mine.push_back(i);
    entriesChanged = true;

    const bool pending = side.missing && s.stamp.size < 0 && !s.rule.isEmpty();
    QByteArray bytes;
    Ical::ItemRead made;
    const std::vector<Ical::NewAppointment> *expansion = nullptr;
    if (pending) {
        // Made here and not written yet: the file comes from its rule,
        // starting on its first day, with what most of its occurrences
        // still in the store hold (one changed or removed before it went
        // out becomes that occurrence's own change).
        std::map<uint64_t, std::pair<int, int>> seen; // shape -> how many, the first record
        int most = -1, mostCount = 0;
        for (const size_t i : mine) {
            const int r = actions_[i].record;
            if (r < 0 || entries[i].removed)
                continue;
            auto &[n, firstRecord] = seen.try_emplace(ItemContent::ShapeOf(0, recordAt(r)), 0, r).first->second;
            firstRecord = std::min(firstRecord, r);
            if (++n > mostCount || (n == mostCount && firstRecord < most)) {
                most = firstRecord;
                mostCount = n;
            }
        }
        if (most < 0) {
            w.drop = true;
            for (const size_t i : mine)
                actions_[i].drop = true;
            return;
        }
        bytes = Ical::SeriesBytes(from, recordAt(most), s.rule, s.uid, dataTime_);
        made = Ical::ReadItem(bytes, from, until);
        expansion = &made.appointments;
    } else if (side.aside) {
        w.failed = true; // said when it was set aside
        return;
    } else if (!side.missing) {
        if (!side.item.read.repeats) {
            notes.append(QCoreApplication::translate("PassSeries", "%1 was left alone: its event no longer repeats")
                             .arg(QDir::toNativeSeparators(QDir(options_.folder).filePath(QFile::decodeName(s.href)))));
            w.failed = true;
            return;
        }
        bytes = side.item.bytes;
        expansion = &side.item.read.appointments;
    }
    const bool folderChanged = side.missing ? !pending : side.changed;

    std::map<long long, size_t> byKey;
    std::set<long long> keys; // the entries'
    for (const size_t i : mine)
        keys.insert(entries[i].occurrence);
    if (expansion)
        for (size_t x = 0; x < expansion->size(); ++x)
            byKey.emplace((*expansion)[x].occurrence, x);
    std::set<size_t> used;
    std::vector<Ical::OccurrenceChange> changes;
    std::vector<long long> removed;
    for (const size_t i : mine) {
        IndexEntry &e = entries[i];
        const int r = actions_[i].record;
        actions_[i].base = e.base;
        const StoreRecord *sr = r >= 0 ? &match_.records[static_cast<size_t>(r)] : nullptr;
        Side store = Side::Removed;
        if (!e.removed && sr)
            store = ItemContent::Of(sr->dayNumber, recordAt(r), sr->hash) != e.base ? Side::Changed : Side::Same;
        Side folder = Side::Removed;
        const Ical::NewAppointment *item = nullptr;
        if (expansion) {
            auto x = byKey.find(e.occurrence);
            if (x == byKey.end() && folderChanged) {
                // Gone from the series: when the series was moved (a new
                // time), the occurrence of the same day takes its place.
                for (size_t y = 0; y < expansion->size() && x == byKey.end(); ++y) {
                    const Ical::NewAppointment &n = (*expansion)[y];
                    if (!used.count(y) && !keys.count(n.occurrence) && dayNumber(n.date) == e.day) {
                        x = byKey.find(n.occurrence);
                        keys.insert(n.occurrence);
                        e.occurrence = n.occurrence;
                    }
                }
            }
            if (x != byKey.end()) {
                used.insert(x->second);
                item = &(*expansion)[x->second];
                if (pending) // what it is measured against: an answer before it went out is no change
                    e.shape = shapeOf(item->date, item->record);
                folder = folderChanged && contentOf(item->date, item->record) != e.base ? Side::Changed : Side::Same;
            } else if (!folderChanged) {
                folder = Side::Same;
            }
        }
        decideOccurrence(i, k, store, folder, item, changes, removed);
    }

    // Occurrences no entry stands for: new in the series, or come into the
    // days kept as they moved on.
    if (expansion)
        for (size_t x = 0; x < expansion->size(); ++x) {
            const Ical::NewAppointment &n = (*expansion)[x];
            if (used.count(x) || keys.count(n.occurrence))
                continue;
            if (pending && n.date <= oldUntil) { // removed here before the series went out
                removed.push_back(n.occurrence);
                continue;
            }
            const int r = inStep ? -1 : claimRecord(n);
            const size_t i = static_cast<size_t>(newEntry(s.uid, s.href));
            IndexEntry &e = entries[i];
            e.inSeries = true;
            e.occurrence = n.occurrence;
            match_.recordOf.push_back(r);
            if (r < 0) {
                fromFolder(i, n, nullptr);
                actions_[i].shape = shapeOf(n.date, n.record);
                continue;
            }
            claimed_.insert(r);
            match_.entryOf[static_cast<size_t>(r)] = static_cast<int>(i);
            actions_[i].record = r;
            e.day = match_.records[static_cast<size_t>(r)].dayNumber;
            e.record = match_.records[static_cast<size_t>(r)].hash;
            e.base = contentOf(n.date, n.record);
            e.shape = shapeOf(n.date, n.record);
            actions_[i].base = e.base;
            const bool same = ItemContent::Of(e.day, recordAt(r)) == e.base;
            decideOccurrence(i, k, same ? Side::Same : Side::Changed, Side::Same, &n, changes, removed);
        }

    s.until = dayNumber(until);
    if (side.missing && !pending) {
        w.drop = true; // removed from the folder
        return;
    }
    if (pending || !changes.empty() || !removed.empty()) {
        QString error;
        w.bytes = Ical::EditedSeries(bytes, changes, removed, options_.now, error);
        if (w.bytes.isEmpty()) {
            notes.append(QCoreApplication::translate("PassSeries", "%1 could not be changed: %2")
                             .arg(QFile::decodeName(s.href), error));
            w.failed = true;
        }
    }
}

std::set<QByteArray> PassPlan::applySeriesToFolder(PassReport &report)
{
    std::set<QByteArray> failed;
    std::vector<SeriesEntry> kept;
    for (size_t k = 0; k < series.size(); ++k) {
        SeriesEntry &s = series[k];
        SeriesWrite &w = seriesWrites_[k];
        if (!w.bytes.isEmpty()) {
            QString error;
            const ItemStamp stamp = VdirFolder::Write(options_.folder, s.href, w.bytes, error);
            if (stamp.size < 0) {
                report.errors.append(error);
                w.failed = true;
            } else {
                s.stamp = stamp;
                s.rule.clear();
                ++report.written;
            }
        } else if (!seriesSides[k].missing && !w.failed) {
            s.stamp = seriesSides[k].item.stamp;
        }
        if (w.failed)
            failed.insert(s.uid);
        if (!w.drop || w.failed)
            kept.push_back(s);
    }
    series = std::move(kept);
    return failed;
}
