#pragma once
// A listening Unix-domain socket served from the event loop. The socket
// file is made for its user alone (read and write for the owner only), and
// it never exists at its path with other rights: it is bound in a private
// temporary folder beside the path ("<path>-XXXXXX/s") and moved into place.

#include "platform/instance/LocalConnection.h"
#include "platform/instance/SocketFd.h"

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

class LocalServer : public QObject {
    Q_OBJECT
public:
    explicit LocalServer(QObject *parent = nullptr);
    ~LocalServer() override;

    // Replaces whatever socket is at `path`. False on failure; see errorString().
    bool listen(const QString &path);
    bool isListening() const { return fd_.valid(); }
    // Stops listening and removes the socket file; accepted connections stay.
    void close();
    QString errorString() const { return error_; }

    // Bytes a path may take beyond what a socket address holds, for the
    // temporary folder it is first bound in.
    static constexpr int BindRoom = 9;

signals:
    // `connection` is a child of the server, to be deleted by whoever took it.
    void newConnection(LocalConnection *connection);

private:
    void acceptAll();

    SocketFd fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QString path_;
    QString error_;
};
