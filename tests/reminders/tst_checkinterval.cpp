// The check timer's interval from the minutes and seconds fields, including
// values the timer cannot hold.
#include "reminders/CheckInterval.h"

#include <QTimer>
#include <QtTest>

#include <climits>

class TstCheckInterval : public QObject {
    Q_OBJECT
private slots:
    void interval_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("ms");
        QTest::newRow("default") << 0 << 30 << 30000;
        QTest::newRow("stopped") << 0 << 0 << 0;
        QTest::newRow("both") << 2 << 5 << 125000;
        QTest::newRow("seconds beyond a minute") << 1 << 75 << 135000;
        QTest::newRow("negative minutes count as none") << -1 << 30 << 30000;
        QTest::newRow("negative seconds count as none") << 2 << -5 << 120000;
        QTest::newRow("all negative") << -3 << -3 << 0;
        QTest::newRow("largest exact") << 35791 << 23 << 2147483000;
        QTest::newRow("just beyond the timer") << 35791 << 24 << INT_MAX;
        QTest::newRow("would wrap a 32-bit interval") << 71583 << 0 << INT_MAX;
        QTest::newRow("largest minutes") << INT_MAX << 59 << INT_MAX;
    }
    void interval()
    {
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(int, ms);
        QCOMPARE(CheckIntervalMs(minutes, seconds), ms);
    }

    void zeroStopsTheTimerAndAnyOtherRestartsIt()
    {
        QTimer timer;
        ApplyCheckInterval(timer, 30000);
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 30000);

        ApplyCheckInterval(timer, 0);
        QVERIFY(!timer.isActive());

        ApplyCheckInterval(timer, CheckIntervalMs(35791, 24));
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), INT_MAX);
    }
};

QTEST_GUILESS_MAIN(TstCheckInterval)
#include "tst_checkinterval.moc"
