#pragma once
// One accepted connection of a LocalServer, served from the event loop:
// what arrives is collected until taken, what is written goes out as the
// peer takes it. `disconnected` comes once, when the peer hangs up, on an
// error, or after close()/abort(); the connection is closed by then.

#include "platform/instance/SocketFd.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class QSocketNotifier;

class LocalConnection : public QObject {
    Q_OBJECT
public:
    LocalConnection(SocketFd fd, QObject *parent);
    ~LocalConnection() override;

    int descriptor() const { return fd_.get(); }
    bool isOpen() const { return fd_.valid(); }

    qsizetype bytesAvailable() const { return in_.size(); }
    bool canReadLine() const { return in_.contains('\n'); }
    // Up to and with the first "\n", at most `maxLength` bytes.
    QByteArray readLine(qsizetype maxLength);
    QByteArray read(qsizetype maxLength);

    void write(const QByteArray &bytes);
    // Closes once everything written has gone out.
    void close();
    // Closes at once; anything not yet sent is dropped.
    void abort();

signals:
    void readyRead();
    void disconnected();

private:
    void receive();
    void send();
    void finish();

    SocketFd fd_;
    std::unique_ptr<QSocketNotifier> reader_;
    std::unique_ptr<QSocketNotifier> writer_;
    QByteArray in_;
    QByteArray out_;
    qsizetype sent_ = 0; // of out_
    bool closing_ = false;
};
