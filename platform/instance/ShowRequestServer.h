#pragma once
// The running copy's side: listens under the data file's server name and
// announces every well-formed request of a second start to show the main
// window. Malformed, oversized or idle connections are dropped without
// disturbing the program.

#include "platform/instance/CommandReceiver.h"
#include "platform/instance/LocalServer.h"

#include <QObject>
#include <QString>

class ShowRequestServer : public QObject {
    Q_OBJECT
public:
    explicit ShowRequestServer(QObject *parent = nullptr);

    // Starts listening. Only the owner of the data file's lock may call
    // this: it removes any socket of the same name first, which can only
    // have been left by a copy that died.
    bool listen(const QString &name);
    bool isListening() const { return server_.isListening(); }
    void close() { server_.close(); }
    QString errorString() const { return server_.errorString(); }

    // A connection that sends nothing useful for this long is closed.
    static constexpr int IdleLimitMs = 10000;

    // Who carries out commands ("kalvix add" and the like) for this copy.
    void setCommandHandler(CommandHandler handler) { commands_.setHandler(std::move(handler)); }

signals:
    // `activationToken`: the one the second start was given, or empty.
    void showRequested(const QByteArray &activationToken);

private:
    void accept(LocalConnection *socket);
    void serve(LocalConnection *socket);

    LocalServer server_;
    CommandReceiver commands_;
};
