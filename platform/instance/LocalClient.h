#pragma once
// The asking side of a local socket, for a start or a command that has no
// event loop: every step blocks until it is done or its deadline passes.

#include "platform/instance/SocketFd.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

class LocalClient {
public:
    enum class Connect {
        Connected,
        NoServer, // nothing listens at the path (no socket there, or one left behind)
        Failed,   // see errorString()
    };

    Connect connectTo(const QString &path, const QDeadlineTimer &deadline);
    // Sends all of `bytes`; false when the peer hung up or time ran out.
    bool writeAll(const QByteArray &bytes, const QDeadlineTimer &deadline);
    // One line with its "\n", of at most `maxLength` bytes in all.
    bool readLine(QByteArray &line, qsizetype maxLength, const QDeadlineTimer &deadline);
    bool readExactly(QByteArray &out, qint64 length, const QDeadlineTimer &deadline);

    int descriptor() const { return fd_.get(); }
    void close() { fd_.reset(); }
    // Why the last step failed, for a message.
    QString errorString() const { return error_; }

private:
    // Waits until the socket can be read (POLLIN) or written (POLLOUT).
    bool wait(short events, const QDeadlineTimer &deadline);
    // Reads what has arrived into `buffer_`; false at the end or on an error.
    bool fill(const QDeadlineTimer &deadline);

    SocketFd fd_;
    QByteArray buffer_; // received, not yet taken
    QString error_;
};
