// A child process saves the store in a loop and is killed with SIGKILL at
// random moments. Afterwards the file is always the last store the child
// finished saving or the one it was saving, complete, and at most one
// temporary file, no larger than a store, is left beside it.

#include "SampleStores.h"
#include "store/TerminFile.h"

#include <QtTest>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <thread>

using namespace reliability;

class TstCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void killedSaverLeavesOldOrNewStore()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = TerminFile::PathIn(dir.path());
        const QString temp = path + QStringLiteral(".saving");
        QVERIFY(WriteFile(path, GenerationBytes(0)));

        // Kill anywhere within a few saves; the loop learns how long a save
        // takes from the first runs.
        QRandomGenerator random(20240229u);
        long long known = 0; // the generation the file is known to hold
        int kills = 0, wasOld = 0, wasNew = 0, midSave = 0, maxDelayUs = 20000;
        const int wanted = 200;
        while (kills < wanted) {
            QProcess child;
            child.start(QStringLiteral(KALVIX_CRASH_SAVER), {dir.path()});
            QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
            // Wait for the child to have read the store: the kill is meant
            // for its saves.
            while (!child.canReadLine())
                QVERIFY2(child.waitForReadyRead(10000), "saver did not start");
            const QByteArray first = child.readLine().trimmed();
            QCOMPARE(first, QByteArray("start ") + QByteArray::number(known));

            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(maxDelayUs)));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            long long lastSaved = known;
            const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
            for (const QByteArray &line : lines) {
                if (line.startsWith("saved "))
                    lastSaved = line.mid(6).toLongLong();
                else
                    QVERIFY2(line.isEmpty(), line.constData());
            }

            const long long now = GenerationOf(ReadFile(path));
            QVERIFY2(now == lastSaved || now == lastSaved + 1,
                     qPrintable(QStringLiteral("kill %1: file holds generation %2, last saved %3")
                                    .arg(kills)
                                    .arg(now)
                                    .arg(lastSaved)));
            (now == known ? wasOld : wasNew)++;
            known = now;

            // What lies beside the file: at most the one temporary file, no
            // larger than the store that was being saved, and nothing else.
            const qint64 inProgress = GenerationBytes(static_cast<uint32_t>(lastSaved + 1)).size();
            for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
                const QString full = QDir(dir.path()).filePath(name);
                if (full == temp) {
                    ++midSave;
                    QVERIFY(QFileInfo(full).size() <= inProgress);
                } else {
                    QCOMPARE(full, path);
                }
            }
            ++kills;
            // Kills should land both between saves and within them; after a
            // few rounds, scale the delay to the speed of a save.
            if (kills == 10 && wasNew < 3)
                maxDelayUs *= 4;
        }
        qInfo(
            "kills survived: %d (file held the store from before the run: %d, a newer complete store: %d; "
            "a save was cut short %d times); reached generation %lld, nothing lost",
            kills, wasOld, wasNew, midSave, known);
        QVERIFY(wasNew > 0);
        QVERIFY(midSave > 0);
    }
};

QTEST_GUILESS_MAIN(TstCrashSafety)
#include "tst_crashsafety.moc"
