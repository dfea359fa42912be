#pragma once
// One store, one writer: a command works on the store through whoever
// holds it. When a copy of the program runs for the data file, that copy
// carries the command out over its socket (its window shows the change and
// it writes the file at once); otherwise the command takes the data file's
// lock itself, reads, changes, writes the file atomically and lets go.
// Two commands at the same moment take turns on the lock or are served one
// after the other by the running copy, so neither loses the other's change.

#include "app/cli/StoreBatch.h"
#include "store/Settings.h"
#include "sync/VdirPass.h"

#include <QString>
#include <QStringList>

#include <functional>

class StoreFile;

class StoreAccess {
public:
    explicit StoreAccess(const QString &dataPath);

    // The store as the running copy holds it (unsaved edits included), or
    // as the file holds it. False with `error` set when neither can be read.
    bool Snapshot(DayGrid &grid, TSettings &settings, QString &error);

    // Adds the batch as one change: all of it is stored, or none of it.
    // With a `rule` (an RRULE value; "add --every"), whoever saves the
    // batch notes it as one series for the calendar folder (NoteSeries).
    // Under the lock, a store mirrored to a calendar folder is then
    // mirrored at once (`now`: the pass's time), as the running copy would.
    bool Add(const StoreBatch &batch, bool skipPresent, bool dryRun, BatchCounts &counts, QString &error,
             const QByteArray &rule = QByteArray(), double now = 0);

    // Notes the batch just saved in `grid` as the series `rule` in the
    // side index, right after its save: before any mirror pass could send
    // its appointments out one by one. False with `error` when the index
    // could not be written (the appointments are stored all the same).
    static bool NoteSeries(const QString &dataPath, const DayGrid &grid, const StoreBatch &batch,
                           const QByteArray &rule, double now, QString &error);
    static QString SeriesNotNoted(const QString &why);

    // One mirror pass with the calendar folder `folder` (see VdirPass.h),
    // by the running copy or here under the lock. `report` receives what
    // the command prints.
    bool Sync(const QString &folder, bool newFolder, bool takeExisting, double now, QString &report, QString &error,
              bool takeRemovals = false);

    // A failed Add whose request reached the running copy, which then did
    // not answer, and whose outcome the file could not tell either: the
    // change may or may not have been made.
    bool outcomeUnknown() const { return outcomeUnknown_; }

    const QString &dataPath() const { return dataPath_; }
    // What the command should say on standard error beside its result: a
    // damaged file read the way the window reads it, changes of another
    // program merged in.
    const QStringList &notes() const { return notes_; }
    // Told once why a command waits when the running copy cannot take it
    // yet (it is still starting, say, with a message open).
    void setOnWait(std::function<void(const QString &why)> onWait) { onWait_ = std::move(onWait); }

    // How long a command waits for a lock held by another command, or for a
    // running copy that is busy (a long save, or just starting or ending).
    static constexpr int WaitMs = 30000;

    // The verbs the running copy understands, and the bytes of an "add".
    static const char SnapshotVerb[];
    static const char AddVerb[];
    static const char SyncVerb[];
    static QByteArray AddRequest(const StoreBatch &batch, bool skipPresent, bool dryRun,
                                 const QByteArray &rule = QByteArray());
    static bool ParseAddRequest(const QByteArray &payload, StoreBatch &batch, bool &skipPresent, bool &dryRun,
                                QByteArray &rule, QString &error);
    static QByteArray CountsAnswer(const BatchCounts &counts);

private:
    // One pass under the lock with the store just read from `file`.
    bool pass(const PassOptions &options, StoreFile &file, DayGrid &grid, TSettings &settings, QString &report,
              QString &error);
    // After a change under the lock: a pass with the folder set for this
    // data file, if any; a failure is a note.
    void mirror(StoreFile &file, DayGrid &grid, TSettings &settings, double now);

    enum class Via { Local, Remote, Failed };
    // Asked when the running copy took a request and gave no answer, with
    // whether it has gone since (its lock could be taken, so nothing can
    // change the file any more): Remote when the file shows the change
    // made, else Failed with `error` saying what is known.
    std::function<Via(bool copyGone, const QString &detail, QString &error)> unanswered_;
    // How many of `batch` the file holds; -1 when it cannot be read.
    int presentInFile(const StoreBatch &batch) const;
    // Runs `local` under the lock, or sends the request to the running
    // copy; `answer` receives the running copy's payload.
    template <typename Local>
    Via run(const char *verb, const std::function<QByteArray()> &payload, bool needsLock, Local &&local,
            QByteArray &answer, QString &error);

    QString dataPath_;
    QStringList notes_;
    std::function<void(const QString &)> onWait_;
    bool outcomeUnknown_ = false;
};
