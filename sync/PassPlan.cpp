#include "sync/PassPlan.h"

#include "sync/ItemContent.h"
#include "sync/KeptVersion.h"
#include "sync/VdirFolder.h"

#include "store/DateTimeValue.h"
#include "store/FileStamp.h"
#include "store/StoreHashes.h"
#include "store/ical/CodePageBridge.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <map>
#include <set>

namespace {

int dayNumber(const QDate &d)
{
    return DayGrid::DayNumber(d.year(), d.month(), d.day());
}

uint64_t contentOf(const QDate &d, const TTermin &t)
{
    return ItemContent::Of(dayNumber(d), t);
}

// Day, time to the second, name and description: what makes two
// appointments the same one to a person (and to import's duplicate check).
bool sameAppointment(const QDate &da, const TTermin &a, const QDate &db, const TTermin &b)
{
    return da == db && std::llround(a.Time * 86400) == std::llround(b.Time * 86400) && a.Name == b.Name
        && a.Description == b.Description;
}

} // namespace

PassPlan::PassPlan(const PassOptions &options, DayGrid &grid) : options_(options), grid_(grid)
{
    const FileStamp s = FileStamp::Of(options.dataPath);
    dataTime_ = s.exists ? DateTimeValue::FromDateTime(QDateTime::fromMSecsSinceEpoch(s.modifiedNs / 1000000))
                         : options.now;
}

const TTermin &PassPlan::recordAt(int r) const
{
    const StoreRecord &s = match_.records[static_cast<size_t>(r)];
    return grid_.Slot(s.year, s.month, s.day).records.Data()[s.index];
}

QDate PassPlan::dateOf(int r) const
{
    const StoreRecord &s = match_.records[static_cast<size_t>(r)];
    return QDate(s.year, s.month, s.day);
}

int PassPlan::newEntry(const QByteArray &uid, const QByteArray &href)
{
    IndexEntry e;
    e.uid = uid;
    e.href = href;
    entries.push_back(e);
    actions_.emplace_back();
    entriesChanged = true;
    return static_cast<int>(entries.size() - 1);
}

bool PassPlan::oneAppointment(const FolderItem &item)
{
    const QString name = QDir::toNativeSeparators(QDir(options_.folder).filePath(QFile::decodeName(item.href)));
    QString why;
    if (!item.read.events)
        why = QCoreApplication::translate("PassPlan", "it holds no event");
    else if (item.read.uid.isEmpty())
        why = QCoreApplication::translate("PassPlan", "its event has no UID");
    else if (item.read.appointments.empty())
        why = QCoreApplication::translate("PassPlan", "its event lies outside the years 2000 to 2100");
    else if (item.read.repeats)
        why = QCoreApplication::translate(
            "PassPlan", "its event now repeats; it stands for one appointment here, which was kept as it is");
    else if (item.read.appointments.size() > 1)
        why = QCoreApplication::translate("PassPlan", "it holds more than one event");
    if (!why.isEmpty())
        notes.append(QCoreApplication::translate("PassPlan", "%1 was left alone: %2").arg(name, why));
    return why.isEmpty();
}

