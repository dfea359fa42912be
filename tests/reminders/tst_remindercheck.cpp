// The walk over the day grid: order, answers, the checking flag and the
// single reading of the clock. Answers come from a script, time from a
// fixed clock, so no display is needed.
#include "reminders/MissedAppointments.h"
#include "reminders/ReminderCheck.h"
#include "reminders/ReminderHeading.h"
#include "store/DateTimeValue.h"
#include "support/FixedClock.h"
#include "support/ScriptedAnswers.h"

#include <QtTest>

#include <cmath>
#include <stdexcept>

using DateTimeValue::EncodeDate;
using DateTimeValue::EncodeTime;

namespace {

// 10 May 2024, 09:30. (A function, not a global: the date helpers keep
// statics of their own that a global initialiser could run ahead of.)
double nowValue()
{
    return EncodeDate(2024, 5, 10) + EncodeTime(9, 30);
}

// A record due at Now: appointment later that day, never reminded.
TTermin *addDue(DayGrid &grid, int y, int m, int d, const char *name, double time = EncodeTime(18, 0))
{
    TTermin *r = grid.AddRecord(grid.Slot(y, m, d));
    r->Name = name;
    r->Time = time;
    r->FirstRemind = 3;
    r->RepeatInterval = 1;
    return r;
}

// Records move when their day grows, so tests look them up after adding.
const TTermin &record(DayGrid &grid, int y, int m, int d, int index)
{
    return *grid.RecordAt(grid.Slot(y, m, d), index);
}

struct Fixture {
    DayGrid grid;
    FixedClock clock{nowValue()};
    ScriptedAnswers answers;
    ReminderCheck check{grid, clock, answers};
};

} // namespace

class TstReminderCheck : public QObject {
    Q_OBJECT
    double Now = 0;

private slots:
    void init() { Now = nowValue(); }

    void asksInCalendarOrderAndSkipsWhatIsNotDue()
    {
        Fixture f;
        addDue(f.grid, 2024, 5, 12, "Sunday");
        addDue(f.grid, 2024, 5, 10, "Friday late");
        addDue(f.grid, 2024, 5, 10, "Friday passed", EncodeTime(9, 0));
        addDue(f.grid, 2024, 5, 11, "Saturday");
        addDue(f.grid, 2024, 5, 20, "Too early");
        addDue(f.grid, 2024, 5, 10, "Friday done")->Done = true;
        addDue(f.grid, 2024, 5, 10, "Friday second");

        const ReminderCheck::Outcome o = f.check.CheckTermins();
        QVERIFY(o.ran);
        QVERIFY(!o.cancelled);
        QCOMPARE(o.asked, 4);
        QCOMPARE(f.answers.asked, QStringList({"Friday late", "Friday second", "Saturday", "Sunday"}));
    }

    void questionCarriesHeadingAndTexts()
    {
        Fixture f;
        TTermin *r = addDue(f.grid, 2024, 5, 11, "Caf\xe9", EncodeTime(18, 45, 30));
        r->Description = "line 1\r\nline \xfc";
        f.check.CheckTermins();
        QCOMPARE(f.answers.questions.size(), 1);
        const AskedReminder &q = f.answers.questions[0];
        QCOMPARE(q.name, QStringLiteral("Caf\u00e9"));
        QCOMPARE(q.description, QStringLiteral("line 1\r\nline \u00fc"));
        QCOMPARE(q.heading,
                 "At " + LocaleTexts::ShortDate(QDate(2024, 5, 11)) + " at " + LocaleTexts::LongTime(QTime(18, 45, 30))
                     + " o'clock");
    }

    void answersAreWrittenWithTheCheckStartTime()
    {
        Fixture f;
        for (const char *name : {"later", "ignore", "other", "rejected"})
            addDue(f.grid, 2024, 5, 10, name);
        f.answers.script = {ReminderAnswer::Yes, ReminderAnswer::Ignore, 99, 0};
        f.clock.setStepPerRead(0.25); // a second reading would come back later

        f.check.CheckTermins();
        QCOMPARE(f.clock.reads(), 1);
        const TTermin &later = record(f.grid, 2024, 5, 10, 0);
        const TTermin &ignore = record(f.grid, 2024, 5, 10, 1);
        const TTermin &other = record(f.grid, 2024, 5, 10, 2);
        const TTermin &rejected = record(f.grid, 2024, 5, 10, 3);
        QCOMPARE(later.LastReminded, Now);
        QVERIFY(!later.Done);
        QCOMPARE(ignore.LastReminded, Now);
        QVERIFY(ignore.Done);
        QCOMPARE(other.LastReminded, Now);
        QVERIFY(!other.Done);
        QCOMPARE(rejected.LastReminded, Now);
        QVERIFY(!rejected.Done);
    }

