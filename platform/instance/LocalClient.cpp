#include "platform/instance/LocalClient.h"

#include <QCoreApplication>
#include <QThread>

#include <cerrno>
#include <limits>
#include <utility>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A full backlog is waited out in steps this long.
constexpr unsigned long BusyPauseMs = 5;
constexpr qint64 ReadChunk = 64 * 1024;

int pollMs(const QDeadlineTimer &deadline)
{
    const qint64 left = deadline.remainingTime();
    if (left < 0)
        return -1;
    return int(qMin<qint64>(left, std::numeric_limits<int>::max()));
}

} // namespace

LocalClient::Connect LocalClient::connectTo(const QString &path, const QDeadlineTimer &deadline)
{
    buffer_.clear();
    sockaddr_un addr;
    if (!SocketAddress(path, addr)) {
        error_ = SystemError(ENAMETOOLONG);
        return Connect::Failed;
    }
    fd_ = SocketFd::Stream();
    if (!fd_.valid()) {
        error_ = SystemError(errno);
        return Connect::Failed;
    }
    for (;;) {
        if (::connect(fd_.get(), reinterpret_cast<const sockaddr *>(&addr), sizeof addr) == 0)
            return Connect::Connected;
        const int e = errno;
        if (e == EINTR)
            continue;
        // A server that is too busy to accept right now: try again.
        if (e == EAGAIN && !deadline.hasExpired()) {
            QThread::msleep(BusyPauseMs);
            continue;
        }
        error_ = e == EAGAIN ? QCoreApplication::translate("Instance", "the running copy did not take the connection")
                             : SystemError(e);
        fd_.reset();
        return e == ENOENT || e == ECONNREFUSED ? Connect::NoServer : Connect::Failed;
    }
}

bool LocalClient::wait(short events, const QDeadlineTimer &deadline)
{
    pollfd p{fd_.get(), events, 0};
    for (;;) {
        const int n = ::poll(&p, 1, pollMs(deadline));
        if (n > 0)
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        error_ = n == 0 ? QCoreApplication::translate("Instance", "no answer in time") : SystemError(errno);
        return false;
    }
}

bool LocalClient::writeAll(const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        // MSG_NOSIGNAL: a peer that hung up is an error here, not SIGPIPE.
        const ssize_t n = ::send(fd_.get(), bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            error_ = SystemError(errno);
            return false;
        }
        if (!wait(POLLOUT, deadline))
            return false;
    }
    return true;
}

bool LocalClient::fill(const QDeadlineTimer &deadline)
{
    for (;;) {
        const qsizetype old = buffer_.size();
        buffer_.resize(old + ReadChunk);
        const ssize_t n = ::recv(fd_.get(), buffer_.data() + old, ReadChunk, 0);
        const int error = errno;
        buffer_.resize(old + qMax<ssize_t>(n, 0));
        if (n > 0)
            return true;
        if (n == 0) {
            error_ = QCoreApplication::translate("Instance", "the running copy closed the connection");
            return false;
        }
        if (error == EINTR)
            continue;
        if (error != EAGAIN) {
            error_ = SystemError(error);
            return false;
        }
        if (!wait(POLLIN, deadline))
            return false;
    }
}

bool LocalClient::readLine(QByteArray &line, qsizetype maxLength, const QDeadlineTimer &deadline)
{
    for (;;) {
        const qsizetype end = buffer_.indexOf('\n');
        if (end >= 0 && end < maxLength) {
            line = buffer_.left(end + 1);
            buffer_.remove(0, end + 1);
            return true;
        }
        if (end >= 0 || buffer_.size() >= maxLength) {
            error_ = QCoreApplication::translate("Instance", "the running copy's answer is not understood");
            return false;
        }
        if (!fill(deadline))
            return false;
    }
}

bool LocalClient::readExactly(QByteArray &out, qint64 length, const QDeadlineTimer &deadline)
{
    if (buffer_.capacity() < length + ReadChunk)
        buffer_.reserve(length + ReadChunk);
    while (buffer_.size() < length)
        if (!fill(deadline))
            return false;
    if (buffer_.size() == length) {
        out = std::exchange(buffer_, QByteArray());
        return true;
    }
    out = buffer_.left(length);
    buffer_.remove(0, length);
    return true;
}
