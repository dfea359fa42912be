#include "platform/instance/ShowRequestServer.h"

#include "platform/instance/PeerCheck.h"
#include "platform/instance/ShowProtocol.h"

#include <QTimer>

ShowRequestServer::ShowRequestServer(QObject *parent) : QObject(parent)
{
    // The server's socket is for this user only (see LocalServer).
    connect(&server_, &LocalServer::newConnection, this, &ShowRequestServer::accept);
}

bool ShowRequestServer::listen(const QString &name)
{
    return server_.listen(name);
}

void ShowRequestServer::accept(LocalConnection *socket)
{
    // The connection is a child of the server; it goes away when its peer
    // hangs up, or when the peer keeps it open without asking.
    connect(socket, &LocalConnection::disconnected, socket, &QObject::deleteLater);
    // Another user who found a way to the socket is turned away unheard.
    if (!PeerIsThisUser(socket->descriptor())) {
        socket->abort();
        return;
    }
    connect(socket, &LocalConnection::readyRead, this, [this, socket] { serve(socket); });
    QTimer::singleShot(IdleLimitMs, socket, [socket] {
        if (!CommandReceiver::carriesCommand(socket))
            socket->abort();
    });
}

void ShowRequestServer::serve(LocalConnection *socket)
{
    if (commands_.receiving(socket)) {
        commands_.receive(socket);
        return;
    }
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > ShowProtocol::MaxLine)
            socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(ShowProtocol::MaxLine + 1);
    bool malformed = false;
    if (commands_.start(socket, line, malformed) || malformed)
        return;
    QByteArray token;
    if (!ShowProtocol::ParseRequest(line, token)) {
        socket->abort();
        return;
    }
    // Answer first: the asking copy ends as soon as it reads this, and the
    // window may take a moment to appear.
    socket->write(ShowProtocol::Answer);
    socket->close();
    emit showRequested(token);
}
