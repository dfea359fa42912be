#pragma once
// The running copy's side of commands: collects a request's payload as it
// arrives on a connection, hands the whole request to the handler, and
// writes the handler's answer back. Without a handler every command is
// answered "retry", with the reason as its payload.

#include "platform/instance/CommandProtocol.h"

#include <QHash>
#include <QObject>

#include <functional>

class LocalConnection;

using CommandHandler = std::function<CommandProtocol::Answer(const QByteArray &verb, const QByteArray &payload)>;

class CommandReceiver : public QObject {
    Q_OBJECT
public:
    explicit CommandReceiver(QObject *parent = nullptr) : QObject(parent) {}

    void setHandler(CommandHandler handler) { handler_ = std::move(handler); }

    // Takes over the connection when `line` starts a command; false when it
    // is not a command (the caller deals with it) or is malformed (the
    // connection was aborted then; `malformed` says so).
    bool start(LocalConnection *socket, const QByteArray &line, bool &malformed);
    // Whether `socket` is in the middle of sending a command's payload.
    bool receiving(LocalConnection *socket) const { return pending_.contains(socket); }
    // Whether `socket` carries a command; such a connection has a limit of
    // its own (CommandLimitMs) instead of the short one for "show".
    static bool carriesCommand(const LocalConnection *socket);
    // A big import or a slow reader of a big answer may take a while.
    static constexpr int CommandLimitMs = 5 * 60 * 1000;
    // Reads more of the payload; answers once it is complete.
    void receive(LocalConnection *socket);

private:
    struct Pending {
        QByteArray verb;
        qint64 length = 0;
        QByteArray payload;
    };
    void answer(LocalConnection *socket, const Pending &request);

    CommandHandler handler_;
    QHash<LocalConnection *, Pending> pending_;
};
