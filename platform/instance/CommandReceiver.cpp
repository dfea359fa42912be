#include "platform/instance/CommandReceiver.h"

#include "platform/instance/LocalConnection.h"

#include <QVariant>
#include <QPointer>
#include <QTimer>

namespace {
const char CommandMark[] = "kalvixCommand";
}

bool CommandReceiver::carriesCommand(const LocalConnection *socket)
{
    return socket->property(CommandMark).toBool();
}

bool CommandReceiver::start(LocalConnection *socket, const QByteArray &line, bool &malformed)
{
    malformed = false;
    if (!line.startsWith(QByteArray(CommandProtocol::RequestWord) + ' '))
        return false;
    Pending p;
    if (!CommandProtocol::ParseRequestLine(line, p.verb, p.length)) {
        malformed = true;
        socket->abort();
        return false;
    }
    pending_.insert(socket, p);
    socket->setProperty(CommandMark, true);
    QTimer::singleShot(CommandLimitMs, socket, [socket] { socket->abort(); });
    connect(socket, &QObject::destroyed, this, [this, socket] { pending_.remove(socket); });
    receive(socket);
    return true;
}

void CommandReceiver::receive(LocalConnection *socket)
{
    auto it = pending_.find(socket);
    if (it == pending_.end())
        return;
    Pending &p = it.value();
    p.payload += socket->read(p.length - p.payload.size());
    if (p.payload.size() < p.length)
        return;
    // More than the announced payload: not our client.
    if (socket->bytesAvailable() > 0) {
        pending_.erase(it);
        socket->abort();
        return;
    }
    const Pending request = std::move(p);
    pending_.erase(it);
    answer(socket, request);
}

void CommandReceiver::answer(LocalConnection *socket, const Pending &request)
{
    QPointer<LocalConnection> alive(socket);
    CommandProtocol::Answer a;
    a.status = CommandProtocol::Answer::Retry;
    // Until the program is ready it may be showing a message of its start,
    // which waits for the user; the asking side says so.
    a.payload = "the running copy is still starting (a message in its window may be waiting for an answer)";
    if (handler_)
        a = handler_(request.verb, request.payload);
    // Should the handler run an event loop of its own, the asking side may
    // have hung up and the socket be gone.
    if (!alive || !socket->isOpen())
        return;
    socket->write(CommandProtocol::AnswerLine(a.status, a.payload.size()));
    socket->write(a.payload);
    // Closes once everything is written.
    socket->close();
}
