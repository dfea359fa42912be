// The due rule at exact instants, each boundary from both sides, as one
// table: a row is a record's reminder fields, the moment of the check and
// whether the record is due then.
#include "reminders/DueDecision.h"
#include "store/DateTimeValue.h"

#include <QtTest>

using DateTimeValue::EncodeDate;
using DateTimeValue::EncodeTime;

namespace {
const double Ms = 1.0 / DateTimeValue::MSecsPerDay;

// Every row's appointment: 10 May 2024, 14:00. (A function, not a global:
// the date helpers keep statics of their own that a global initialiser
// could run ahead of.)
double appointmentAt()
{
    return EncodeDate(2024, 5, 10) + EncodeTime(14, 0);
}

// A row's record as the table gives it, with its time of day set to the
// appointment's.
TTermin record(double firstRemind, double repeatInterval, double lastReminded, bool done)
{
    TTermin r;
    r.Time = EncodeTime(14, 0);
    r.FirstRemind = firstRemind;
    r.RepeatInterval = repeatInterval;
    r.LastReminded = lastReminded;
    r.Done = done;
    return r;
}
} // namespace

class TstDueDecision : public QObject {
    Q_OBJECT
private slots:
    void isDue_data()
    {
        QTest::addColumn<double>("firstRemind");
        QTest::addColumn<double>("repeatInterval");
        QTest::addColumn<double>("lastReminded"); // 0: never reminded
        QTest::addColumn<bool>("done");
        QTest::addColumn<double>("now");
        QTest::addColumn<bool>("due");

        const double T = appointmentAt();
        // The usual record: first reminder 3 days ahead, repeated daily, so
        // its reminder window opens at S.
        const double lead = 3, daily = 1, never = 0;
        const double S = T - lead;

        // Never reminded: due inside its window only.
        QTest::addRow("never reminded, inside the window") << lead << daily << never << false << T - 1 << true;
        QTest::addRow("never reminded, window not open yet") << lead << daily << never << false << T - 4 << false;
        QTest::addRow("never reminded, passed") << lead << daily << never << false << T + 1 << false;

        // Done is never due, not even when "reminded after the appointment"
        // would make it due.
        QTest::addRow("done") << lead << daily << never << true << T - 1 << false;
        QTest::addRow("done, reminded after the appointment") << lead << daily << T + 1 << true << T - 1 << false;

        // An appointment at the very moment of the check has not passed.
        QTest::addRow("appointment at now") << lead << daily << never << false << T << true;
        QTest::addRow("a millisecond after the appointment") << lead << daily << never << false << T + Ms << false;
        // Passed wins over "reminded after the appointment".
        QTest::addRow("passed, reminded after the appointment") << lead << daily << T + 1 << false << T + Ms << false;

        // The window opens exactly at its start.
        QTest::addRow("window start") << lead << daily << never << false << S << true;
        QTest::addRow("a millisecond before the window") << lead << daily << never << false << S - Ms << false;

        // The repeat interval runs out exactly; reminded inside the window.
        const double last = T - 2;
        QTest::addRow("repeat interval run out") << lead << daily << last << false << last + daily << true;
        QTest::addRow("a millisecond before the repeat interval runs out")
            << lead << daily << last << false << last + daily - Ms << false;

        // Reminded exactly as the window opened counts as reminded in it.
        QTest::addRow("last reminder at window start") << lead << daily << S << false << S + 0.5 << false;
        QTest::addRow("last reminder before the window opened") << lead << daily << S - Ms << false << S + 0.5 << true;

        // Reminded exactly at the appointment (by the check at that very
        // moment) counts as reminded in the window; after it it does not.
        QTest::addRow("last reminder at the appointment") << lead << daily << T << false << T << false;
        QTest::addRow("last reminder after the appointment") << lead << daily << T + Ms << false << T - 0.5 << true;

        // A reminder stamped later than now came from a clock that was ahead
        // and has been set back: it does not hold the next one back. Stamped
        // by this very check (at now) it does.
        QTest::addRow("last reminder a day ahead of the clock") << lead << daily << T - 1 << false << T - 2 << true;
        QTest::addRow("last reminder a millisecond ahead") << lead << daily << T - 2 + Ms << false << T - 2 << true;
        QTest::addRow("last reminder at now") << lead << daily << T - 2 << false << T - 2 << false;

        // A zero repeat interval is due again at once, answered in this very
        // check, until the appointment passes.
        QTest::addRow("no repeat interval, answered just now") << lead << 0.0 << T - 1 << false << T - 1 << true;
        QTest::addRow("no repeat interval, passed") << lead << 0.0 << T - 1 << false << T + Ms << false;

        // A zero lead time opens the window only at the appointment itself.
        QTest::addRow("no lead time, a millisecond before") << 0.0 << daily << never << false << T - Ms << false;
        QTest::addRow("no lead time, at the appointment") << 0.0 << daily << never << false << T << true;
        QTest::addRow("no lead time, a millisecond after") << 0.0 << daily << never << false << T + Ms << false;

        // Never reminded (0) is "never", not a date in 1899 that S would
        // exceed anyway: with a huge lead time S lies before 0, and the
        // record is still due.
        QTest::addRow("never reminded beats a running repeat interval")
            << T + 10 << 1e9 << never << false << T - 1 << true;
    }

    void isDue()
    {
        QFETCH(double, firstRemind);
        QFETCH(double, repeatInterval);
        QFETCH(double, lastReminded);
        QFETCH(bool, done);
        QFETCH(double, now);
        QFETCH(bool, due);
        QCOMPARE(IsDue(record(firstRemind, repeatInterval, lastReminded, done), appointmentAt(), now), due);
    }
};

QTEST_GUILESS_MAIN(TstDueDecision)
#include "tst_duedecision.moc"
