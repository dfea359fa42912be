#include "platform/instance/LocalConnection.h"

#include <QPointer>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/socket.h>

namespace {
// Read at most this much per turn of the event loop, so that one busy peer
// does not hold up the program.
constexpr size_t ReadChunk = 64 * 1024;
} // namespace

LocalConnection::LocalConnection(SocketFd fd, QObject *parent)
    : QObject(parent),
      fd_(std::move(fd)),
      reader_(std::make_unique<QSocketNotifier>(fd_.get(), QSocketNotifier::Read)),
      writer_(std::make_unique<QSocketNotifier>(fd_.get(), QSocketNotifier::Write))
{
    writer_->setEnabled(false);
    connect(reader_.get(), &QSocketNotifier::activated, this, &LocalConnection::receive);
    connect(writer_.get(), &QSocketNotifier::activated, this, &LocalConnection::send);
}

LocalConnection::~LocalConnection() = default;

QByteArray LocalConnection::readLine(qsizetype maxLength)
{
    const qsizetype end = in_.indexOf('\n');
    return read(end >= 0 ? qMin(end + 1, maxLength) : maxLength);
}

QByteArray LocalConnection::read(qsizetype maxLength)
{
    if (maxLength >= in_.size())
        return std::exchange(in_, QByteArray());
    QByteArray head = in_.left(maxLength);
    in_.remove(0, maxLength);
    return head;
}

void LocalConnection::receive()
{
    char chunk[ReadChunk];
    ssize_t n = 0;
    do
        n = ::recv(fd_.get(), chunk, sizeof chunk, 0);
    while (n < 0 && errno == EINTR);
    const bool ended = n == 0 || (n < 0 && errno != EAGAIN);
    if (n > 0) {
        in_.append(chunk, n);
        // Whoever reads may abort, or even end this connection.
        const QPointer<LocalConnection> alive(this);
        emit readyRead();
        if (!alive)
            return;
    }
    if (ended)
        finish();
}

void LocalConnection::write(const QByteArray &bytes)
{
    if (!isOpen())
        return;
    out_ += bytes;
    send();
}

void LocalConnection::send()
{
    while (sent_ < out_.size()) {
        // MSG_NOSIGNAL: a peer that hung up ends the connection, not the program.
        const ssize_t n = ::send(fd_.get(), out_.constData() + sent_, size_t(out_.size() - sent_), MSG_NOSIGNAL);
        if (n > 0) {
            sent_ += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            writer_->setEnabled(true);
            return;
        }
        finish();
        return;
    }
    out_.clear();
    sent_ = 0;
    writer_->setEnabled(false);
    if (closing_)
        finish();
}

void LocalConnection::close()
{
    if (!isOpen())
        return;
    closing_ = true;
    if (sent_ == out_.size())
        finish();
}

void LocalConnection::abort()
{
    out_.clear();
    sent_ = 0;
    finish();
}

void LocalConnection::finish()
{
    if (!isOpen())
        return;
    // The number may soon be another file's: the notifiers let go of it.
    reader_->setSocket(-1);
    writer_->setSocket(-1);
    fd_.reset();
    emit disconnected();
}
