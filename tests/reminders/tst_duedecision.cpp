// The due rule at exact instants, each boundary from both sides.
#include "reminders/DueDecision.h"
#include "store/DateTimeValue.h"

#include <QtTest>

using DateTimeValue::EncodeDate;
using DateTimeValue::EncodeTime;

namespace {
const double Ms = 1.0 / DateTimeValue::MSecsPerDay;

struct Case {
    TTermin r;
    double T; // moment of the appointment
};

// 10 May 2024, 14:00, first reminder 3 days ahead, repeated daily.
Case appointment()
{
    Case c;
    c.r.Time = EncodeTime(14, 0);
    c.r.FirstRemind = 3;
    c.r.RepeatInterval = 1;
    c.T = EncodeDate(2024, 5, 10) + c.r.Time;
    return c;
}
} // namespace

class TstDueDecision : public QObject {
    Q_OBJECT
private slots:
    void neverRemindedIsDueInsideItsWindowOnly()
    {
        const Case c = appointment();
        QVERIFY(IsDue(c.r, c.T, c.T - 1));
        QVERIFY(!IsDue(c.r, c.T, c.T - 4)); // window not open yet
        QVERIFY(!IsDue(c.r, c.T, c.T + 1)); // passed
    }

    void doneIsNeverDue()
    {
        Case c = appointment();
        c.r.Done = true;
        QVERIFY(!IsDue(c.r, c.T, c.T - 1));
        c.r.LastReminded = c.T + 1; // would be due by "reminded after the appointment"
        QVERIFY(!IsDue(c.r, c.T, c.T - 1));
    }

    void appointmentAtNowHasNotPassed()
    {
        const Case c = appointment();
        Case c2 = c;
        QVERIFY(IsDue(c.r, c.T, c.T));
        QVERIFY(!IsDue(c.r, c.T, c.T + Ms));
        c2.r.LastReminded = c.T + 1; // passed wins over "reminded after the appointment"
        QVERIFY(!IsDue(c2.r, c2.T, c2.T + Ms));
    }

    void windowOpensExactlyAtStart()
    {
        const Case c = appointment();
        const double S = c.T - c.r.FirstRemind;
        QVERIFY(IsDue(c.r, c.T, S));
        QVERIFY(!IsDue(c.r, c.T, S - Ms));
    }

    void repeatIntervalRunsOutExactly()
    {
        Case c = appointment();
        c.r.LastReminded = c.T - 2; // inside the window
        const double again = c.r.LastReminded + c.r.RepeatInterval;
        QVERIFY(IsDue(c.r, c.T, again));
        QVERIFY(!IsDue(c.r, c.T, again - Ms));
    }

    void lastReminderAtWindowStartIsNotEnough()
    {
        Case c = appointment();
        const double S = c.T - c.r.FirstRemind;
        const double now = S + 0.5;
        c.r.LastReminded = S; // S = L
        QVERIFY(!IsDue(c.r, c.T, now));
        c.r.LastReminded = S - Ms; // before the window opened
        QVERIFY(IsDue(c.r, c.T, now));
    }

    void lastReminderAtAppointmentIsNotEnough()
    {
        Case c = appointment();
        const double now = c.T - 0.5;
        c.r.LastReminded = c.T; // L = T
        QVERIFY(!IsDue(c.r, c.T, now));
        c.r.LastReminded = c.T + Ms; // after the appointment, e.g. the time was moved
        QVERIFY(IsDue(c.r, c.T, now));
    }

    void zeroRepeatIntervalIsDueAgainAtOnce()
    {
        Case c = appointment();
        c.r.RepeatInterval = 0;
        const double now = c.T - 1;
        c.r.LastReminded = now; // answered in this very check
        QVERIFY(IsDue(c.r, c.T, now));
        QVERIFY(!IsDue(c.r, c.T, c.T + Ms));
    }

    void zeroLeadTimeOpensOnlyAtTheAppointment()
    {
        Case c = appointment();
        c.r.FirstRemind = 0;
        QVERIFY(!IsDue(c.r, c.T, c.T - Ms));
        QVERIFY(IsDue(c.r, c.T, c.T));
        QVERIFY(!IsDue(c.r, c.T, c.T + Ms));
    }

    void neverRemindedBeatsARunningRepeatInterval()
    {
        // L = 0 is "never", not a date in 1899 that S would exceed anyway:
        // with a huge lead time S lies before 0, and the record is still due.
        Case c = appointment();
        c.r.FirstRemind = c.T + 10;
        c.r.RepeatInterval = 1e9;
        QVERIFY(IsDue(c.r, c.T, c.T - 1));
    }
};

QTEST_GUILESS_MAIN(TstDueDecision)
#include "tst_duedecision.moc"
