#include "platform/instance/ShowRequest.h"

#include "platform/instance/PeerCheck.h"
#include "platform/instance/ShowProtocol.h"

#include <QCoreApplication>
#include <QLocalSocket>

#include <limits>

namespace {

ShowRequestResult result(ShowRequestResult::Kind kind, const QLocalSocket &socket)
{
    return ShowRequestResult{kind, socket.errorString()};
}

int remainingMs(const QDeadlineTimer &deadline)
{
    // The socket waits treat 0 as "do not wait at all" and -1 as forever.
    const qint64 left = deadline.remainingTime();
    if (left < 0)
        return -1;
    return static_cast<int>(qMin<qint64>(left, std::numeric_limits<int>::max()));
}

} // namespace

ShowRequestResult AskToShow(const QString &serverName, QDeadlineTimer deadline, const QByteArray &activationToken)
{
    if (serverName.isEmpty())
        return ShowRequestResult{ShowRequestResult::NoServer,
                                 QCoreApplication::translate("Instance", "No socket folder.")};
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(remainingMs(deadline))) {
        const bool absent = socket.error() == QLocalSocket::ServerNotFoundError
            || socket.error() == QLocalSocket::ConnectionRefusedError;
        return result(absent ? ShowRequestResult::NoServer : ShowRequestResult::NoAnswer, socket);
    }

    // Only a copy run by this user may claim to have shown the window.
    if (!PeerIsThisUser(socket.socketDescriptor())) {
        socket.abort();
        return ShowRequestResult{
            ShowRequestResult::NoAnswer,
            QCoreApplication::translate("Instance", "The socket \"%1\" is held by another user.").arg(serverName)};
    }

    socket.write(ShowProtocol::RequestLine(activationToken));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return result(ShowRequestResult::NoAnswer, socket);
    }

    QByteArray answer;
    const qsizetype expected = qsizetype(sizeof ShowProtocol::Answer) - 1;
    while (answer.size() < expected) {
        // Whatever arrived before the peer hung up still counts.
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(remainingMs(deadline)))
            break;
        answer += socket.read(expected - answer.size());
    }
    if (answer == ShowProtocol::Answer)
        return ShowRequestResult{ShowRequestResult::Shown, QString()};
    return result(ShowRequestResult::NoAnswer, socket);
}
