// The system clock's conversion to local date-time values: exact to the
// millisecond and following the wall clock across daylight-saving changes.
// Runs in a fixed Central European zone given as a rule, so it needs no
// time-zone database and does not depend on the machine's zone.
#include "reminders/Clock.h"
#include "store/DateTimeValue.h"

#include <QtTest>

#include <ctime>

using DateTimeValue::EncodeDate;
using DateTimeValue::EncodeTime;

namespace {
qint64 utcMs(int y, int m, int d, int h, int min, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s, ms), Qt::UTC).toMSecsSinceEpoch();
}

double local(int y, int m, int d, int h, int min, int s = 0, int ms = 0)
{
    return EncodeDate(y, m, d) + EncodeTime(h, min, s, ms);
}
} // namespace

class TstReminderClock : public QObject {
    Q_OBJECT
private slots:
    void valuesAreExactToTheMillisecond()
    {
        // Winter: local = UTC + 1.
        QCOMPARE(SystemClock::LocalValueAt(utcMs(2024, 1, 15, 11, 22, 33, 1)), local(2024, 1, 15, 12, 22, 33, 1));
        QCOMPARE(SystemClock::LocalValueAt(utcMs(2024, 1, 15, 22, 59, 59, 999)), local(2024, 1, 15, 23, 59, 59, 999));
        QCOMPARE(SystemClock::LocalValueAt(utcMs(2024, 1, 15, 23, 0)), local(2024, 1, 16, 0, 0));
        // Every millisecond of a second survives the round trip.
        const qint64 base = utcMs(2031, 7, 4, 6, 7, 8);
        for (int ms = 0; ms < 1000; ++ms) {
            const DateTimeValue::Parts p = DateTimeValue::Split(SystemClock::LocalValueAt(base + ms));
            QCOMPARE(p.msec, ms);
            QCOMPARE(p.second, 8);
            QCOMPARE(p.hour, 8); // summer: UTC + 2
        }
    }

    void springForwardSkipsAnHour()
    {
        // 31 March 2024: 02:00 CET becomes 03:00 CEST (01:00 UTC).
        QCOMPARE(SystemClock::LocalValueAt(utcMs(2024, 3, 31, 0, 59, 59, 999)), local(2024, 3, 31, 1, 59, 59, 999));
        QCOMPARE(SystemClock::LocalValueAt(utcMs(2024, 3, 31, 1, 0)), local(2024, 3, 31, 3, 0));
    }

    void fallBackRepeatsAnHour()
    {
        // 27 October 2024: 03:00 CEST becomes 02:00 CET (01:00 UTC).
        QCOMPARE(SystemClock::LocalValueAt(utcMs(2024, 10, 27, 0, 30)), local(2024, 10, 27, 2, 30));
        QCOMPARE(SystemClock::LocalValueAt(utcMs(2024, 10, 27, 1, 30)), local(2024, 10, 27, 2, 30));
        QCOMPARE(SystemClock::LocalValueAt(utcMs(2024, 10, 27, 2, 0)), local(2024, 10, 27, 3, 0));
    }

    void nowReadsTheLocalWallClock()
    {
        SystemClock clock;
        const double before = SystemClock::LocalValueAt(QDateTime::currentMSecsSinceEpoch());
        const double now = clock.now();
        const double after = SystemClock::LocalValueAt(QDateTime::currentMSecsSinceEpoch());
        QVERIFY(before <= now && now <= after);
    }
};

int main(int argc, char **argv)
{
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    tzset();
    QCoreApplication app(argc, argv);
    TstReminderClock t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_reminderclock.moc"