    void cancelAllEndsTheCheckAndChangesNothing()
    {
        Fixture f;
        addDue(f.grid, 2024, 5, 10, "first")->LastReminded = Now - 2; // reminded two days ago: due again
        addDue(f.grid, 2024, 5, 10, "second");
        addDue(f.grid, 2024, 5, 11, "next day");
        f.answers.script = {ReminderAnswer::Cancel};

        const ReminderCheck::Outcome o = f.check.CheckTermins();
        QVERIFY(o.cancelled);
        QCOMPARE(f.answers.asked, QStringList({"first"}));
        QCOMPARE(record(f.grid, 2024, 5, 10, 0).LastReminded, Now - 2);
        QVERIFY(!record(f.grid, 2024, 5, 10, 0).Done);
        QCOMPARE(record(f.grid, 2024, 5, 10, 1).LastReminded, 0.0);
        QCOMPARE(record(f.grid, 2024, 5, 11, 0).LastReminded, 0.0);
        QVERIFY(!f.check.checking());

        // The next check starts over and asks again.
        f.answers.forgetQuestions();
        QVERIFY(f.check.CheckTermins().ran);
        QCOMPARE(f.answers.asked, QStringList({"first", "second", "next day"}));
    }

    void answeredRecordWaitsForItsRepeatInterval()
    {
        Fixture f;
        TTermin *r = addDue(f.grid, 2024, 5, 12, "r");
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked.size(), 1);

