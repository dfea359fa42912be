#include "app/cli/StoreAccess.h"

#include "platform/instance/CommandRequest.h"
#include "platform/instance/InstanceKey.h"
#include "platform/instance/SingleInstance.h"
#include "store/StoreFile.h"
#include "store/TerminFile.h"
#include "sync/SeriesKeeping.h"
#include "sync/VdirConfig.h"
#include "sync/VdirPass.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStorageInfo>
#include <QThread>

const char StoreAccess::SnapshotVerb[] = "snapshot";
const char StoreAccess::AddVerb[] = "add";
const char StoreAccess::SyncVerb[] = "sync";

namespace {

constexpr int ConnectMs = 2000;
// Once a request is with the running copy it gets much longer to answer:
// a big import into a big store takes a while, and giving up early would
// leave the caller not knowing whether the change was made.
constexpr int AnswerMs = 5 * 60 * 1000;
constexpr unsigned long PauseMs = 20;
constexpr unsigned long BusyPauseMs = 200;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Reads the file the way the window does at start: a damaged file is
// kept aside, and the appointments from before an unfinished save are used
// when they are there, with a word on standard error. A command given a
// file it cannot read at all, or nothing from it, changes nothing.
bool load(StoreFile &file, DayGrid &grid, TSettings &settings, QStringList &notes, QString &error)
{
    const TerminFile::Outcome o = file.Load(grid, settings);
    if (o.ok)
        return true;
    const QString message = QStringLiteral("%1: %2").arg(native(file.path()), o.message);
    if (!o.recovered)
        error = message;
    else
        notes.append(message);
    return o.recovered;
}

// Writes through the merge-before-write: another program may write the file
// without taking the lock, and the save takes in what it wrote.
bool save(StoreFile &file, DayGrid &grid, TSettings &settings, QStringList &notes, QString &error)
{
    const SyncResult r = file.Sync(grid, settings);
    if (!r.note.isEmpty())
        notes.append(r.note);
    if (!r.outcome.ok)
        error = QStringLiteral("%1: %2").arg(native(file.path()), r.outcome.message);
    return r.outcome.ok;
}

// QLockFile tells a refusal apart, nothing else: a full disk, the most
// common other cause, is looked for.
QString whyNoLock(const QLockFile &lock, const QString &lockPath)
{
    if (lock.error() == QLockFile::PermissionError)
        return QCoreApplication::translate("StoreAccess", "permission denied");
    const QStorageInfo disk(QFileInfo(lockPath).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() <= 0)
        return QCoreApplication::translate("StoreAccess", "the disk is full; make room on %1 and try again")
            .arg(native(disk.rootPath()));
    return QCoreApplication::translate("StoreAccess", "the lock file could not be written");
}

} // namespace

StoreAccess::StoreAccess(const QString &dataPath) : dataPath_(dataPath) {}

// Two flag bytes, the rule's length (two bytes) and the rule, the batch.
QByteArray StoreAccess::AddRequest(const StoreBatch &batch, bool skipPresent, bool dryRun, const QByteArray &rule)
{
    QByteArray bytes;
    bytes.append(char(skipPresent ? 1 : 0)).append(char(dryRun ? 1 : 0));
    const QByteArray r = rule.left(0xffff);
    bytes.append(char(r.size() >> 8)).append(char(r.size() & 0xff)).append(r);
    return bytes + StoreBatchWire::Encode(batch);
}

bool StoreAccess::ParseAddRequest(const QByteArray &payload, StoreBatch &batch, bool &skipPresent, bool &dryRun,
                                  QByteArray &rule, QString &error)
{
    const int ruleSize = payload.size() >= 4 ? (uchar(payload[2]) << 8) | uchar(payload[3]) : -1;
    if (ruleSize < 0 || payload.size() < 4 + ruleSize) {
        error = QCoreApplication::translate("StoreAccess", "malformed request");
        return false;
    }
    skipPresent = payload[0] != 0;
    dryRun = payload[1] != 0;
    rule = payload.mid(4, ruleSize);
    error = StoreBatchWire::Decode(payload.mid(4 + ruleSize), batch);
    return error.isEmpty();
}

