// Commands over the running copy's socket, next to "show": big payloads
// both ways, a copy not ready for commands, and malformed requests that
// must not reach the handler.
#include "platform/instance/CommandProtocol.h"
#include "platform/instance/CommandRequest.h"
#include "platform/instance/InstanceKey.h"
#include "platform/instance/ShowRequest.h"
#include "platform/instance/ShowRequestServer.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

int connectTo(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    std::memcpy(addr.sun_path, p.constData(), size_t(p.size()));
    return ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0 ? fd : -1;
}

// Sends the pieces a turn of the event loop apart; then hangs up at once,
// before the server has read anything, or returns what came back until
// the server closed.
QByteArray exchange(const QString &path, const QList<QByteArray> &pieces, bool hangUp)
{
    const int fd = connectTo(path);
    for (const QByteArray &piece : pieces) {
        if (piece != pieces.first())
            QCoreApplication::processEvents();
        if (fd < 0 || ::write(fd, piece.constData(), size_t(piece.size())) != piece.size())
            break;
    }
    QByteArray back;
    ::fcntl(fd, F_SETFL, O_NONBLOCK);
    (void)QTest::qWaitFor(
        [&] {
            char buf[256];
            ssize_t n = 0;
            while (!hangUp && (n = ::read(fd, buf, sizeof buf)) > 0)
                back.append(buf, n);
            return hangUp || n == 0;
        },
        10000);
    ::close(fd);
    return back;
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

    // However a peer breaks off, the handler sees only whole requests, and
    // the copy goes on serving.
    void peersThatBreakOff_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<bool>("hangUp");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("request in pieces")
            << QList<QByteArray>{"ru", "n ec", "ho 5\nab", "cde"} << false << QByteArray("ok 10\necho:abcde");
        QTest::newRow("hangs up within the payload") << QList<QByteArray>{"run echo 5\nab"} << true << QByteArray();
        QTest::newRow("hangs up before the answer") << QList<QByteArray>{"run echo 5\nabcde"} << true << QByteArray();
        QTest::newRow("more than the largest payload")
            << QList<QByteArray>{"run echo " + QByteArray::number(CommandProtocol::MaxPayload + 1) + '\n'} << false
            << QByteArray();
        QTest::newRow("more than announced") << QList<QByteArray>{"run echo 1\nab"} << false << QByteArray();
    }

    void peersThatBreakOff()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(bool, hangUp);
        QFETCH(QByteArray, answer);
        QTemporaryDir dir;
        const InstanceKey key = InstanceKey::For(dir.filePath(QStringLiteral("appointments.dat")));
        ShowRequestServer server;
        QVERIFY(server.listen(key.serverName));
        QList<QByteArray> seen;
        server.setCommandHandler([&](const QByteArray &verb, const QByteArray &payload) {
            seen.append(payload);
            return CommandProtocol::Answer{CommandProtocol::Answer::Ok, verb + ':' + payload};
        });
        QCOMPARE(exchange(key.serverName, pieces, hangUp), answer);
        QTRY_VERIFY(seen.isEmpty() || seen == QList<QByteArray>{"abcde"});
        const CommandRequestResult next = sendAsync(key.serverName, "echo", "next");
        QCOMPARE(next.kind, CommandRequestResult::Answered);
        QCOMPARE(seen.last(), QByteArray("next"));
    }

    // The asking side takes only a whole, well-formed answer.
    void answersCutShortOrMalformed_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("kind");
        QTest::newRow("whole") << QByteArray("ok 3\nabc") << int(CommandRequestResult::Answered);
        QTest::newRow("payload cut short") << QByteArray("ok 10\nabc") << int(CommandRequestResult::NoAnswer);
        QTest::newRow("no line") << QByteArray(70, 'o') << int(CommandRequestResult::NoAnswer);
        QTest::newRow("unknown status") << QByteArray("fine 0\n") << int(CommandRequestResult::NoAnswer);
        QTest::newRow("nothing") << QByteArray() << int(CommandRequestResult::NoAnswer);
    }

    void answersCutShortOrMalformed()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("s")));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr = {};
        addr.sun_family = AF_UNIX;
        std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0 && ::listen(fd, 1) == 0);
        // The whole request is read before the reply: the asking side sends
        // the line and the payload apart, and a socket closed on a payload
        // not yet sent would fail the asking side's send instead.
        const qsizetype requestSize = CommandProtocol::RequestLine("echo", 1).size() + 1;
        std::thread server([&] {
            const int client = ::accept(fd, nullptr, nullptr);
            char request[64];
            for (qsizetype got = 0; got < requestSize;) {
                const ssize_t n = ::read(client, request, sizeof request);
                if (n <= 0)
                    break;
                got += n;
            }
            [[maybe_unused]] const ssize_t n = ::write(client, reply.constData(), size_t(reply.size()));
            ::close(client);
        });
        const CommandRequestResult r = SendCommand(QFile::decodeName(path), "echo", "x", QDeadlineTimer(5000),
                                                   QDeadlineTimer(5000));
        server.join();
        ::close(fd);
        QCOMPARE(int(r.kind), kind);
        QVERIFY(r.sent);
        QCOMPARE(r.answer.payload.isEmpty(), kind != CommandRequestResult::Answered);
        QCOMPARE(r.detail.isEmpty(), kind == CommandRequestResult::Answered);
    }
};

QTEST_GUILESS_MAIN(TestCommandSocket)
#include "tst_commandsocket.moc"
