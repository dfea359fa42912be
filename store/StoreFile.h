#pragma once
// The one way from a store in memory to its data file, for every front end
// (the window, the commands it carries out, the command line on its own).
//
// Another program may write the file at any time: a backup copied back, a
// folder synced from elsewhere, a second user. So a save never simply
// writes over it. It first looks whether the file is still what this store
// last read or wrote (the common state, kept as fingerprints: see
// StoreHashes.h). When it is, memory is written if it differs. When the
// file changed and memory did not, the file's contents are taken into
// memory and nothing is written. When both changed, the two are merged day
// by day (DayMerge.h) and the result written.
//
// "The file is still what we last saw" is decided by its stamp: device,
// inode, size, modification and status-change times to the nanosecond. A
// file renamed over ours has another inode; one rewritten in place has a
// later change time. A stamp taken within RacyNs of the file's own times
// proves nothing, though: a second write in the same tick of the file
// system's clock, of the same size, leaves every field as it was. Such a
// stamp is confirmed by the contents' fingerprint until it is old enough.

#include "store/DayGrid.h"
#include "store/FileStamp.h"
#include "store/Settings.h"
#include "store/StoreHashes.h"
#include "store/TerminFile.h"

#include <QString>

#include <cstdint>
#include <functional>

struct SyncResult {
    TerminFile::Outcome outcome; // !ok: the file was not written (message says why)
    enum Brought {
        Nothing,  // the file held nothing new
        Reloaded, // memory had no changes: it now holds the file's contents
        Merged,   // both had changes: memory holds both, and was written
    } brought = Nothing;
    bool wrote = false;
    QString note; // what came from the file, for the user; empty when nothing
};

class StoreFile {
public:
    // Coarsest step of file times in common use (FAT keeps even seconds).
    static constexpr int64_t RacyNs = 2000000000;

    explicit StoreFile(const QString &path);
    const QString &path() const { return path_; }

    // Reads the file into `grid` (empty) and `settings` when it exists; a
    // missing file is an empty store. What was read becomes the common
    // state. The outcome is OpenTermins': on failure the store is usable,
    // with what `recovered` says it holds.
    TerminFile::Outcome Load(DayGrid &grid, TSettings &settings);

    // Starts reading the file at `path`, with all that Load takes of it, on
    // a thread of its own, for the next Load of that path to take over: a
    // start builds its window meanwhile. Files under `fromBytes` are left
    // to Load (a thread costs more than reading them); one read ahead at a
    // time. The read changes nothing on disk, so it may begin before the
    // program knows it will keep the file; a file it cannot load is read
    // again by Load, which reports it and keeps its copy as always.
    static constexpr int64_t ReadAheadFrom = 1 << 20;
    static void ReadAhead(const QString &path, int64_t fromBytes = ReadAheadFrom);

    // One stat: whether the file may hold something Sync would bring in,
    // or is missing.
    bool DiskMayHaveChanged() const;
    // Whether it does: a stamp too young to prove anything is confirmed by
    // the contents.
    bool DiskChanged();

    enum class Mode {
        Save,    // write memory when the file lacks something of it
        Refresh, // only bring the file's changes in (written after a merge)
    };
    // Brings the file's changes into memory, then writes as `mode` says.
    // `grid` and `settings` may be replaced.
    SyncResult Sync(DayGrid &grid, TSettings &settings, Mode mode = Mode::Save);

    // True when the file holds exactly `grid` and `settings`: nothing in
    // memory is missing from it (as far as one stat and the fingerprints
    // tell).
    bool FileHolds(const DayGrid &grid, const TSettings &settings) const;
    // False while the file holds data this run could not read.
    bool FileRead() const { return base_.known; }
    // Appointments in the common state.
    size_t BaseRecords() const { return base_.days.Records(); }

    // Told after every write of a data file in this process, with what
    // the file held before (its common state; empty when unknown) and
    // what it holds now: what keeps files that describe the data file
    // (a mirror's side index) in step with it.
    using Written = std::function<void(const QString &path, const DayHashes &before, const DayGrid &grid)>;
    static void SetWrittenHook(Written hook);

private:
    struct Base {
        bool known = false;    // the file's contents are known (read, written, or no file)
        bool writeDue = false; // the file was damaged: write it whole at the next save
        FileStamp stamp;
        int64_t takenNs = 0; // when the stamp was taken, by the system's clock
        uint64_t contentHash = 0;
        TSettings settings;
        DayHashes days;
    };
    enum class Disk { Same, Changed, Missing };
    // Later: the common state's fingerprints are left for the caller to make.
    enum class Fingerprints { Now, Later };
    TerminFile::Outcome read(DayGrid &grid, TSettings &settings, TerminSource *source = nullptr,
                             Fingerprints when = Fingerprints::Now);
    bool takeReadAhead(DayGrid &grid, TSettings &settings, TerminFile::Outcome &o);
    Disk look();
    bool racy() const;
    void takeStamp(const FileStamp &stamp);
    SyncResult write(DayGrid &grid, TSettings &settings, SyncResult r, DayHashes mine);

    QString path_;
    Base base_;
};