QString StoreAccess::SeriesNotNoted(const QString &why)
{
    return QCoreApplication::translate("StoreAccess",
                                       "the appointments were added, but not noted as one series for the calendar "
                                       "folder: %1")
        .arg(why);
}

bool StoreAccess::NoteSeries(const QString &dataPath, const DayGrid &grid, const StoreBatch &batch,
                             const QByteArray &rule, double now, QString &error)
{
    if (rule.isEmpty() || batch.empty())
        return true;
    std::vector<QDate> days;
    for (const DatedTermin &d : batch)
        days.push_back(d.date);
    return SeriesKeeping::Register(dataPath, grid, days, batch.front().termin, rule, now, error);
}

QByteArray StoreAccess::CountsAnswer(const BatchCounts &counts)
{
    return QByteArray::number(counts.added) + ' ' + QByteArray::number(counts.present);
}

template <typename Local>
StoreAccess::Via StoreAccess::run(const char *verb, const std::function<QByteArray()> &payload, bool needsLock,
                                  Local &&local, QByteArray &answer, QString &error)
{
    const InstanceKey key = InstanceKey::For(dataPath_);
    // Something that is not a lock file under the lock's name: no copy can
    // run (the window says the same), so waiting would not help.
    const QString blocker = SingleInstance::LockBlocker(key.lockPath);
    if (!blocker.isEmpty() && !needsLock)
        return local() ? Via::Local : Via::Failed;
    if (!blocker.isEmpty()) {
        error = blocker
            + QCoreApplication::translate("StoreAccess", " Remove or rename it, then try again; nothing was changed");
        return Via::Failed;
    }
    QLockFile lock(key.lockPath);
    // A running copy holds its lock for days; only a dead holder makes it stale.
    lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(WaitMs);
    QString problem;
    QByteArray request;
    bool busy = false;
    for (bool lastTry = false;;) {
        if (lock.tryLock(0))
            return local() ? Via::Local : Via::Failed;
        const bool noLockHere = lock.error() != QLockFile::LockFailedError;

        // Made only when there is a copy to send it to: a big import's
        // bytes would otherwise take its memory a second time.
        if (request.isNull())
            request = payload();
        const CommandRequestResult r = SendCommand(key.serverName, verb, request, QDeadlineTimer(ConnectMs),
                                                   QDeadlineTimer(AnswerMs));
        if (r.kind == CommandRequestResult::Answered) {
            if (r.answer.status == CommandProtocol::Answer::Ok) {
                answer = r.answer.payload;
                return Via::Remote;
            }
            if (r.answer.status == CommandProtocol::Answer::Failed) {
                error = QString::fromUtf8(r.answer.payload);
                return Via::Failed;
            }
            // Said once while waiting: a copy whose start shows a message
            // waits for the user, and so does this command.
            const QString why = r.answer.payload.isEmpty()
                ? QCoreApplication::translate("StoreAccess", "the running copy is busy")
                : QString::fromUtf8(r.answer.payload);
            if (!busy && onWait_)
                onWait_(why);
            busy = true;
            problem = why;
        } else if (r.sent) {
            // The request got there but no answer came back: the file may
            // tell whether it was carried out.
            error = QCoreApplication::translate(
                        "StoreAccess",
                        "the running copy of Kalvix for %1 took the request but did not answer (%2); "
                        "look in its window whether the change was made")
                        .arg(native(dataPath_), r.detail);
            if (!unanswered_)
                return Via::Failed;
            const bool copyGone = lock.tryLock(0);
            return unanswered_(copyGone, r.detail, error);
        } else {
            problem = r.detail;
        }

        if (noLockHere && r.kind == CommandRequestResult::NoServer) {
            // No lock can be taken in this folder (read-only, say) and no copy
            // runs: reading is still fine, but a change could not be saved.
            if (!needsLock)
                return local() ? Via::Local : Via::Failed;
            error = QCoreApplication::translate("StoreAccess", "cannot lock %1: %2; nothing was changed")
                        .arg(native(key.lockPath), whyNoLock(lock, key.lockPath));
            return Via::Failed;
        }
        if (lastTry)
            break;
        if (deadline.hasExpired()) {
            // A lock whose holder is gone but looked alive (a reused process
            // id) is removed here; a live holder keeps it.
            lock.removeStaleLockFile();
            lastTry = true;
            continue;
        }
        // A copy that is starting or ending is asked less often: a request
        // cut off by its ending could not tell whether it was carried out.
        QThread::msleep(busy ? BusyPauseMs : PauseMs);
    }
    if (busy) {
        error = QCoreApplication::translate(
                    "StoreAccess",
                    "%1 is in use by a copy of Kalvix that cannot take commands now: %2; nothing was "
                    "changed")
                    .arg(native(dataPath_), problem);
        return Via::Failed;
    }
    error = QCoreApplication::translate(
                "StoreAccess",
                "%1 is in use by a copy of Kalvix that does not answer (lock file %2)%3; nothing was "
                "changed")
                .arg(native(dataPath_), native(key.lockPath),
                     problem.isEmpty() ? QString() : QStringLiteral(": ") + problem);
    return Via::Failed;
}

