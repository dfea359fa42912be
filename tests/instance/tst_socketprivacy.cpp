// The request socket belongs to its user: where it is put, what a folder
// prepared by somebody else gets, and connections from another user in
// either direction (run as root, with a child process that becomes the
// unprivileged user "nobody"; skipped with a message otherwise).
#include "platform/instance/PrivateFolder.h"
#include "platform/instance/ShowRequest.h"
#include "platform/instance/ShowRequestServer.h"
#include "platform/instance/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace {
constexpr uid_t Nobody = 65534;
constexpr int NoAnswerMs = 300;

// Sets an environment variable for one scope.
class EnvScope {
public:
    EnvScope(const char *name, const QByteArray &value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvScope()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char *name_;
    QByteArray old_;
    bool had_;
};

QString makeFolder(const QString &path, mode_t mode)
{
    QDir().mkpath(path);
    ::chmod(QFile::encodeName(path).constData(), mode);
    return path;
}

mode_t modeOf(const QString &path)
{
    struct stat st = {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

int connectTo(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    std::memcpy(addr.sun_path, p.constData(), size_t(p.size()));
    if (::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0)
        return -1;
    return fd;
}

// Runs `body` in a child process as "nobody", in the folder `dir` (entered
// while still root, so that a folder above it closed to other users, as the
// root of a chroot made by mktemp is, does not matter); returns its id.
template <typename Body>
pid_t asNobody(const QString &dir, Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(QFile::encodeName(dir).constData()) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(3);
        ::_exit(body());
    }
    return pid;
}

// Waits for the child while the event loop serves the sockets.
int exitCodeOf(pid_t pid)
{
    int status = -1;
    (void)QTest::qWaitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, 20000);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

class TestSocketPrivacy : public QObject {
    Q_OBJECT
private slots:
    void runtimeFolderWhenItIsPrivate()
    {
        QTemporaryDir dir;
        const QString runtime = makeFolder(dir.filePath(QStringLiteral("run")), 0700);
        const EnvScope xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const InstanceKey key = InstanceKey::For(dir.filePath(QStringLiteral("appointments.dat")));
        QCOMPARE(QFileInfo(key.serverName).path(), runtime);

        SingleInstance owner(dir.filePath(QStringLiteral("appointments.dat")));
        QCOMPARE(owner.claim(), SingleInstance::Role::Owner);
        QVERIFY(owner.isListening());
        QVERIFY(QFileInfo::exists(key.serverName));
        // A second start finds it there and is answered.
        QSignalSpy shown(&owner, &SingleInstance::showRequested);
        // The owner answers from the event loop; ask from a child process.
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int fd = connectTo(key.serverName);
            char answer[7] = {};
            const bool ok = fd >= 0 && ::write(fd, "show\n", 5) == 5 && ::read(fd, answer, 6) == 6
                && std::strcmp(answer, "shown\n") == 0;
            ::_exit(ok ? 0 : 1);
        }
        QCOMPARE(exitCodeOf(pid), 0);
        QCOMPARE(shown.count(), 1);
    }

    void unsafeRuntimeFolderFallsBackToOwnTempFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("unset") << QStringLiteral("unset");
        QTest::newRow("relative") << QStringLiteral("relative");
        QTest::newRow("readable by others (0755)") << QStringLiteral("0755");
        QTest::newRow("missing") << QStringLiteral("missing");
        QTest::newRow("link to a private folder") << QStringLiteral("link");
        QTest::newRow("owned by another user") << QStringLiteral("nobody");
    }

