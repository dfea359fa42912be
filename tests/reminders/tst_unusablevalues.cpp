// Records whose times or durations no clock can use (NaN, infinities, values
// beyond the years 1 to 9999), as a damaged file or another program may
// leave them: read from a real file, they are never due, their texts for
// display hold no made-up date, and they are written back bit for bit.
#include "reminders/DueDecision.h"
#include "reminders/ReminderCheck.h"
#include "store/DateTimeValue.h"
#include "store/TerminFile.h"
#include "support/FixedClock.h"
#include "support/ScriptedAnswers.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <limits>

using DateTimeValue::EncodeDate;
using DateTimeValue::EncodeTime;

namespace {

// A NaN with a payload of its own, which a save must not normalise.
double payloadNan()
{
    const quint64 bits = 0x7ff8dead0000beefULL;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

const double Inf = std::numeric_limits<double>::infinity();

// Each field of a record that would otherwise be due today, spoiled in turn.
QList<std::pair<const char *, std::function<void(TTermin &)>>> spoilers()
{
    return {
        {"Time NaN", [](TTermin &r) { r.Time = payloadNan(); }},
        {"Time -inf", [](TTermin &r) { r.Time = -Inf; }},
        {"Time 1e300", [](TTermin &r) { r.Time = 1e300; }},
        {"FirstRemind NaN", [](TTermin &r) { r.FirstRemind = std::numeric_limits<double>::quiet_NaN(); }},
        {"FirstRemind inf", [](TTermin &r) { r.FirstRemind = Inf; }},
        {"FirstRemind 1e9", [](TTermin &r) { r.FirstRemind = 1e9; }},
        {"RepeatInterval NaN", [](TTermin &r) { r.RepeatInterval = payloadNan(); }},
        {"LastReminded inf", [](TTermin &r) { r.LastReminded = Inf; }},
        {"LastReminded -1e308", [](TTermin &r) { r.LastReminded = -1e308; }},
    };
}

} // namespace

class TstUnusableValues : public QObject {
    Q_OBJECT
private slots:
    void neverDueAndKeptBitForBit()
    {
        const double now = EncodeDate(2031, 7, 1) + EncodeTime(9, 0);
        DayGrid grid;
        // A sound record due now, so the check is seen to ask at all.
        TTermin *sound = grid.AddRecord(grid.Slot(2031, 7, 1));
        sound->Name = "sound";
        sound->Time = EncodeTime(18, 0);
        sound->FirstRemind = 3;
        sound->RepeatInterval = 1;
        // Copied once: each add may move the day's records, `sound` among them.
        const TTermin model = *sound;
        sound = nullptr;
        for (const auto &[name, spoil] : spoilers()) {
            TTermin *r = grid.AddRecord(grid.Slot(2031, 7, 1));
            *r = model;
            r->Name = name;
            spoil(*r);
            QVERIFY2(!IsDue(*r, EncodeDate(2031, 7, 1) + r->Time, now), name);
        }
        QTemporaryDir dir;
        const QString path = TerminFile::PathIn(dir.path());
        QVERIFY(SaveTermins(path, grid, TSettings()).ok);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray file = f.readAll();
        f.close();

        DayGrid loaded;
        TSettings settings;
        QVERIFY(OpenTermins(path, loaded, settings).ok);
        FixedClock clock(now);
        ScriptedAnswers answers; // Yes to every question
        ReminderCheck check(loaded, clock, answers);
        check.CheckTermins();
        QCOMPARE(answers.asked, QStringList{"sound"});
        // The sound record's answer is its only change.
        loaded.RecordAt(loaded.Slot(2031, 7, 1), 0)->LastReminded = 0;
        QCOMPARE(TerminFile::Serialize(loaded, settings), file);
    }

    void displayTextsNeverInventADate()
    {
        for (const double v : {payloadNan(), Inf, -Inf, 1e300, -3e6}) {
            const DateTimeValue::Parts p = DateTimeValue::Split(v);
            QVERIFY(!p.valid);
            QCOMPARE(p.days, 0LL);
            QVERIFY(DateTimeValue::ToDateTime(v).isNull());
            QVERIFY(!DateTimeValue::ToDate(v).isValid());
        }
        // The edges of what is usable: 1 January 0001 and 31 December 9999.
        QCOMPARE(DateTimeValue::ToDate(EncodeDate(1, 1, 1)), QDate(1, 1, 1));
        QCOMPARE(DateTimeValue::ToDate(EncodeDate(9999, 12, 31) + 0.5), QDate(9999, 12, 31));
    }
};

QTEST_GUILESS_MAIN(TstUnusableValues)
#include "tst_unusablevalues.moc"
