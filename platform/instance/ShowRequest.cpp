#include "platform/instance/ShowRequest.h"

#include "platform/instance/LocalClient.h"
#include "platform/instance/PeerCheck.h"
#include "platform/instance/ShowProtocol.h"

#include <QCoreApplication>

ShowRequestResult AskToShow(const QString &serverName, QDeadlineTimer deadline, const QByteArray &activationToken)
{
    if (serverName.isEmpty())
        return ShowRequestResult{ShowRequestResult::NoServer,
                                 QCoreApplication::translate("Instance", "No socket folder.")};
    LocalClient socket;
    switch (socket.connectTo(serverName, deadline)) {
    case LocalClient::Connect::Connected:
        break;
    case LocalClient::Connect::NoServer:
        return ShowRequestResult{ShowRequestResult::NoServer, socket.errorString()};
    case LocalClient::Connect::Failed:
        return ShowRequestResult{ShowRequestResult::NoAnswer, socket.errorString()};
    }

    // Only a copy run by this user may claim to have shown the window.
    if (!PeerIsThisUser(socket.descriptor()))
        return ShowRequestResult{
            ShowRequestResult::NoAnswer,
            QCoreApplication::translate("Instance", "The socket \"%1\" is held by another user.").arg(serverName)};

    QByteArray answer;
    const qint64 expected = qint64(sizeof ShowProtocol::Answer) - 1;
    if (socket.writeAll(ShowProtocol::RequestLine(activationToken), deadline)
        && socket.readExactly(answer, expected, deadline) && answer == ShowProtocol::Answer)
        return ShowRequestResult{ShowRequestResult::Shown, QString()};
    return ShowRequestResult{ShowRequestResult::NoAnswer, socket.errorString()};
}