bool StoreAccess::Snapshot(DayGrid &grid, TSettings &settings, QString &error)
{
    QByteArray answer;
    const Via via = run(
        SnapshotVerb, [] { return QByteArray(""); }, false,
        [&] {
            StoreFile file(dataPath_);
            return load(file, grid, settings, notes_, error);
        },
        answer, error);
    if (via != Via::Remote)
        return via == Via::Local;
    const QString bad = TerminFile::Parse(answer.constData(), size_t(answer.size()), grid, settings);
    if (!bad.isEmpty())
        error = QCoreApplication::translate("StoreAccess", "the running copy sent an unreadable store: ") + bad;
    return bad.isEmpty();
}

int StoreAccess::presentInFile(const StoreBatch &batch) const
{
    if (!QFileInfo::exists(dataPath_))
        return 0; // no file yet: an empty store
    DayGrid grid;
    TSettings settings;
    const std::unique_ptr<TerminSource> disk = ReadOnlyDisk();
    if (!OpenTermins(dataPath_, grid, settings, disk.get()).ok)
        return -1;
    return BatchAddition().Apply(grid, batch, true, true).present;
}

bool StoreAccess::Add(const StoreBatch &batch, bool skipPresent, bool dryRun, BatchCounts &counts, QString &error,
                      const QByteArray &rule, double now)
{
    QByteArray answer;
    // An add that reached the running copy but got no answer is looked up
    // in the file: an exit status of failure must mean that nothing was
    // changed, and a change that was made must not be added twice by a
    // user who tries again. The count from before tells whether the
    // appointments were there already.
    int before = -1;
    const int size = int(batch.size());
    unanswered_ = [&](bool copyGone, const QString &detail, QString &why) {
        const int after = presentInFile(batch);
        if (!dryRun && before == 0 && after == size) {
            notes_.append(QCoreApplication::translate("StoreAccess",
                                                      "the running copy did not answer, but %1 holds the new "
                                                      "appointments: the change was made")
                              .arg(native(dataPath_)));
            answer = CountsAnswer(BatchCounts{size, 0});
            return Via::Remote;
        }
        if ((copyGone || dryRun) && before >= 0 && after == before) {
            why = QCoreApplication::translate("StoreAccess",
                                              "the running copy of Kalvix for %1 took the request but ended without "
                                              "answering (%2); the file is as before: nothing was changed")
                      .arg(native(dataPath_), detail);
            return Via::Failed;
        }
        outcomeUnknown_ = true;
        return Via::Failed;
    };
    const auto request = [&] {
        before = presentInFile(batch);
        return AddRequest(batch, skipPresent, dryRun, rule);
    };
    const Via via = run(
        AddVerb, request, !dryRun,
        [&] {
            DayGrid grid;
            TSettings settings;
            StoreFile file(dataPath_);
            if (!load(file, grid, settings, notes_, error))
                return false;
            BatchAddition addition;
            counts = addition.Apply(grid, batch, skipPresent, dryRun);
            if (dryRun || counts.added == 0)
                return true;
            if (!save(file, grid, settings, notes_, error))
                return false;
            QString why;
            if (counts.added == int(batch.size()) && !NoteSeries(dataPath_, grid, batch, rule, now, why))
                notes_.append(SeriesNotNoted(why));
            mirror(file, grid, settings, now);
            return true;
        },
        answer, error);
    unanswered_ = nullptr;
    if (via != Via::Remote)
        return via == Via::Local;
    const QList<QByteArray> parts = answer.split(' ');
    bool okAdded = false, okPresent = false;
    if (parts.size() == 2) {
        counts.added = parts[0].toInt(&okAdded);
        counts.present = parts[1].toInt(&okPresent);
    }
    if (!okAdded || !okPresent)
        error = QCoreApplication::translate("StoreAccess", "the running copy gave an answer that makes no sense");
    return okAdded && okPresent;
}

