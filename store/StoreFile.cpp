#include "store/StoreFile.h"

#include "store/DayMerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <ctime>
#include <memory>

namespace {

// File times come from the system's real-time clock, whatever clock the
// program runs its reminders by: they are compared with this one.
int64_t systemNowNs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// The file's contents fingerprinted without holding them all at once.
bool hashFile(const QString &path, uint64_t &hash)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    ContentHash h;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = f.read(block.data(), block.size());
        if (n < 0)
            return false;
        if (n == 0)
            break;
        h.Add(block.constData(), static_cast<size_t>(n));
    }
    hash = h.Value();
    return true;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString mergedNote(const QString &path, const MergeCounts &c)
{
    return QCoreApplication::translate(
               "StoreFile",
               "\"%1\" was changed by another program while this store had changes of its own; both were kept "
               "(days from the file: %2, from here: %3, with appointments of both: %4).")
        .arg(native(path))
        .arg(c.fromTheirs)
        .arg(c.fromMine)
        .arg(c.joined);
}

} // namespace

namespace {
StoreFile::Written &writtenHook()
{
    static StoreFile::Written hook;
    return hook;
}
} // namespace

void StoreFile::SetWrittenHook(Written hook)
{
    writtenHook() = std::move(hook);
}

StoreFile::StoreFile(const QString &path) : path_(path) {}

bool StoreFile::racy() const
{
    return base_.stamp.exists && base_.takenNs - std::max(base_.stamp.modifiedNs, base_.stamp.changedNs) < RacyNs;
}

void StoreFile::takeStamp(const FileStamp &stamp)
{
    base_.stamp = stamp;
    base_.takenNs = systemNowNs();
}

TerminFile::Outcome StoreFile::Load(DayGrid &grid, TSettings &settings)
{
    TerminFile::Outcome early;
    if (takeReadAhead(grid, settings, early))
        return early;
    return read(grid, settings);
}

TerminFile::Outcome StoreFile::read(DayGrid &grid, TSettings &settings, TerminSource *source, Fingerprints when)
{
    base_ = Base();
    base_.settings = settings;
    // Taken before the read: a change while reading shows as a change.
    takeStamp(FileStamp::Of(path_));
    if (!base_.stamp.exists && !base_.stamp.hidden) {
        base_.known = true;
        return TerminFile::Outcome();
    }
    const TerminFile::Outcome o = OpenTermins(path_, grid, settings, source);
    base_.contentHash = o.contentHash;
    if (o.ok || !o.unread) {
        base_.known = true;
        // A damaged file is kept aside by the read: the next save makes
        // the file whole again.
        base_.writeDue = !o.ok;
        base_.settings = settings;
        if (when == Fingerprints::Now)
            base_.days = DayHashes::Of(grid);
    }
    return o;
}

bool StoreFile::DiskMayHaveChanged() const
{
    // No file at all is always worth a save's look: it writes one.
    const FileStamp now = FileStamp::Of(path_);
    return !now.exists || now != base_.stamp || racy();
}

bool StoreFile::DiskChanged()
{
    const Disk disk = look();
    return disk == Disk::Changed || (disk == Disk::Missing && base_.stamp.exists);
}

StoreFile::Disk StoreFile::look()
{
    const int64_t now = systemNowNs();
    const FileStamp stamp = FileStamp::Of(path_);
    // A file behind a folder we may not enter is not missing: it has to be
    // read (and refused) like any file that cannot be read.
    if (!stamp.exists)
        return stamp.hidden ? Disk::Changed : Disk::Missing;
    if (!base_.known || stamp != base_.stamp)
        return Disk::Changed;
    if (!racy())
        return Disk::Same;
    uint64_t hash = 0;
    if (!hashFile(path_, hash) || hash != base_.contentHash)
        return Disk::Changed;
    base_.takenNs = now; // the same contents, and now an older stamp
    return Disk::Same;
}

bool StoreFile::FileHolds(const DayGrid &grid, const TSettings &settings) const
{
    if (!base_.known || base_.writeDue || settings != base_.settings || FileStamp::Of(path_) != base_.stamp
        || !base_.stamp.exists)
        return false;
    uint64_t hash = 0;
    if (racy() && (!hashFile(path_, hash) || hash != base_.contentHash))
        return false;
    return DayHashes::Of(grid) == base_.days;
}

