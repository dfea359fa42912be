#include "sync/VdirPass.h"

#include "sync/IndexKeeping.h"
#include "sync/ItemContent.h"
#include "sync/PassPlan.h"
#include "sync/RecordMatch.h"
#include "sync/SetAside.h"
#include "sync/VdirFolder.h"
#include "sync/VdirIndex.h"

#include "store/DateTimeValue.h"
#include "store/StoreHashes.h"
#include "store/ical/Item.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

int dayNumber(const QDate &d)
{
    return DayGrid::DayNumber(d.year(), d.month(), d.day());
}

// A file time as a local date-time value.
double localTime(int64_t ns)
{
    return DateTimeValue::FromDateTime(QDateTime::fromMSecsSinceEpoch(ns / 1000000));
}

// A folder stamp taken this soon after the folder's last change proves
// nothing: a second change in the same tick of the file system's clock
// leaves it as it was. Such a stamp is not kept, so the next pass lists.
constexpr int64_t RacyNs = 2000000000;

} // namespace

bool ReadFolderItem(const QString &folder, const QByteArray &href, const QDate &from, const QDate &until,
                    FolderItem &item, QString &error)
{
    const QString path = QDir(folder).filePath(QFile::decodeName(href));
    QFile f(path);
    item.href = href;
    item.stamp = ItemStamp::From(FileStamp::Of(path));
    if (item.stamp.size > VdirFolder::MaxItemBytes) {
        error = QCoreApplication::translate("VdirPass", "it is bigger than %1 MB, more than any event needs")
                    .arg(VdirFolder::MaxItemBytes >> 20);
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("VdirPass", "it cannot be read (%1)").arg(f.errorString());
        return false;
    }
    item.bytes = f.read(VdirFolder::MaxItemBytes + 1);
    if (item.bytes.size() > VdirFolder::MaxItemBytes) { // grew since its stamp was taken
        error = QCoreApplication::translate("VdirPass", "it is bigger than %1 MB, more than any event needs")
                    .arg(VdirFolder::MaxItemBytes >> 20);
        return false;
    }
    item.read = Ical::ReadItem(item.bytes, from, until);
    if (!item.read.ok) {
        error = QCoreApplication::translate("VdirPass", "it is not an iCalendar file a calendar can take (%1)")
                    .arg(item.read.error);
        return false;
    }
    if (item.read.changed == 0)
        item.read.changed = localTime(item.stamp.modifiedNs);
    return true;
}

namespace {

PassReport failed(PassReport r, const QString &error)
{
    r.ok = false;
    r.error = error;
    return r;
}

} // namespace

QString ConflictFolder(const QString &dataPath)
{
    return QFileInfo(dataPath).dir().filePath(QStringLiteral("conflicts"));
}

QString PassReport::Summary(const QString &folder) const
{
    QString s =
        QCoreApplication::translate("VdirPass",
                                    "Mirrored with %1: from the folder %2 added, %3 changed, %4 removed; to the folder "
                                    "%5 written, %6 removed\n")
            .arg(shown(folder))
            .arg(added)
            .arg(changed)
            .arg(removed)
            .arg(written)
            .arg(deleted);
    for (const QString &k : kept)
        s += k + QLatin1Char('\n');
    return s;
}