void PassPlan::Decide(std::vector<FolderSide> &sides, std::vector<FolderItem> &fresh, bool inStep)
{
    match_ = RecordMatch::Of(grid_, entries, inStep);
    actions_.assign(entries.size(), Action());
    std::map<QByteArray, size_t> byUid;
    for (size_t i = 0; i < entries.size(); ++i)
        byUid[entries[i].uid] = i;
    known_ = byUid.size();
    for (const SeriesEntry &s : series)
        known_ += !byUid.count(s.uid);

    // A file of the folder the index does not know: an item renamed (its
    // UID is known), one new from elsewhere, or, with the index lost, any.
    std::set<int> &claimed = claimed_;
    for (const int r : match_.recordOf)
        if (r >= 0)
            claimed.insert(r);
    std::map<QByteArray, size_t> seriesByUid;
    for (size_t k = 0; k < series.size(); ++k)
        seriesByUid[series[k].uid] = k;
    for (FolderItem &item : fresh) {
        if (item.read.repeats && !item.read.uid.isEmpty() && !byUid.count(item.read.uid)) {
            const auto known = seriesByUid.find(item.read.uid);
            if (known == seriesByUid.end()) {
                seriesByUid[item.read.uid] = freshSeries_.size() + series.size();
                freshSeries_.push_back(std::move(item));
            } else if (seriesSides[known->second].missing) { // renamed
                series[known->second].href = item.href;
                seriesSides[known->second] = SeriesSide{false, true, std::move(item)};
            }
            continue;
        }
        if (!oneAppointment(item))
            continue;
        const Ical::NewAppointment &a = item.read.appointments.front();
        const auto known = byUid.find(item.read.uid);
        if (known != byUid.end()) {
            FolderSide &side = sides[known->second];
            if (side.state != Side::Removed) {
                notes.append(
                    QCoreApplication::translate("PassPlan",
                                                "%1 was left alone: another file holds an event with the same UID")
                        .arg(QDir::toNativeSeparators(QDir(options_.folder).filePath(QFile::decodeName(item.href)))));
                continue;
            }
            entries[known->second].href = item.href;
            side.state = Side::Same;
            side.read = true;
            side.item = std::move(item);
            entriesChanged = true;
            continue;
        }
        int record = -1;
        bool exact = false;
        if (!inStep) {
            const uint64_t content = contentOf(a.date, a.record);
            for (size_t r = 0; r < match_.records.size() && record < 0; ++r)
                if (!claimed.count(static_cast<int>(r)) && match_.records[r].dayNumber == dayNumber(a.date)
                    && ItemContent::Of(match_.records[r].dayNumber, recordAt(static_cast<int>(r))) == content) {
                    record = static_cast<int>(r);
                    exact = true;
                }
            for (size_t r = 0; r < match_.records.size() && record < 0; ++r)
                if (!claimed.count(static_cast<int>(r))
                    && sameAppointment(dateOf(static_cast<int>(r)), recordAt(static_cast<int>(r)), a.date, a.record))
                    record = static_cast<int>(r);
            if (record < 0)
                record = byDayAndName(item);
        }
        const size_t i = static_cast<size_t>(newEntry(item.read.uid, item.href));
        byUid[item.read.uid] = i;
        IndexEntry &e = entries[i];
        e.stamp = item.stamp;
        if (record >= 0) {
            claimed.insert(record);
            match_.entryOf[static_cast<size_t>(record)] = static_cast<int>(i);
            match_.recordOf.push_back(record);
            e.day = match_.records[static_cast<size_t>(record)].dayNumber;
            e.record = match_.records[static_cast<size_t>(record)].hash;
            // Found by contents: the same, or the same appointment whose
            // two versions are joined as if both had changed it.
            e.base = exact ? contentOf(a.date, a.record) : 0;
            actions_[i].record = record;
            if (!exact)
                bothChanged(i, a, item.read.changed);
            else
                actions_[i].base = e.base;
        } else {
            match_.recordOf.push_back(-1);
            fromFolder(i, a, nullptr);
        }
    }

    for (size_t i = 0; i < sides.size(); ++i) {
        IndexEntry &e = entries[i];
        const int r = match_.recordOf[i];
        actions_[i].record = r;
        actions_[i].base = e.base;
        if (e.inSeries)
            continue; // decided with its series
        const StoreRecord *sr = r >= 0 ? &match_.records[static_cast<size_t>(r)] : nullptr;
        Side store = Side::Removed;
        if (!e.removed && sr)
            store = ItemContent::Of(sr->dayNumber, recordAt(r), sr->hash) != e.base ? Side::Changed : Side::Same;
        FolderSide &fs = sides[i];
        const Ical::NewAppointment *item = nullptr;
        if (fs.read) {
            if (oneAppointment(fs.item)) {
                item = &fs.item.read.appointments.front();
                const bool changed = contentOf(item->date, item->record) != e.base;
                fs.state = changed ? Side::Changed : Side::Same;
                if (!changed && e.stamp != fs.item.stamp) {
                    e.stamp = fs.item.stamp; // touched, or written back as it was
                    entriesChanged = true;
                }
            } else {
                fs.state = Side::Same; // kept as the store has it, and not written over
                if (store == Side::Changed)
                    continue;
            }
        }
        decideOne(i, store, fs.state, item, fs.item.read.changed);
    }

    seriesWrites_.assign(series.size(), SeriesWrite());
    for (size_t k = 0; k < series.size(); ++k)
        decideSeries(k, inStep);
    const QDate today = DateTimeValue::ToDate(options_.now);
    for (FolderItem &item : freshSeries_) {
        SeriesEntry s;
        s.uid = item.read.uid;
        s.href = item.href;
        s.from = dayNumber(std::max(today, QDate(DayGrid::FirstYear, 1, 1)));
        s.until = dayNumber(WindowEnd(today));
        series.push_back(s);
        seriesSides.push_back(SeriesSide{false, true, std::move(item)});
        seriesWrites_.emplace_back();
        decideSeries(series.size() - 1, inStep);
    }

    // Records no entry stands for are new here.
    for (size_t r = 0; r < match_.records.size(); ++r) {
        if (match_.entryOf[r] >= 0)
            continue;
        const QByteArray uid = QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + "@kalvix";
        const size_t i = static_cast<size_t>(newEntry(uid, VdirFolder::NameFor(uid)));
        match_.recordOf.push_back(static_cast<int>(r));
        actions_[i].record = static_cast<int>(r);
        actions_[i].sentNew = true;
        toFolder(i, dateOf(static_cast<int>(r)), recordAt(static_cast<int>(r)), dataTime_);
    }
}