SyncResult StoreFile::Sync(DayGrid &grid, TSettings &settings, Mode mode)
{
    SyncResult r;
    DayHashes mine = DayHashes::Of(grid);
    // While the file is unread, the common state is an empty store: all
    // that memory holds is this run's own.
    const bool mineSame = !base_.writeDue && settings == base_.settings && mine == base_.days;
    const Disk disk = look();
    if (disk == Disk::Same && (mineSame || mode == Mode::Refresh))
        return r;
    // A file taken away comes back with the next save, not before.
    if (disk == Disk::Missing && mode == Mode::Refresh)
        return r;
    if (disk != Disk::Changed)
        return write(grid, settings, std::move(r), std::move(mine)); // nothing there to lose

    // Read it as a start would: a damaged file is kept aside, an unreadable
    // one stops the save.
    const int64_t now = systemNowNs();
    const FileStamp stamp = FileStamp::Of(path_);
    auto theirs = std::make_unique<DayGrid>();
    TSettings theirsSettings = settings;
    const TerminFile::Outcome o = OpenTermins(path_, *theirs, theirsSettings);
    if (!o.ok && o.unread) {
        // The reading names the file and says that it will not be written over.
        r.outcome = o;
        return r;
    }
    if (!o.ok) {
        // Incomplete and written a moment ago: most likely someone is still
        // copying it. Written over now, the copy would go on into a file
        // nobody sees any more.
        if (stamp.exists && now - stamp.modifiedNs < RacyNs) {
            r.outcome.ok = false;
            r.outcome.message =
                QCoreApplication::translate("StoreFile",
                                            "\"%1\" is being written by another program; it is saved once that "
                                            "has finished.")
                    .arg(native(path_));
            return r;
        }
        // Damaged (its bytes are kept aside now) or gone again.
        r.note = o.message;
        return write(grid, settings, std::move(r), std::move(mine));
    }
    if (base_.known && o.contentHash == base_.contentHash) {
        // Touched, or copied back as it was.
        base_.stamp = stamp;
        base_.takenNs = now;
        return mineSame || mode == Mode::Refresh ? r : write(grid, settings, std::move(r), std::move(mine));
    }

    DayHashes theirsDays = DayHashes::Of(*theirs);
    if (mineSame) {
        grid.Adopt(*theirs);
        settings = theirsSettings;
        r.brought = SyncResult::Reloaded;
        r.note = QCoreApplication::translate("StoreFile",
                                             "\"%1\" was changed by another program; its appointments are shown now.")
                     .arg(native(path_));
    } else {
        const MergeCounts counts = MergeDays(base_.days, grid, mine, *theirs, theirsDays);
        grid.Adopt(*theirs);
        // Settings changed here win; otherwise the file's.
        if (settings == base_.settings)
            settings = theirsSettings;
        r.brought = SyncResult::Merged;
        r.note = mergedNote(path_, counts);
    }
    base_.known = true;
    base_.writeDue = false;
    base_.stamp = stamp;
    base_.takenNs = now;
    base_.contentHash = o.contentHash;
    base_.settings = theirsSettings;
    base_.days = std::move(theirsDays);
    if (r.brought == SyncResult::Reloaded)
        return r;
    return write(grid, settings, std::move(r), DayHashes::Of(grid));
}

SyncResult StoreFile::write(DayGrid &grid, TSettings &settings, SyncResult r, DayHashes mine)
{
    const TerminFile::Outcome o = SaveTermins(path_, grid, settings);
    if (!o.ok) {
        // The file is as it was (or, for a file rewritten in place, kept
        // as "<name>.previous"): the common state stays.
        r.outcome = o;
        return r;
    }
    takeStamp(FileStamp::Of(path_));
    const bool knew = base_.known;
    DayHashes before = std::move(base_.days);
    base_.known = true;
    base_.writeDue = false;
    base_.contentHash = o.contentHash;
    base_.settings = settings;
    base_.days = std::move(mine);
    r.wrote = true;
    if (writtenHook())
        writtenHook()(path_, knew ? before : DayHashes(), grid);
    return r;
}
