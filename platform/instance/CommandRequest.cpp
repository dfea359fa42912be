#include "platform/instance/CommandRequest.h"

#include "platform/instance/LocalClient.h"
#include "platform/instance/PeerCheck.h"

#include <QCoreApplication>

namespace {
// An answer line is short: a status word, a space, a length and "\n".
constexpr qsizetype MaxAnswerLine = 65;
} // namespace

CommandRequestResult SendCommand(const QString &serverName, const QByteArray &verb, const QByteArray &payload,
                                 QDeadlineTimer connectDeadline, QDeadlineTimer answerDeadline)
{
    CommandRequestResult r;
    if (serverName.isEmpty())
        return r;
    LocalClient socket;
    const LocalClient::Connect connected = socket.connectTo(serverName, connectDeadline);
    if (connected != LocalClient::Connect::Connected) {
        r.kind = connected == LocalClient::Connect::NoServer ? CommandRequestResult::NoServer
                                                             : CommandRequestResult::NoAnswer;
        r.detail = socket.errorString();
        return r;
    }
    r.kind = CommandRequestResult::NoAnswer;
    // Appointments go only to a copy run by this user.
    if (!PeerIsThisUser(socket.descriptor())) {
        r.detail = QCoreApplication::translate("Instance", "the socket \"%1\" is held by another user").arg(serverName);
        return r;
    }
    if (!socket.writeAll(CommandProtocol::RequestLine(verb, payload.size()), answerDeadline)
        || !socket.writeAll(payload, answerDeadline)) {
        r.detail = socket.errorString();
        return r;
    }
    r.sent = true;
    QByteArray line;
    qint64 length = 0;
    if (!socket.readLine(line, MaxAnswerLine, answerDeadline)) {
        r.detail = socket.errorString();
        return r;
    }
    if (!CommandProtocol::ParseAnswerLine(line, r.answer.status, length)) {
        r.detail = QCoreApplication::translate("Instance", "the running copy's answer is not understood");
        return r;
    }
    if (!socket.readExactly(r.answer.payload, length, answerDeadline)) {
        r.detail = socket.errorString();
        return r;
    }
    r.kind = CommandRequestResult::Answered;
    return r;
}
