// Separate processes starting for the same or for different data files:
// the first keeps the file, later ones hand over and end, and nothing a
// dead or stuck copy leaves behind needs anyone's help.
#include "Starts.h"

#include "platform/instance/InstanceKey.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

namespace {
// A QTRY wait bound for children starting on a loaded machine.
constexpr int StartLimitMs = 30000;

QString helper()
{
    return QStringLiteral(KALVIX_INSTANCE_HELPER);
}
} // namespace

class TestInstanceProcesses : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QStringList used_;
    QString path(const QString &folder)
    {
        QDir(dir_.path()).mkpath(folder);
        used_ << dir_.filePath(folder + QStringLiteral("/appointments.dat"));
        return used_.back();
    }
    std::unique_ptr<Start> start(const QString &dataPath, QStringList extra = {})
    {
        return std::make_unique<Start>(helper(), QStringList{dataPath} + extra);
    }

private slots:
    void cleanup()
    {
        // Every start of the test has ended by now; killed owners leave
        // their sockets in the temp folder.
        for (const QString &data : std::as_const(used_))
            QLocalServer::removeServer(InstanceKey::For(data).serverName);
        used_.clear();
    }

    void secondStartHandsOverToTheFirst()
    {
        const QString data = path(QStringLiteral("same"));
        auto first = start(data);
        QTRY_COMPARE_WITH_TIMEOUT(first->count("owner"), 1, StartLimitMs);

        // Every later start is answered, not just the first one.
        for (int n = 1; n <= 2; ++n) {
            auto again = start(data);
            QVERIFY(again->finish());
            QCOMPARE(again->process().exitStatus(), QProcess::NormalExit);
            QCOMPARE(again->process().exitCode(), 0);
            QCOMPARE(again->count("handed-over"), 1);
            QTRY_COMPARE_WITH_TIMEOUT(first->count("show-requested"), n, StartLimitMs);
        }
        QVERIFY(first->running());
        QCOMPARE(LockHolder(InstanceKey::For(data).lockPath), first->pid());
    }

    void killedOwnerLeavesNothingToCleanUp()
    {
        const QString data = path(QStringLiteral("killed"));
        const QString lock = InstanceKey::For(data).lockPath;
        auto first = start(data);
        QTRY_COMPARE_WITH_TIMEOUT(first->count("owner"), 1, StartLimitMs);
        first->process().kill(); // SIGKILL: no destructor, lock file and socket stay behind
        QVERIFY(first->finish());
        QVERIFY(QFile::exists(lock));

        auto next = start(data);
        QTRY_COMPARE_WITH_TIMEOUT(next->count("owner"), 1, StartLimitMs);
        QCOMPARE(LockHolder(lock), next->pid());

        // ... and the new owner is reachable under the old name.
        auto later = start(data);
        QVERIFY(later->finish());
        QCOMPARE(later->count("handed-over"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(next->count("show-requested"), 1, StartLimitMs);
    }

    void stuckOwnerKeepsItsFile()
    {
        const QString data = path(QStringLiteral("stuck"));
        const QString lock = InstanceKey::For(data).lockPath;
        auto first = start(data);
        QTRY_COMPARE_WITH_TIMEOUT(first->count("owner"), 1, StartLimitMs);
        first->signal(SIGSTOP);
        // However long the owner has been running, its lock is not stale.
        {
            QFile aged(lock);
            QVERIFY(aged.open(QIODevice::Append));
            QVERIFY(aged.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
        }

        auto second = start(data, {QStringLiteral("--timeout"), QStringLiteral("300")});
        QVERIFY(second->finish());
        QCOMPARE(second->process().exitCode(), 3);
        QCOMPARE(second->count("unreachable"), 1);
        QCOMPARE(LockHolder(lock), first->pid());

        // Woken up, the owner is still the owner and answers again.
        first->signal(SIGCONT);
        auto third = start(data);
        QVERIFY(third->finish());
        QCOMPARE(third->count("handed-over"), 1);
    }

    void differentFoldersRunSideBySide()
    {
        const QString a = path(QStringLiteral("a"));
        const QString b = path(QStringLiteral("b"));
        auto ownerA = start(a);
        auto ownerB = start(b);
        QTRY_COMPARE_WITH_TIMEOUT(ownerA->count("owner"), 1, StartLimitMs);
        QTRY_COMPARE_WITH_TIMEOUT(ownerB->count("owner"), 1, StartLimitMs);

        auto toA = start(a);
        QVERIFY(toA->finish());
        QCOMPARE(toA->count("handed-over"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(ownerA->count("show-requested"), 1, StartLimitMs);

        auto toB = start(b);
        QVERIFY(toB->finish());
        QCOMPARE(toB->count("handed-over"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(ownerB->count("show-requested"), 1, StartLimitMs);
        QCOMPARE(ownerA->count("show-requested"), 1);
        QVERIFY(ownerA->running() && ownerB->running());
    }

    void withoutLockFileTheSocketStillGuards()
    {
        // No lock file can be made in a folder that does not exist; the
        // socket alone then keeps a second start from running.
        const QString data = dir_.filePath(QStringLiteral("missing/appointments.dat"));
        used_ << data;
        auto first = start(data);
        QTRY_COMPARE_WITH_TIMEOUT(first->count("owner-unlocked"), 1, StartLimitMs);
        auto second = start(data);
        QVERIFY(second->finish());
        QCOMPARE(second->count("handed-over"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(first->count("show-requested"), 1, StartLimitMs);
    }
};

QTEST_GUILESS_MAIN(TestInstanceProcesses)
#include "tst_instanceprocesses.moc"
