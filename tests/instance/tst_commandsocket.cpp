// Commands over the running copy's socket, next to "show": big payloads
// both ways, a copy not ready for commands, and malformed requests that
// must not reach the handler.
#include "platform/instance/CommandRequest.h"
#include "platform/instance/InstanceKey.h"
#include "platform/instance/ShowRequest.h"
#include "platform/instance/ShowRequestServer.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

// Sends from another thread so this thread's event loop can serve.
CommandRequestResult sendAsync(const QString &name, const QByteArray &verb, const QByteArray &payload)
{
    CommandRequestResult result;
    std::unique_ptr<QThread> t(QThread::create(
        [&] { result = SendCommand(name, verb, payload, QDeadlineTimer(5000), QDeadlineTimer(60000)); }));
    t->start();
    while (!t->wait(1))
        QCoreApplication::processEvents();
    return result;
}

} // namespace

class TestCommandSocket : public QObject {
    Q_OBJECT
private slots:
    void protocolLines()
    {
        QByteArray verb;
        qint64 n = 0;
        QVERIFY(CommandProtocol::ParseRequestLine(CommandProtocol::RequestLine("add", 12345), verb, n));
        QCOMPARE(verb, QByteArray("add"));
        QCOMPARE(n, 12345);
        for (const char *bad : {"run add 1", "run add\n", "run Add 1\n", "run add -1\n", "run add 1 2\n",
                                "run add 99999999999\n", "run  1\n", "show\n", "run toolongverbtoolongverb 1\n"})
            QVERIFY2(!CommandProtocol::ParseRequestLine(bad, verb, n), bad);
        CommandProtocol::Answer::Status s;
        QVERIFY(CommandProtocol::ParseAnswerLine(CommandProtocol::AnswerLine(CommandProtocol::Answer::Retry, 0), s, n));
        QCOMPARE(s, CommandProtocol::Answer::Retry);
        QVERIFY(!CommandProtocol::ParseAnswerLine("fine 0\n", s, n));
    }

    void bigRequestAndAnswerNextToShow()
    {
        QTemporaryDir dir;
        const InstanceKey key = InstanceKey::For(dir.filePath(QStringLiteral("appointments.dat")));
        ShowRequestServer server;
        QVERIFY(server.listen(key.serverName));

        // Not ready yet: told to retry, and "show" still works.
        CommandRequestResult r = sendAsync(key.serverName, "snapshot", QByteArray());
        QCOMPARE(r.kind, CommandRequestResult::Answered);
        QCOMPARE(r.answer.status, CommandProtocol::Answer::Retry);

        int calls = 0;
        server.setCommandHandler([&](const QByteArray &verb, const QByteArray &payload) {
            ++calls;
            CommandProtocol::Answer a;
            a.status = CommandProtocol::Answer::Ok;
            a.payload = verb + ':' + payload + payload; // twice the size back
            return a;
        });
        QByteArray big(3 << 20, 'x');
        for (int i = 0; i < big.size(); i += 4093)
            big[i] = char(i);
        r = sendAsync(key.serverName, "echo", big);
        QCOMPARE(r.kind, CommandRequestResult::Answered);
        QCOMPARE(r.answer.status, CommandProtocol::Answer::Ok);
        QCOMPARE(r.answer.payload, QByteArray("echo:") + big + big);
        QCOMPARE(calls, 1);

        bool shown = false;
        connect(&server, &ShowRequestServer::showRequested, this, [&] { shown = true; });
        std::atomic<int> showKind{-1};
        std::unique_ptr<QThread> t(
            QThread::create([&] { showKind = AskToShow(key.serverName, QDeadlineTimer(5000)).kind; }));
        t->start();
        while (!t->wait(1))
            QCoreApplication::processEvents();
        QCOMPARE(showKind.load(), int(ShowRequestResult::Shown));
        QVERIFY(shown);
    }

    void malformedOrOverlongRequestsNeverReachTheHandler()
    {
        QTemporaryDir dir;
        const InstanceKey key = InstanceKey::For(dir.filePath(QStringLiteral("appointments.dat")));
        ShowRequestServer server;
        QVERIFY(server.listen(key.serverName));
        int calls = 0;
        server.setCommandHandler([&](const QByteArray &, const QByteArray &) {
            ++calls;
            return CommandProtocol::Answer{CommandProtocol::Answer::Ok, QByteArray()};
        });
        for (const QByteArray &bytes : {QByteArray("run add x\n"), QByteArray("run ADD 0\n"), QByteArray(200, 'r')}) {
            QLocalSocket s;
            s.connectToServer(key.serverName);
            QVERIFY(s.waitForConnected(5000));
            s.write(bytes);
            s.flush();
            QTRY_COMPARE_WITH_TIMEOUT(s.state(), QLocalSocket::UnconnectedState, 10000);
            QCOMPARE(s.readAll(), QByteArray());
        }
        QCOMPARE(calls, 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandSocket)
#include "tst_commandsocket.moc"