        f.clock.set(Now + 0.5); // half a day later: not yet
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked.size(), 1);

        f.clock.set(Now + 1); // repeat interval exactly run out
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked.size(), 2);
        QCOMPARE(r->LastReminded, Now + 1);
    }

    void clockSetBackDoesNotSilenceTheReminders()
    {
        // Hourly reminders; the clock runs a day ahead when "Remind later"
        // is answered, then is set right.
        Fixture f;
        TTermin *r = addDue(f.grid, 2024, 5, 12, "r");
        r->RepeatInterval = 1.0 / 24;
        f.clock.set(Now + 1);
        f.check.CheckTermins();
        f.clock.set(Now);
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked.size(), 2);
        QCOMPARE(r->LastReminded, Now); // from the right time on, the hour is waited for again
    }

    void zeroRepeatIntervalRemindsAtEveryCheckUntilThePassing()
    {
        Fixture f;
        TTermin *r = addDue(f.grid, 2024, 5, 10, "r");
        r->RepeatInterval = 0;
        f.check.CheckTermins();
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked.size(), 2);
        f.clock.set(EncodeDate(2024, 5, 10) + r->Time + 1.0 / DateTimeValue::MSecsPerDay);
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked.size(), 2);
    }

    void firstAndLastDayOfTheGridHaveTheirOwnDates()
    {
        // A lead time of 0 makes a record due only at its exact moment, which
        // pins the date the walk computes for the slot.
        Fixture f;
        TTermin *first = addDue(f.grid, 2000, 1, 1, "first", 0.25);
        TTermin *last = addDue(f.grid, 2100, 12, 31, "last", 0.75);
        first->FirstRemind = last->FirstRemind = 0;

        f.clock.set(EncodeDate(2000, 1, 1) + 0.25);
        f.check.CheckTermins();
        f.clock.set(EncodeDate(2100, 12, 31) + 0.75 - 1.0 / DateTimeValue::MSecsPerDay);
        f.check.CheckTermins();
        f.clock.set(EncodeDate(2100, 12, 31) + 0.75);
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked, QStringList({"first", "last"}));
        QCOMPARE(first->LastReminded, EncodeDate(2000, 1, 1) + 0.25);
        QCOMPARE(last->LastReminded, EncodeDate(2100, 12, 31) + 0.75);
    }

    void checkStartedDuringAReminderDoesNothing()
    {
        Fixture f;
        addDue(f.grid, 2024, 5, 10, "a");
        addDue(f.grid, 2024, 5, 11, "b");
        std::vector<ReminderCheck::Outcome> nested;
        bool flagWhileOpen = false;
        f.answers.whileOpen = [&] {
            flagWhileOpen = f.check.checking();
            nested.push_back(f.check.CheckTermins());
        };
        const ReminderCheck::Outcome o = f.check.CheckTermins();
        QVERIFY(flagWhileOpen);
        QCOMPARE(o.asked, 2);
        QCOMPARE(f.answers.asked.size(), 2); // the nested calls asked nothing
        QCOMPARE(nested.size(), size_t(2));
        QVERIFY(!nested[0].ran && !nested[1].ran);
        QCOMPARE(f.clock.reads(), 1);
        QVERIFY(!f.check.checking());
    }

    void dayCountIsTakenWhenTheDayBegins()
    {
        Fixture f;
        TTerminDay &day = f.grid.Slot(2024, 5, 10);
        addDue(f.grid, 2024, 5, 10, "a");
        bool added = false;
        f.answers.whileOpen = [&] {
            if (!added) {
                added = true;
                addDue(f.grid, 2024, 5, 10, "added meanwhile");
            }
        };
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked, QStringList({"a"}));
        QCOMPARE(day.records.Count(), 2u);
        QCOMPARE(f.grid.RecordAt(day, 0)->LastReminded, Now); // found again after the array grew

        f.answers.forgetQuestions();
        f.check.CheckTermins();
        QCOMPARE(f.answers.asked, QStringList({"added meanwhile"}));
    }

    void recordsRemovedDuringAReminderAreNotTouched()
    {
        Fixture f;
        TTerminDay &day = f.grid.Slot(2024, 5, 10);
        addDue(f.grid, 2024, 5, 10, "a");
        addDue(f.grid, 2024, 5, 10, "b");
        addDue(f.grid, 2024, 5, 10, "c");
        f.answers.whileOpen = [&] {
            while (day.records.Count() > 0)
                f.grid.RemoveRecord(day, 0);
        };
        const ReminderCheck::Outcome o = f.check.CheckTermins();
        QVERIFY(o.ran);
        QCOMPARE(o.asked, 1);
        QCOMPARE(day.records.Count(), 0u);
    }

    // While the reminder is open others change the day (a command, the
    // calendar folder mirror): Held says where its record is, and the
    // answer ("Don't remind anymore") reaches that record and no other.
    void answerFindsItsRecordAfterTheDayChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("heldAt"); // -1: gone
        QTest::addColumn<QString>("answered");
        QTest::newRow("nothing") << "" << 1 << "held";
        QTest::newRow("an earlier record removed") << "remove first" << 0 << "held";
        QTest::newRow("a record added") << "add" << 1 << "held";
        QTest::newRow("a later record changed") << "rename last" << 1 << "held";
        QTest::newRow("the day emptied, another added") << "replace all" << -1 << "";
    }
    void answerFindsItsRecordAfterTheDayChanged()
    {
        QFETCH(QString, change);
        QFETCH(int, heldAt);
        QFETCH(QString, answered);
        Fixture f;
        TTerminDay &day = f.grid.Slot(2024, 5, 10);
        addDue(f.grid, 2024, 5, 10, "before")->Done = true;
        addDue(f.grid, 2024, 5, 10, "held");
        addDue(f.grid, 2024, 5, 10, "after")->Done = true;
        f.answers.script = {ReminderAnswer::Ignore};
        std::optional<ReminderCheck::HeldRecord> held;
        f.answers.whileOpen = [&] {
            if (change == QLatin1String("remove first"))
                f.grid.RemoveRecord(day, 0);
            else if (change == QLatin1String("add"))
                addDue(f.grid, 2024, 5, 10, "added")->Done = true;
            else if (change == QLatin1String("rename last"))
                f.grid.RecordAt(day, 2)->Name = "after, renamed";
            else if (change == QLatin1String("replace all")) {
                while (day.records.Count() > 0)
                    f.grid.RemoveRecord(day, 0);
                addDue(f.grid, 2024, 5, 10, "other")->Done = true;
            }
            held = f.check.Held();
        };
        QCOMPARE(f.check.CheckTermins().asked, 1);
        QCOMPARE(held.has_value(), heldAt >= 0);
        if (held) {
            QCOMPARE(held->day, 10);
            QCOMPARE(int(held->index), heldAt);
        }
        QVERIFY(!f.check.Held());
        for (uint32_t i = 0; i < day.records.Count(); ++i) {
            const TTermin &t = day.records.Data()[i];
            const bool isAnswered = QString::fromLatin1(t.Name.view().data(), int(t.Name.view().size())) == answered;
            QCOMPARE(t.LastReminded, isAnswered ? Now : 0.0);
        }
    }

    void walkMakesEachVisitedRecordCurrent()
    {
        Fixture f;
        TTerminDay &day = f.grid.Slot(2030, 1, 1); // nothing due there
        addDue(f.grid, 2030, 1, 1, "x");
        addDue(f.grid, 2030, 1, 1, "y");
        f.grid.RecordAt(day, 0);
        f.check.CheckTermins();
        QCOMPARE(day.current, f.grid.RecordAt(day, 1));
        QVERIFY(f.answers.asked.isEmpty());
    }

    void failingQuestionClearsTheFlag()
    {
        Fixture f;
        addDue(f.grid, 2024, 5, 10, "a");
        f.answers.whileOpen = [] { throw std::runtime_error("dialog failed"); };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.check.CheckTermins());
        QVERIFY(!f.check.checking());
        f.answers.whileOpen = nullptr;
        QVERIFY(f.check.CheckTermins().ran);
    }

    void heldRecordWaitsAndIsAskedOnceReleased()
    {
        // The record being typed into is held; the others are asked as ever.
        Fixture f;
        addDue(f.grid, 2024, 5, 10, "before");
        addDue(f.grid, 2024, 5, 11, "typed into");
        addDue(f.grid, 2024, 5, 12, "after");
        bool typing = true;
        f.check.SetHold([&](const TTermin &r) { return typing && r.Name == "typed into"; });
        const ReminderCheck::Outcome held = f.check.CheckTermins();
        QCOMPARE(held.held, 1);
        QCOMPARE(f.answers.asked, QStringList({"before", "after"}));
        QCOMPARE(record(f.grid, 2024, 5, 11, 0).LastReminded, 0.0);

        typing = false;
        f.answers.forgetQuestions();
        const ReminderCheck::Outcome released = f.check.CheckTermins();
        QCOMPARE(released.held, 0);
        QCOMPARE(f.answers.asked, QStringList({"typed into"}));
    }

    // Appointments that passed between the last run and now: once each,
    // those a running program would have reminded at their moment.
    void passedUnansweredSinceTheLastRun_data()
    {
        QTest::addColumn<double>("lastReminded"); // days before the appointment; -1: never
        QTest::addColumn<double>("repeat");
        QTest::addColumn<bool>("done");
        QTest::addColumn<int>("hoursAgo"); // when the appointment was
        QTest::addColumn<bool>("listed");
        QTest::newRow("never reminded, passed an hour ago") << -1.0 << 1.0 << false << 1 << true;
        QTest::newRow("passed before the last run") << -1.0 << 1.0 << false << 30 << false;
        QTest::newRow("done") << -1.0 << 1.0 << true << 1 << false;
        QTest::newRow("remind later, repeat not run out by then") << 0.5 << 1.0 << false << 1 << false;
        QTest::newRow("remind later, repeat run out before it") << 2.0 << 1.0 << false << 1 << true;
        QTest::newRow("reminded before its window opened") << 4.0 << 10.0 << false << 1 << true;
        QTest::newRow("still to come") << -1.0 << 1.0 << false << -1 << false;
    }
    void passedUnansweredSinceTheLastRun()
    {
        QFETCH(double, lastReminded);
        QFETCH(double, repeat);
        QFETCH(bool, done);
        QFETCH(int, hoursAgo);
        QFETCH(bool, listed);
        // The last run ended a day ago; the grid's days around Now.
        const double since = Now - 1, when = Now - hoursAgo / 24.0;
        DayGrid grid;
        const QDate day = DateTimeValue::ToDate(when);
        TTermin *r = addDue(grid, day.year(), day.month(), day.day(), "Dentist", when - std::floor(when));
        r->RepeatInterval = repeat;
        r->Done = done;
        r->LastReminded = lastReminded < 0 ? 0 : when - lastReminded;
        addDue(grid, 2024, 5, 9, "long ago", EncodeTime(8, 0)); // before the last run
        const std::vector<MissedAppointment> missed = PassedUnanswered(grid, since, Now);
        QCOMPARE(missed.size(), size_t(listed ? 1 : 0));
        if (listed) {
            QCOMPARE(missed[0].name, QStringLiteral("Dentist"));
            QCOMPARE(MissedList(missed, QStringLiteral("; ")).endsWith(QLatin1String(" Dentist")), true);
        }
    }

    void headingUsesTheGivenFormats()
    {
        const LocaleFormats c(QLocale::c());
        const double t = EncodeDate(2024, 5, 10) + EncodeTime(14, 30, 15);
        QCOMPARE(ReminderHeading(t, c), QStringLiteral("At 10 May 2024 at 14:30:15 o'clock"));
        // A time that rounds up to midnight moves the date along.
        QCOMPARE(ReminderHeading(EncodeDate(2024, 5, 10) + 0.99999999999, c),
                 QStringLiteral("At 11 May 2024 at 00:00:00 o'clock"));
    }
};

QTEST_GUILESS_MAIN(TstReminderCheck)
#include "tst_remindercheck.moc"
