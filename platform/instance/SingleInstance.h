#pragma once
// One running program per data file. The first start takes a lock file
// beside the data file and keeps it for its whole run; a later start for
// the same file asks that copy to show its main window instead of running
// a second time. A lock left by a copy that crashed or was killed is
// recovered without anyone's help. Copies with different data files do not
// meet at all.
//
// Usage: construct with the data file's path before anything reads it,
// call claim(), and keep the object alive until the file's last write.

#include "platform/instance/InstanceKey.h"
#include "platform/instance/ShowRequestServer.h"

#include <QDeadlineTimer>
#include <QLockFile>
#include <QObject>

#include <memory>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Owner,       // this process runs; the data file is its own
        HandedOver,  // another copy owns the file and was asked to show itself
        Unreachable, // another copy owns the file but could not be asked
        Blocked,     // not a lock file but something else (a folder) is where the lock goes; see problem()
    };

    explicit SingleInstance(const QString &dataFilePath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Call once. Waits at most `answerTimeoutMs` for a running copy.
    Role claim(int answerTimeoutMs = DefaultAnswerTimeoutMs);

    // True while this process holds the lock. An owner without the lock
    // runs where no lock file can be created (a read-only folder, where no
    // save can succeed either); it still answers later starts.
    bool holdsLock() const { return lock_.isLocked(); }
    // Gives up the data file now (lock and socket), for an ending that
    // never gets to destroy this object.
    void release();
    bool isListening() const { return server_.isListening(); }
    const InstanceKey &key() const { return key_; }
    // Who carries out commands sent by "kalvix add", "kalvix list" and the
    // like while this copy owns the file; until one is set they are told
    // to retry.
    void setCommandHandler(CommandHandler handler) { server_.setCommandHandler(std::move(handler)); }
    // Why the running copy could not be reached, or why this owner does
    // not listen; empty when neither happened.
    QString problem() const { return problem_; }

    static constexpr int DefaultAnswerTimeoutMs = 5000;

    // Why nothing can ever take the lock `lockPath` (something other than a
    // file has its name), for the user; empty when nothing stands in the way.
    static QString LockBlocker(const QString &lockPath);

signals:
    // Another start asked the owner to show its main window, handing on the
    // activation token the desktop gave it (empty when it had none).
    void showRequested(const QByteArray &activationToken);

private:
    Role becomeOwner();
    Role ownWithoutLock(const QDeadlineTimer &deadline);

    InstanceKey key_;
    QLockFile lock_;
    ShowRequestServer server_;
    QString problem_;
};