int PassPlan::byDayAndName(const FolderItem &item)
{
    // With the index lost, an appointment changed here since it went out
    // no longer matches its event by contents; sending it out anew would
    // put a second event beside its first on every machine. The one
    // unclaimed appointment of that day and name is taken for it (the
    // later version wins, the other is kept in "conflicts"); with two or
    // more, which one it is cannot be told, and the event comes in as an
    // appointment of its own.
    const Ical::NewAppointment &a = item.read.appointments.front();
    int found = -1;
    for (size_t r = 0; r < match_.records.size(); ++r)
        if (!claimed_.count(static_cast<int>(r)) && match_.records[r].dayNumber == dayNumber(a.date)
            && recordAt(static_cast<int>(r)).Name == a.record.Name) {
            if (found >= 0)
                return -1;
            found = static_cast<int>(r);
        }
    if (found >= 0)
        notes.append(QCoreApplication::translate("PassPlan",
                                                 "%1 was taken for \"%2\" on %3, which has its day and name, and "
                                                 "was not sent out again")
                         .arg(QDir::toNativeSeparators(QDir(options_.folder).filePath(QFile::decodeName(item.href))),
                              Ical::DecodeText(a.record.Name), a.date.toString(Qt::ISODate)));
    return found;
}

QString PassPlan::Emptied() const
{
    std::set<QByteArray> gone;
    for (size_t i = 0; i < actions_.size(); ++i)
        if (actions_[i].removeRecord && actions_[i].record >= 0)
            gone.insert(entries[i].uid);
    const size_t n = gone.size();
    if (!((n >= 2 && n == known_) || (n > 5 && 2 * n > known_)))
        return QString();
    return QCoreApplication::translate("PassPlan",
                                       "%1 no longer holds %2 of the %3 events it held at the last pass (is it "
                                       "a mount point not mounted, or a folder made anew?); nothing was changed; "
                                       "if they were removed on purpose, run \"kalvix sync --take-removals\"")
        .arg(QDir::toNativeSeparators(options_.folder))
        .arg(n)
        .arg(known_);
}

