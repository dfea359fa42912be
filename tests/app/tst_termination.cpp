// The program asked to end by the system (logout, shutdown) saves first.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TstTermination : public QObject {
    Q_OBJECT
private slots:
    void sigtermSavesAndEndsCleanly()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("kalvix"));
        QVERIFY(QFile::copy(QStringLiteral(KALVIX_PROGRAM), program));
        const QString service = QFileInfo(QStringLiteral(KALVIX_PROGRAM)).dir().filePath("libkalvixtheme.so");
        if (QFile::exists(service))
            QFile::copy(service, dir.filePath(QStringLiteral("libkalvixtheme.so")));

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(program, {});
        QVERIFY(p.waitForStarted());
        // The lock beside the data file appears once the program owns it.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("appointments.dat.lock"))), 20000);
        QTest::qWait(500);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("appointments.dat"))));
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("appointments.dat"))).size(), 147572);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("appointments.dat.lock"))));
    }
};

QTEST_GUILESS_MAIN(TstTermination)
#include "tst_termination.moc"
