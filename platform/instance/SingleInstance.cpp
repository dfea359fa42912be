#include "platform/instance/SingleInstance.h"

#include "platform/instance/ShowRequest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {
// Pause between attempts while a copy that is just starting or just ending
// gets its socket or its lock in order.
constexpr unsigned long RetryPauseMs = 50;
} // namespace

SingleInstance::SingleInstance(const QString &dataFilePath, QObject *parent)
    : QObject(parent), key_(InstanceKey::For(dataFilePath)), lock_(key_.lockPath)
{
    // The owner runs for days: a lock must never count as stale because of
    // its age, only because the process that wrote it is gone.
    lock_.setStaleLockTime(0);
    connect(&server_, &ShowRequestServer::showRequested, this, &SingleInstance::showRequested);
}

namespace {
// The token a Wayland desktop hands the program it starts; the running copy
// needs it to take the focus on this start's behalf.
QByteArray activationToken()
{
    return qgetenv("XDG_ACTIVATION_TOKEN");
}
} // namespace

// QLockFile's destructor removes the lock file; the server closes its socket.
SingleInstance::~SingleInstance() = default;

void SingleInstance::release()
{
    server_.close();
    if (lock_.isLocked())
        lock_.unlock();
}

QString SingleInstance::LockBlocker(const QString &lockPath)
{
    // A folder (or FIFO, device...) of that name can never be a lock: it
    // would look like a lock held by a copy that never answers, and no
    // waiting removes it. Name it instead.
    const QFileInfo existing(lockPath);
    if (!(existing.exists() || existing.isSymLink()) || existing.isFile())
        return QString();
    return QCoreApplication::translate("Instance",
                                       "\"%1\" is %2, but Kalvix keeps its lock file under that name while it runs.")
        .arg(QDir::toNativeSeparators(lockPath),
             existing.isDir()           ? QCoreApplication::translate("Instance", "a folder")
                 : existing.isSymLink() ? QCoreApplication::translate("Instance", "a symbolic link that leads nowhere")
                                        : QCoreApplication::translate("Instance", "not a plain file"));
}

SingleInstance::Role SingleInstance::claim(int answerTimeoutMs)
{
    problem_ = LockBlocker(key_.lockPath);
    if (!problem_.isEmpty()) {
        problem_ += QCoreApplication::translate("Instance", " Remove or rename it, then start Kalvix again.");
        return Role::Blocked;
    }
    const QDeadlineTimer deadline(answerTimeoutMs);
    for (;;) {
        // tryLock removes a lock whose process no longer runs by itself.
        if (lock_.tryLock(0))
            return becomeOwner();
        if (lock_.error() != QLockFile::LockFailedError)
            return ownWithoutLock(deadline);

        // Someone holds the file. Between its taking the lock and listening
        // there is a short gap, and a copy that is ending closes its socket
        // before it drops the lock; both are waited out here.
        const ShowRequestResult asked = AskToShow(key_.serverName, deadline, activationToken());
        if (asked.kind == ShowRequestResult::Shown)
            return Role::HandedOver;
        problem_ = asked.detail;
        if (deadline.hasExpired())
            break;
        QThread::msleep(RetryPauseMs);
    }

    // Nobody answered. A live holder keeps an exclusive lock on the lock
    // file's descriptor, which makes the removal below fail; it succeeds
    // only for a file nobody holds any more, such as one whose unreadable
    // contents or reused process id fooled the check in tryLock.
    if (lock_.removeStaleLockFile() && lock_.tryLock(0))
        return becomeOwner();
    if (problem_.isEmpty())
        problem_ = QCoreApplication::translate("Instance", "The running copy did not answer.");
    return Role::Unreachable;
}

SingleInstance::Role SingleInstance::becomeOwner()
{
    problem_.clear();
    if (key_.serverName.isEmpty())
        problem_ = key_.socketProblem;
    else if (!server_.listen(key_.serverName))
        problem_ = server_.errorString();
    return Role::Owner;
}

SingleInstance::Role SingleInstance::ownWithoutLock(const QDeadlineTimer &deadline)
{
    // Without a lock file only the socket tells whether a copy already runs.
    for (;;) {
        const ShowRequestResult asked = AskToShow(key_.serverName, deadline, activationToken());
        if (asked.kind == ShowRequestResult::Shown)
            return Role::HandedOver;
        if (asked.kind == ShowRequestResult::NoServer || deadline.hasExpired())
            break;
        QThread::msleep(RetryPauseMs);
    }
    becomeOwner();
    if (problem_.isEmpty())
        problem_ =
            QCoreApplication::translate("Instance", "The lock file \"%1\" could not be created.").arg(key_.lockPath);
    return Role::Owner;
}