bool StoreAccess::pass(const PassOptions &options, StoreFile &file, DayGrid &grid, TSettings &settings, QString &report,
                       QString &error)
{
    const PassReport r = RunPass(options, grid,
                                 [&](QString &saveError) { return save(file, grid, settings, notes_, saveError); });
    notes_.append(r.notes);
    if (!r.ok)
        error = r.error;
    else
        report = r.Summary(options.folder);
    return r.ok;
}

void StoreAccess::mirror(StoreFile &file, DayGrid &grid, TSettings &settings, double now)
{
    // Without a running copy nobody else would bring the change to the
    // calendar folder before the next "kalvix sync": the command does, still
    // holding the lock. The change itself is saved whatever the pass says.
    PassOptions options;
    options.dataPath = dataPath_;
    options.folder = VdirConfig::FolderFor(dataPath_);
    options.now = now;
    if (options.folder.isEmpty())
        return;
    QString report, error;
    if (!pass(options, file, grid, settings, report, error))
        notes_.append(QCoreApplication::translate("StoreAccess",
                                                  "the calendar folder was not brought up to date: %1; run "
                                                  "\"kalvix sync\" once that is mended")
                          .arg(error));
}

bool StoreAccess::Sync(const QString &folder, bool newFolder, bool takeExisting, double now, QString &report,
                       QString &error, bool takeRemovals)
{
    QByteArray answer;
    const Via via = run(
        SyncVerb,
        [&] {
            // The second flag: 1 takes existing events, 2 removals, 3 both.
            return QByteArray(newFolder ? "1" : "0") + char('0' + (takeExisting ? 1 : 0) + (takeRemovals ? 2 : 0))
                + folder.toUtf8();
        },
        true,
        [&] {
            DayGrid grid;
            TSettings settings;
            StoreFile file(dataPath_);
            if (!load(file, grid, settings, notes_, error))
                return false;
            PassOptions options;
            options.dataPath = dataPath_;
            options.folder = folder;
            options.now = now;
            options.newFolder = newFolder;
            options.takeExisting = takeExisting;
            options.takeRemovals = takeRemovals;
            return pass(options, file, grid, settings, report, error);
        },
        answer, error);
    if (via == Via::Remote)
        report = QString::fromUtf8(answer);
    return via != Via::Failed;
}