void PassPlan::decideOne(size_t i, Side store, Side folder, const Ical::NewAppointment *item, double itemChanged)
{
    Action &a = actions_[i];
    const IndexEntry &e = entries[i];
    const int r = a.record;
    if (store == Side::Removed && folder == Side::Removed) {
        a.drop = true;
    } else if (store == Side::Removed && folder == Side::Same) {
        a.removeItem = a.drop = true;
    } else if (store == Side::Same && folder == Side::Removed) {
        a.removeRecord = a.drop = true;
    } else if (store == Side::Removed && folder == Side::Changed) {
        fromFolder(i, *item, nullptr); // changed there: comes back
    } else if (store == Side::Changed && folder != Side::Changed) {
        // Changed here and unchanged (or removed) there: goes out.
        toFolder(i, dateOf(r), recordAt(r), e.changed > 0 ? e.changed : dataTime_);
    } else if (store == Side::Same && folder == Side::Changed) {
        fromFolder(i, *item, &recordAt(r));
    } else if (store == Side::Changed && folder == Side::Changed) {
        bothChanged(i, *item, itemChanged);
    }
}

void PassPlan::fromFolder(size_t i, const Ical::NewAppointment &item, const TTermin *store)
{
    Action &a = actions_[i];
    Put put{item.date, ItemContent::Normalized(item.record)};
    if (store)
        ItemContent::TakeReminders(put.record, *store);
    a.base = contentOf(put.date, put.record);
    // The reminder state joined in differs from the item: the folder gets
    // the joined one too, or the other machines would keep asking.
    if (a.base != contentOf(item.date, item.record)) {
        a.toFolder = put;
        a.changed = options_.now;
    }
    a.toStore = std::move(put);
}

void PassPlan::toFolder(size_t i, const QDate &date, const TTermin &record, double changed)
{
    Action &a = actions_[i];
    a.toFolder = Put{date, ItemContent::Normalized(record)};
    a.changed = changed;
    a.base = contentOf(date, record);
}

void PassPlan::bothChanged(size_t i, const Ical::NewAppointment &item, double itemChanged)
{
    Action &a = actions_[i];
    const IndexEntry &e = entries[i];
    const QDate storeDate = dateOf(a.record);
    const TTermin &store = recordAt(a.record);
    if (contentOf(storeDate, store) == contentOf(item.date, item.record)) {
        a.base = contentOf(storeDate, store); // the same change on both sides
        return;
    }
    // The later change wins, and the store's when they are as late.
    const double storeChanged = e.changed > 0 ? e.changed : dataTime_;
    const bool storeWins = storeChanged >= itemChanged;
    Put win = storeWins ? Put{storeDate, ItemContent::Normalized(store)}
                        : Put{item.date, ItemContent::Normalized(item.record)};
    const Put lose = storeWins ? Put{item.date, ItemContent::Normalized(item.record)}
                               : Put{storeDate, ItemContent::Normalized(store)};
    ItemContent::TakeReminders(win.record, lose.record);
    if (win.date != lose.date || !ItemContent::SameButReminders(win.record, lose.record))
        kept_.push_back({lose.date, lose.record, e.uid, win.record.Name});
    a.base = contentOf(win.date, win.record);
    if (a.base != contentOf(storeDate, store))
        a.toStore = win;
    if (a.base != contentOf(item.date, item.record)) {
        a.toFolder = win;
        a.changed = storeWins ? storeChanged : options_.now;
    }
}

bool PassPlan::WriteKept(QStringList &kept, QString &error)
{
    if (kept_.empty())
        return true;
    for (const Kept &k : kept_) {
        const QString path = KeptVersion::Write(options_.dataPath, k.uid, options_.now,
                                                Ical::ItemBytes(k.date, k.record, k.uid, options_.now), error);
        if (path.isEmpty())
            return false;
        kept.append(QCoreApplication::translate(
                        "PassPlan",
                        "Changed on both sides: \"%1\" on %2 is the later change and was kept; the other "
                        "version, \"%3\", is in %4")
                        .arg(Ical::DecodeText(k.winner), k.date.toString(Qt::ISODate), Ical::DecodeText(k.record.Name),
                             QDir::toNativeSeparators(path)));
    }
    return true;
}
