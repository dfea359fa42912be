#include "platform/instance/ShowRequestServer.h"

#include "platform/instance/PeerCheck.h"
#include "platform/instance/ShowProtocol.h"

#include <QLocalSocket>
#include <QTimer>

ShowRequestServer::ShowRequestServer(QObject *parent) : QObject(parent)
{
    // Only this user's processes may ask the window to show itself.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &ShowRequestServer::acceptPending);
}

bool ShowRequestServer::listen(const QString &name)
{
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void ShowRequestServer::acceptPending()
{
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        // The socket is a child of the server; it goes away when its peer
        // hangs up, or when the peer keeps it open without asking.
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        QTimer::singleShot(IdleLimitMs, socket, [socket] {
            if (!CommandReceiver::carriesCommand(socket))
                socket->abort();
        });
        // Another user who found a way to the socket is turned away unheard.
        if (socket->state() != QLocalSocket::ConnectedState || !PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (socket->bytesAvailable() > 0)
            serve(socket);
    }
}

void ShowRequestServer::serve(QLocalSocket *socket)
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
    socket->flush();
    socket->disconnectFromServer();
    emit showRequested(token);
}