PassReport RunPass(const PassOptions &options, DayGrid &grid, const std::function<bool(QString &error)> &save)
{
    PassReport rep;
    const QString &folder = options.folder;
    const QDate today = DateTimeValue::ToDate(options.now), windowEnd = WindowEnd(today);
    const QString indexPath = VdirIndex::PathFor(options.dataPath);
    // Nothing changed on either side since a pass that left them agreeing:
    // done, having read the index's header and the folder's listing with
    // every item's stamp (a file rewritten in place changes only its own).
    const ItemStamp folderStamp = VdirFolder::StampOf(folder);
    const QHash<QByteArray, ItemStamp> files = VdirFolder::List(folder);
    int64_t newestNs = 0;
    const uint64_t listing = VdirFolder::ListingPrint(files, newestNs);
    {
        VdirIndex head;
        QString ignored;
        if (folderStamp.size >= 0 && head.Load(indexPath, ignored, true) && head.clean && head.folder == folder
            && head.folderStamp == folderStamp && head.folderStamp.size >= 0 && head.listing == listing
            && (head.windowEnd == 0 || head.windowEnd >= dayNumber(windowEnd))
            && head.store == StoreFingerprint(DayHashes::Of(grid))) {
            rep.ok = true;
            return rep;
        }
    }
    VdirIndex old;
    QString indexError;
    const bool haveIndex = old.Load(indexPath, indexError);
    if (!indexError.isEmpty())
        rep.notes.append(
            QCoreApplication::translate("VdirPass",
                                        "%1 could not be read (%2); appointments were matched to the folder's "
                                        "events by their contents")
                .arg(shown(indexPath), indexError));
    const bool sameFolder = haveIndex && old.folder == folder;
    if (const QString problem = VdirFolder::Problem(folder, sameFolder); !problem.isEmpty())
        return failed(rep, QCoreApplication::translate("VdirPass", "%1; nothing was changed").arg(problem));
    uint64_t fingerprint = StoreFingerprint(DayHashes::Of(grid));
    // Edits not saved yet (the window's, made while this pass was due) are
    // saved first, and the index kept in step by that save as by any:
    // otherwise the store would not match the index, and every appointment
    // would be matched by its contents, an edited occurrence of a series
    // taken for a new appointment and a removed one brought back.
    if (haveIndex && old.store != fingerprint) {
        QString saveError;
        if (!save(saveError))
            return failed(rep, QCoreApplication::translate("VdirPass", "%1; nothing was changed").arg(saveError));
        old.Load(indexPath, indexError);
        fingerprint = StoreFingerprint(DayHashes::Of(grid));
    }
    const bool inStep = sameFolder && old.store == fingerprint;
    if (sameFolder && !inStep)
        rep.notes.append(
            QCoreApplication::translate("VdirPass",
                                        "the data file was written by a program that did not keep %1; appointments "
                                        "were matched to the folder's events by their contents")
                .arg(shown(indexPath)));

    const int64_t startNs = QDateTime::currentMSecsSinceEpoch() * 1000000;

    if (!sameFolder && indexError.isEmpty() && !files.isEmpty())
        rep.notes.append(
            QCoreApplication::translate("VdirPass",
                                        "%1 holds events already and %2 has no record of them; appointments were "
                                        "matched to them by their contents")
                .arg(shown(folder), shown(indexPath)));

    PassPlan plan(options, grid);
    if (inStep) {
        plan.entries = old.entries;
        plan.series = old.series;
    } else if (haveIndex) {
        // Series made here that never went out (the store was not mirrored
        // then) keep their appointments together.
        for (const SeriesEntry &s : old.series)
            if (s.stamp.size < 0 && !s.rule.isEmpty()) {
                plan.series.push_back(s);
                for (const IndexEntry &e : old.entries)
                    if (e.inSeries && e.uid == s.uid)
                        plan.entries.push_back(e);
            }
    }
    QHash<QByteArray, int> entryByHref;
    for (size_t i = 0; i < plan.entries.size(); ++i)
        entryByHref.insert(plan.entries[i].href, static_cast<int>(i));
    QString error;
    SetAside aside(folder, old.aside, rep.notes);
    for (const SeriesEntry &s : plan.series) {
        entryByHref.insert(s.href, -1);
        SeriesSide side;
        const ItemStamp stamp = ItemStamp::From(FileStamp::Of(QDir(folder).filePath(QFile::decodeName(s.href))));
        side.missing = stamp.size < 0;
        if (!side.missing) {
            side.aside = !aside.Read(s.href, QDate(DayGrid::FirstYear, 1, 1).addDays(s.from),
                                     std::max(QDate(DayGrid::FirstYear, 1, 1).addDays(s.until), windowEnd), side.item);
            side.changed = stamp != s.stamp;
        }
        plan.seriesSides.push_back(std::move(side));
    }

    // Every item that is new or whose file changed is read; one that cannot
    // be is set aside, and what the store holds of it is kept as it is.
    std::vector<FolderSide> sides(plan.entries.size());
    for (size_t i = 0; i < plan.entries.size(); ++i) {
        const IndexEntry &e = plan.entries[i];
        if (e.inSeries)
            continue;
        const auto f = files.constFind(e.href);
        if (f == files.constEnd()) {
            sides[i].state = Side::Removed;
            continue;
        }
        // An item's stamp taken this soon before the last pass ended proves
        // as little as the folder's: it is read again and compared.
        if (*f == e.stamp && e.stamp.modifiedNs < old.listedNs - RacyNs)
            continue;
        sides[i].read = aside.Read(e.href, QDate(), QDate(), sides[i].item);
    }
    std::vector<FolderItem> fresh;
    int foreign = 0;
    for (auto f = files.constBegin(); f != files.constEnd(); ++f) {
        if (entryByHref.contains(f.key()))
            continue;
        FolderItem item;
        // A repeating event new to the store is kept from today on.
        if (!aside.Read(f.key(), today, windowEnd, item))
            continue;
        foreign += !item.read.ours;
        fresh.push_back(std::move(item));
    }
    if (options.newFolder && foreign > 0 && !options.takeExisting)
        return failed(
            rep,
            QCoreApplication::translate("VdirPass",
                                        "%1 already holds %2 events that other programs wrote; to take them into "
                                        "this store as well, run the command again with --take-existing; nothing "
                                        "was changed")
                .arg(shown(folder))
                .arg(foreign));

    const bool heldItem = inStep && HoldBackItem(options, grid, plan.entries, sides);
    plan.Decide(sides, fresh, inStep);
    if (options.heldDay != 0 && plan.Touches(options.heldDay, options.heldIndex)) {
        rep.ok = rep.heldBack = true;
        return rep;
    }
    rep.notes.append(plan.notes);
    if (const QString why = plan.Emptied(); !why.isEmpty() && !options.takeRemovals)
        return failed(rep, why);

    // The losing versions first: whatever happens next, they are safe.
    if (!plan.WriteKept(rep.kept, error))
        return failed(rep, QCoreApplication::translate("VdirPass", "%1; nothing was changed").arg(error));
    rep.kept.append(plan.keptEdits);
    const uint64_t expected = plan.ApplyToStore(rep);
    if (rep.storeChanged) {
        IndexKeeping::PassGuard guard;
        if (!save(error))
            return failed(
                rep, QCoreApplication::translate("VdirPass", "%1; the calendar folder was not changed").arg(error));
    }
    plan.ApplyToFolder(rep);

    VdirIndex next;
    next.folder = folder;
    // A store that took in more than this pass put there while saving (a
    // file another program wrote) does not match `expected`: the next
    // pass starts over by contents rather than take that for changes
    // made here.
    next.store = expected;
    next.folderStamp = VdirFolder::StampOf(folder);
    // A pass that wrote to the folder leaves it too fresh to trust (below):
    // the next pass lists it again and keeps that listing.
    next.listing = rep.written + rep.deleted > 0 ? 0 : listing;
    next.aside = aside.Now();
    const int64_t doneNs = QDateTime::currentMSecsSinceEpoch() * 1000000;
    if (doneNs - next.folderStamp.modifiedNs < RacyNs || startNs - folderStamp.modifiedNs < RacyNs
        || doneNs - newestNs < RacyNs || heldItem)
        next.folderStamp.size = -1;
    next.listedNs = doneNs;
    next.entries = std::move(plan.entries);
    next.series = std::move(plan.series);
    for (const SeriesEntry &s : next.series)
        next.windowEnd = next.windowEnd == 0 ? s.until : std::min(next.windowEnd, s.until);
    next.clean = rep.errors.isEmpty();
    const bool same = haveIndex && old.folder == next.folder && old.store == next.store
        && old.folderStamp == next.folderStamp && old.clean == next.clean && old.entries.size() == next.entries.size()
        && old.listing == next.listing && old.aside == next.aside && !plan.entriesChanged;
    if (!same && !next.Save(indexPath, error))
        return failed(rep, QStringLiteral("%1: %2").arg(shown(indexPath), error));
    if (!rep.errors.isEmpty()) {
        // A full disk fails every file after the first: a few say enough.
        QString shownErrors = rep.errors.mid(0, 3).join(QStringLiteral("; "));
        if (rep.errors.size() > 3)
            shownErrors += QCoreApplication::translate("VdirPass", "; and %1 more files").arg(rep.errors.size() - 3);
        return failed(rep, shownErrors);
    }
    rep.ok = true;
    return rep;
}
