#include "platform/instance/CommandRequest.h"

#include "platform/instance/PeerCheck.h"

#include <QCoreApplication>
#include <QLocalSocket>

#include <limits>

namespace {

int remainingMs(const QDeadlineTimer &deadline)
{
    const qint64 left = deadline.remainingTime();
    if (left < 0)
        return -1;
    return static_cast<int>(qMin<qint64>(left, std::numeric_limits<int>::max()));
}

CommandRequestResult failure(CommandRequestResult::Kind kind, const QLocalSocket &socket, bool sent)
{
    CommandRequestResult r;
    r.kind = kind;
    r.sent = sent;
    r.detail = socket.errorString();
    return r;
}

// Reads exactly `n` bytes unless the peer hangs up or time runs out.
bool readExactly(QLocalSocket &socket, qint64 n, QByteArray &out, const QDeadlineTimer &deadline)
{
    out.reserve(n);
    while (out.size() < n) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(remainingMs(deadline)))
            return false;
        out += socket.read(n - out.size());
    }
    return true;
}

} // namespace

CommandRequestResult SendCommand(const QString &serverName, const QByteArray &verb, const QByteArray &payload,
                                 QDeadlineTimer connectDeadline, QDeadlineTimer answerDeadline)
{
    QLocalSocket socket;
    if (serverName.isEmpty())
        return CommandRequestResult{};
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(remainingMs(connectDeadline))) {
        const bool absent = socket.error() == QLocalSocket::ServerNotFoundError
            || socket.error() == QLocalSocket::ConnectionRefusedError;
        return failure(absent ? CommandRequestResult::NoServer : CommandRequestResult::NoAnswer, socket, false);
    }
    // Appointments go only to a copy run by this user.
    if (!PeerIsThisUser(socket.socketDescriptor())) {
        socket.abort();
        CommandRequestResult r;
        r.kind = CommandRequestResult::NoAnswer;
        r.detail = QCoreApplication::translate("Instance", "the socket \"%1\" is held by another user").arg(serverName);
        return r;
    }

    socket.write(CommandProtocol::RequestLine(verb, payload.size()));
    socket.write(payload);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(answerDeadline)))
            return failure(CommandRequestResult::NoAnswer, socket, false);
    }

    QByteArray line;
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > 64 || !socket.waitForReadyRead(remainingMs(answerDeadline)))
            return failure(CommandRequestResult::NoAnswer, socket, true);
    }
    line = socket.readLine(65);
    CommandRequestResult r;
    r.sent = true;
    qint64 length = 0;
    if (!CommandProtocol::ParseAnswerLine(line, r.answer.status, length)
        || !readExactly(socket, length, r.answer.payload, answerDeadline))
        return failure(CommandRequestResult::NoAnswer, socket, true);
    r.kind = CommandRequestResult::Answered;
    return r;
}