    void unsafeRuntimeFolderFallsBackToOwnTempFolder()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString tmp = makeFolder(dir.filePath(QStringLiteral("tmp")), 01777);
        QByteArray runtime;
        if (kind == QLatin1String("relative"))
            runtime = "run";
        else if (kind == QLatin1String("0755"))
            runtime = QFile::encodeName(makeFolder(dir.filePath(QStringLiteral("run")), 0755));
        else if (kind == QLatin1String("missing"))
            runtime = QFile::encodeName(dir.filePath(QStringLiteral("gone")));
        else if (kind == QLatin1String("link")) {
            makeFolder(dir.filePath(QStringLiteral("real")), 0700);
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("real")), dir.filePath(QStringLiteral("run"))));
            runtime = QFile::encodeName(dir.filePath(QStringLiteral("run")));
        } else if (kind == QLatin1String("nobody")) {
            if (::geteuid() != 0)
                QSKIP("Needs root to give a folder to another user.");
            runtime = QFile::encodeName(makeFolder(dir.filePath(QStringLiteral("run")), 0700));
            QCOMPARE(::chown(runtime.constData(), Nobody, Nobody), 0);
        }
        const EnvScope xdg("XDG_RUNTIME_DIR", runtime);
        const EnvScope tmpdir("TMPDIR", QFile::encodeName(tmp));

        const InstanceKey key = InstanceKey::For(dir.filePath(QStringLiteral("appointments.dat")));
        const QString own = tmp + QStringLiteral("/kalvix-") + QString::number(::geteuid());
        QCOMPARE(QFileInfo(key.serverName).path(), own);
        QCOMPARE(modeOf(own), mode_t(0700));
        QVERIFY(key.socketProblem.isEmpty());
    }

    void tempFolderPreparedBySomebodyElseIsPassedBy_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("open to everybody") << QStringLiteral("0777");
        QTest::newRow("a link to a private folder") << QStringLiteral("link");
        QTest::newRow("a plain file") << QStringLiteral("file");
        QTest::newRow("owned by another user") << QStringLiteral("nobody");
    }

    void tempFolderPreparedBySomebodyElseIsPassedBy()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString tmp = makeFolder(dir.filePath(QStringLiteral("tmp")), 01777);
        const QString own = tmp + QStringLiteral("/kalvix-") + QString::number(::geteuid());
        if (kind == QLatin1String("0777")) {
            makeFolder(own, 0777);
        } else if (kind == QLatin1String("link")) {
            makeFolder(dir.filePath(QStringLiteral("elsewhere")), 0700);
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere")), own));
        } else if (kind == QLatin1String("file")) {
            QFile f(own);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            if (::geteuid() != 0)
                QSKIP("Needs root to give a folder to another user.");
            makeFolder(own, 0700);
            QCOMPARE(::chown(QFile::encodeName(own).constData(), Nobody, Nobody), 0);
        }
        const EnvScope xdg("XDG_RUNTIME_DIR", QByteArray());
        const EnvScope tmpdir("TMPDIR", QFile::encodeName(tmp));

        const QString data = dir.filePath(QStringLiteral("appointments.dat"));
        const InstanceKey key = InstanceKey::For(data);
        // Passed by, and said so; a folder of our own next to it is used.
        QCOMPARE(QFileInfo(key.serverName).path(), own + QStringLiteral(".1"));
        QCOMPARE(modeOf(own + QStringLiteral(".1")), mode_t(0700));
        QVERIFY(key.socketProblem.isEmpty());
        QVERIFY2(key.socketNotice.contains(own), qPrintable(key.socketNotice));

        // The folder is left as found, and the program stays reachable: a
        // second start hands over to it.
        const mode_t before = modeOf(own);
        SingleInstance owner(data);
        QCOMPARE(owner.claim(NoAnswerMs), SingleInstance::Role::Owner);
        QVERIFY(owner.isListening());
        QCOMPARE(modeOf(own), before);
        const pid_t pid = ::fork();
        if (pid == 0) {
            SingleInstance second(data);
            ::_exit(second.claim(5000) == SingleInstance::Role::HandedOver ? 0 : 1);
        }
        QCOMPARE(exitCodeOf(pid), 0);
        // Gone again, the stranger's folder does not split the program from
        // its commands: ours is still found first.
        if (QFileInfo(own).isSymLink() || !QFileInfo(own).isDir())
            QVERIFY(QFile::remove(own));
        else
            QVERIFY(QDir(own).removeRecursively());
        QCOMPARE(InstanceKey::For(data).serverName, key.serverName);
    }

    // The socket file is the user's alone (read and write, nobody else) from
    // its first moment; what a dead copy left at its path is replaced, and
    // neither a failure nor the end leaves anything behind.
    void socketFileReplacesLeftoversAndIsPrivate_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("listens");
        QTest::newRow("nothing") << QString() << true;
        QTest::newRow("socket of a dead copy") << QStringLiteral("socket") << true;
        QTest::newRow("plain file") << QStringLiteral("file") << true;
        QTest::newRow("a folder in the way") << QStringLiteral("folder") << false;
        QTest::newRow("path too long") << QStringLiteral("long") << false;
    }

    void socketFileReplacesLeftoversAndIsPrivate()
    {
        QFETCH(QString, before);
        QFETCH(bool, listens);
        QTemporaryDir dir;
        const QString path = before == QLatin1String("long") ? dir.filePath(QString(100, QLatin1Char('s')))
                                                             : dir.filePath(QStringLiteral("s"));
        if (before == QLatin1String("socket")) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un addr = {};
            addr.sun_family = AF_UNIX;
            std::memcpy(addr.sun_path, QFile::encodeName(path).constData(), size_t(path.size()));
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
            ::close(fd);
        } else if (before == QLatin1String("file")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (before == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        }
        {
            ShowRequestServer server;
            QCOMPARE(server.listen(path), listens);
            // Only the socket (or the folder that was there): no temporary folder.
            const QDir::Filters all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
            QCOMPARE(QDir(dir.path()).entryList(all).size(), listens || before == QLatin1String("folder") ? 1 : 0);
            if (!listens) {
                QVERIFY2(server.errorString().contains(path), qPrintable(server.errorString()));
                return;
            }
            QCOMPARE(modeOf(path), mode_t(0600));
            QVERIFY(QFileInfo(path).exists());
            QVERIFY(connectTo(path) >= 0);
        }
        QVERIFY(!QFileInfo::exists(path));
    }

    void anotherUserIsTurnedAwayByTheRunningCopy()
    {
        if (::geteuid() != 0)
            QSKIP("Needs root to connect as another user.");
        // A folder anyone can enter, as if the socket had been put somewhere
        // careless: the peer check alone has to keep the stranger out.
        QTemporaryDir dir;
        makeFolder(dir.path(), 0777);
        const QString path = dir.filePath(QStringLiteral("s"));
        ShowRequestServer server;
        QVERIFY(server.listen(path));
        ::chmod(QFile::encodeName(path).constData(), 0777);
        QSignalSpy shown(&server, &ShowRequestServer::showRequested);

        const pid_t pid = asNobody(dir.path(), [&] {
            const int fd = connectTo(QStringLiteral("s"));
            if (fd < 0)
                return 2;
            const char request[] = "show\n";
            if (::write(fd, request, sizeof request - 1) != ssize_t(sizeof request - 1))
                return 0; // already hung up on
            char answer[16];
            // The server hangs up without answering: read sees the end.
            return ::read(fd, answer, sizeof answer) > 0 ? 1 : 0;
        });
        QCOMPARE(exitCodeOf(pid), 0);
        QVERIFY(shown.isEmpty());
    }

    void anotherUsersSocketCannotClaimToHaveShown()
    {
        if (::geteuid() != 0)
            QSKIP("Needs root to listen as another user.");
        QTemporaryDir dir;
        makeFolder(dir.path(), 0777);
        const QString path = dir.filePath(QStringLiteral("s"));
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        // A stranger's server that answers every request as the program would.
        const pid_t pid = asNobody(dir.path(), [&] {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un addr = {};
            addr.sun_family = AF_UNIX;
            const QByteArray p("s");
            std::memcpy(addr.sun_path, p.constData(), size_t(p.size()));
            if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(fd, 1) != 0)
                return 2;
            [[maybe_unused]] ssize_t n = ::write(ready[1], "r", 1);
            const int client = ::accept(fd, nullptr, nullptr);
            char buf[16];
            n = ::read(client, buf, sizeof buf);
            n = ::write(client, "shown\n", 6);
            return 0;
        });
        // A child that fails before it listens closes the pipe's last writer.
        ::close(ready[1]);
        char byte = 0;
        QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
        const ShowRequestResult result = AskToShow(path, QDeadlineTimer(5000));
        QCOMPARE(result.kind, ShowRequestResult::NoAnswer);
        QVERIFY2(result.detail.contains(QStringLiteral("another user")), qPrintable(result.detail));
        ::kill(pid, SIGKILL);
        exitCodeOf(pid);
        ::close(ready[0]);
    }
};

QTEST_GUILESS_MAIN(TestSocketPrivacy)
#include "tst_socketprivacy.moc"
