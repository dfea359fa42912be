// Where the program looks for the session bus: never an address that
// autolaunches one.
#include "platform/notify/SessionBus.h"

#include <QtTest>

class TstSessionBus : public QObject {
    Q_OBJECT
private slots:
    void addressNeverAutolaunches_data()
    {
        QTest::addColumn<QByteArray>("given");
        QTest::addColumn<QByteArray>("runtimeDir");
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("the session's address")
            << QByteArray("unix:path=/tmp/dbus-x") << QByteArray("/run/user/7") << QByteArray("unix:path=/tmp/dbus-x");
        QTest::newRow("the runtime folder's bus")
            << QByteArray() << QByteArray("/run/user/7") << QByteArray("unix:path=/run/user/7/bus");
        QTest::newRow("no runtime folder")
            << QByteArray() << QByteArray() << QByteArray("unix:path=/run/user/1000/bus");
        QTest::newRow("odd characters escaped")
            << QByteArray() << QByteArray("/tmp/a b,c=%") << QByteArray("unix:path=/tmp/a%20b%2cc%3d%25/bus");
    }
    void addressNeverAutolaunches()
    {
        QFETCH(QByteArray, given);
        QFETCH(QByteArray, runtimeDir);
        QFETCH(QByteArray, address);
        QCOMPARE(SessionBus::AddressFor(given, runtimeDir, 1000), address);
    }
};

QTEST_GUILESS_MAIN(TstSessionBus)
#include "tst_sessionbus.moc"
