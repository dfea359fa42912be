#include "navigation/DateTreeModel.h"
#include "navigation/NodeCode.h"
#include "navigation/Overview.h"
#include "store/DateTimeValue.h"
#include "store/DayGrid.h"

#include <QtTest>

using NodeCode::Encode;

namespace {
QString fakeTime(double t)
{
    const DateTimeValue::Parts p = DateTimeValue::Split(t);
    return QStringLiteral("%1:%2").arg(p.hour).arg(p.minute, 2, 10, QLatin1Char('0'));
}

void add(DayGrid &g, int y, int m, int d, const char *name, int hour = 12)
{
    TTermin *t = g.AddRecord(g.Slot(y, m, d));
    t->Name = name;
    t->Time = DateTimeValue::EncodeTime(hour, 0);
}
} // namespace

class TstOverview : public QObject {
    Q_OBJECT
private slots:
    void countTexts()
    {
        QCOMPARE(CountText(1), QStringLiteral("1 Appointment"));
        QCOMPARE(CountText(3), QStringLiteral("3 Dates"));
        QCOMPARE(CountText(0), QStringLiteral("0 Dates"));
    }

    void emptyNodesShowOneRow()
    {
        DayGrid g;
        FillWeekdays(g);
        for (int code : {0, Encode(2024), Encode(2024, 1), Encode(2024, 1, 5)}) {
            const Overview o = BuildOverview(g, code, fakeTime);
            QCOMPARE(o.rows.size(), 1);
            QCOMPARE(o.rows[0].when, QString());
            QCOMPARE(o.rows[0].what, QStringLiteral("No appointments..."));
            QCOMPARE(o.rows[0].target, -1);
            QCOMPARE(o.isDay, code == Encode(2024, 1, 5));
        }
    }

    void dayListsRecordsInArrayOrder()
    {
        DayGrid g;
        FillWeekdays(g);
        add(g, 2024, 1, 5, "late", 14);
        add(g, 2024, 1, 5, "early \xe4", 9);
        const Overview o = BuildOverview(g, Encode(2024, 1, 5), fakeTime);
        QCOMPARE(o.heading, QStringLiteral("Fr 5.January 2024"));
        QCOMPARE(o.rows.size(), 2);
        QCOMPARE(o.rows[0].when, QStringLiteral("14:00"));
        QCOMPARE(o.rows[1].what, QStringLiteral("early \u00e4"));
        QCOMPARE(o.rows[1].target, -1);
    }

    void periodsCountEveryDayBelow()
    {
        DayGrid g;
        FillWeekdays(g);
        add(g, 2024, 1, 5, "a");
        add(g, 2024, 1, 5, "b");
        add(g, 2024, 1, 31, "c");
        add(g, 2024, 12, 1, "d");
        add(g, 2100, 12, 31, "e");

        const Overview month = BuildOverview(g, Encode(2024, 1), fakeTime);
        QCOMPARE(month.heading, QStringLiteral("January 2024"));
        QCOMPARE(month.rows.size(), 2);
        QCOMPARE(month.rows[0].when, QStringLiteral("5. Fr"));
        QCOMPARE(month.rows[0].what, QStringLiteral("2 Dates"));
        QCOMPARE(month.rows[0].target, Encode(2024, 1, 5));
        QCOMPARE(month.rows[1].what, QStringLiteral("1 Appointment"));

        const Overview year = BuildOverview(g, Encode(2024), fakeTime);
        QCOMPARE(year.heading, QStringLiteral("Year 2024"));
        QCOMPARE(year.rows.size(), 2);
        QCOMPARE(year.rows[0].when, QStringLiteral("January"));
        QCOMPARE(year.rows[0].what, QStringLiteral("3 Dates"));
        QCOMPARE(year.rows[1].when, QStringLiteral("December"));
        QCOMPARE(year.rows[1].target, Encode(2024, 12));

        const Overview all = BuildOverview(g, 0, fakeTime);
        QCOMPARE(all.heading, QStringLiteral("All years"));
        QCOMPARE(all.rows.size(), 2);
        QCOMPARE(all.rows[0].when, QStringLiteral("2024"));
        QCOMPARE(all.rows[0].what, QStringLiteral("4 Dates"));
        QCOMPARE(all.rows[1].when, QStringLiteral("2100"));
        QCOMPARE(all.rows[1].target, Encode(2100));
    }
};

QTEST_APPLESS_MAIN(TstOverview)
#include "tst_overview.moc"
