// The lock and the request socket within one process: names derived from
// the data file, ownership, leftovers of dead copies, and a socket that
// only answers the one request it knows.
#include "platform/instance/PrivateFolder.h"
#include "platform/instance/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Short, because nobody will answer: no copy holds these files.
constexpr int NoAnswerMs = 300;

QString dataIn(const QTemporaryDir &dir, const QString &folder = QString())
{
    const QString base = folder.isEmpty() ? dir.path() : dir.filePath(folder);
    QDir().mkpath(base);
    return base + QStringLiteral("/appointments.dat");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}
} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void namesFollowTheFileNotItsSpelling()
    {
        QTemporaryDir dir;
        const QString data = dataIn(dir, QStringLiteral("real"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real")), dir.filePath(QStringLiteral("alias"))));
        const InstanceKey key = InstanceKey::For(data);

        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const InstanceKey relative = InstanceKey::For(QStringLiteral("real/appointments.dat"));
        QVERIFY(QDir::setCurrent(saved));
        const QStringList spellings{
            dir.filePath(QStringLiteral("real/./appointments.dat")),
            dir.filePath(QStringLiteral("alias/appointments.dat")),
            dir.filePath(QStringLiteral("real/../alias/appointments.dat")),
        };
        for (const QString &s : spellings)
            QCOMPARE(InstanceKey::For(s).serverName, key.serverName);
        QCOMPARE(relative.serverName, key.serverName);
        QCOMPARE(InstanceKey::For(dir.filePath(QStringLiteral("alias/appointments.dat"))).lockPath, key.lockPath);

        // The file appearing (first save) does not change anything.
        writeFile(data, "x");
        QCOMPARE(InstanceKey::For(data).serverName, key.serverName);

        QCOMPARE(QFileInfo(key.lockPath).dir(), QFileInfo(data).dir());
        QVERIFY(key.lockPath.endsWith(QStringLiteral("appointments.dat.lock")));
        // The socket lands in a folder only this user can enter; a Unix
        // socket path holds 107 bytes.
        const QFileInfo socket(key.serverName);
        QVERIFY(socket.isAbsolute());
        QVERIFY(PrivateFolder::IsPrivate(socket.path(), nullptr));
        QVERIFY(QRegularExpression(QStringLiteral("^kalvix-[a-z0-9]{8,40}$")).match(socket.fileName()).hasMatch());
        QVERIFY(QFile::encodeName(key.serverName).size() <= 107);

        const InstanceKey other = InstanceKey::For(dataIn(dir, QStringLiteral("other")));
        QVERIFY(other.serverName != key.serverName);
        QVERIFY(other.lockPath != key.lockPath);
    }

    void ownerHoldsTheFileForItsLifetime()
    {
        QTemporaryDir dir;
        const QString data = dataIn(dir);
        QString lockPath;
        {
            SingleInstance owner(data);
            QCOMPARE(owner.claim(), SingleInstance::Role::Owner);
            QVERIFY(owner.holdsLock());
            QVERIFY(owner.isListening());
            QVERIFY(owner.problem().isEmpty());
            lockPath = owner.key().lockPath;
            QVERIFY(QFile::exists(lockPath));
        }
        QVERIFY(!QFile::exists(lockPath));

        SingleInstance after(data);
        QCOMPARE(after.claim(), SingleInstance::Role::Owner);
        QVERIFY(after.holdsLock());
    }

    void leftoverLockWithoutHolderIsRecovered_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty (cut short while being written)") << QByteArray();
        QTest::newRow("unreadable") << QByteArray("\x01\x02garbage\n", 10);
        // After a crash the recorded process id may belong to another copy
        // of the same program by now, which the id check takes for alive.
        QTest::newRow("process id reused by a copy of this program")
            << QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n'
                + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n'
                + QSysInfo::bootUniqueId() + '\n';
    }

    void leftoverLockWithoutHolderIsRecovered()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString data = dataIn(dir);
        writeFile(InstanceKey::For(data).lockPath, contents);

        SingleInstance owner(data);
        QCOMPARE(owner.claim(NoAnswerMs), SingleInstance::Role::Owner);
        QVERIFY(owner.holdsLock());
        QVERIFY(owner.isListening());
    }

    // A folder where the lock goes is named as such at once, never taken
    // for a running copy that does not answer, and is left alone.
    void aFolderInPlaceOfTheLockIsNamed()
    {
        QTemporaryDir dir;
        const QString data = dataIn(dir);
        const InstanceKey key = InstanceKey::For(data);
        QVERIFY(QDir().mkdir(key.lockPath));
        SingleInstance instance(data);
        QCOMPARE(instance.claim(NoAnswerMs), SingleInstance::Role::Blocked);
        QVERIFY2(instance.problem().contains(QLatin1String("is a folder"))
                     && instance.problem().contains(QDir::toNativeSeparators(key.lockPath))
                     && !instance.problem().contains(QLatin1String("running")),
                 qPrintable(instance.problem()));
        QVERIFY(!instance.holdsLock());
        QVERIFY(QFileInfo(key.lockPath).isDir());
    }

    void socketAnswersOnlyTheShowRequest()
    {
        QTemporaryDir dir;
        SingleInstance owner(dataIn(dir));
        QCOMPARE(owner.claim(), SingleInstance::Role::Owner);
        QSignalSpy shown(&owner, &SingleInstance::showRequested);

        auto refused = [&](const QByteArray &bytes) {
            QLocalSocket client;
            client.connectToServer(owner.key().serverName);
            QVERIFY(client.waitForConnected());
            client.write(bytes);
            client.flush();
            QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
            QCOMPARE(client.readAll(), QByteArray());
        };
        refused("open appointments.dat\n");
        refused("show please\n");
        refused("show token \n");
        refused("show token two words\n");
        refused(QByteArray(200, 's'));
        if (QTest::currentTestFailed())
            return;
        QVERIFY(shown.isEmpty());

        // A client hanging up early does not disturb the next one.
        {
            QLocalSocket early;
            early.connectToServer(owner.key().serverName);
            QVERIFY(early.waitForConnected());
        }
        // The request may arrive in pieces.
        QLocalSocket client;
        client.connectToServer(owner.key().serverName);
        QVERIFY(client.waitForConnected());
        client.write("sh");
        client.flush();
        QTest::qWait(50);
        QCOMPARE(client.state(), QLocalSocket::ConnectedState);
        client.write("ow\n");
        QTRY_COMPARE(client.bytesAvailable(), qint64(6));
        QCOMPARE(client.readAll(), QByteArray("shown\n"));
        QCOMPARE(shown.count(), 1);
        QVERIFY(shown[0][0].toByteArray().isEmpty());

        // A second start the desktop gave an activation token hands it on.
        QLocalSocket withToken;
        withToken.connectToServer(owner.key().serverName);
        QVERIFY(withToken.waitForConnected());
        withToken.write("show token kalvix-1_TIME42\n");
        QTRY_COMPARE(withToken.bytesAvailable(), qint64(6));
        QCOMPARE(shown.count(), 2);
        QCOMPARE(shown[1][0].toByteArray(), QByteArray("kalvix-1_TIME42"));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
