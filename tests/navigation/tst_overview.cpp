#include "navigation/DateTreeModel.h"
#include "navigation/FollowedTermin.h"
#include "navigation/NodeCode.h"
#include "navigation/Overview.h"
#include "navigation/OverviewModel.h"
#include "store/DateTimeValue.h"
#include "store/DayGrid.h"

#include <QSignalSpy>
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
        for (int code : {0, Encode(2024), Encode(2024, 1), Encode(2024, 1, 5)}) {
            const Overview o = BuildOverview(g, code);
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
        add(g, 2024, 1, 5, "late", 14);
        add(g, 2024, 1, 5, "early \xe4", 9);
        OverviewModel model(fakeTime);
        model.setOverview(BuildOverview(g, Encode(2024, 1, 5)));
        QCOMPARE(model.overview().heading, QStringLiteral("Fr 5.January 2024"));
        QVERIFY(model.overview().isDay);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("14:00"));
        QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("early \u00e4"));
        QCOMPARE(model.targetAt(1), -1);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("When?"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("What?"));
        QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable);
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    }

    void dayRowsAreReadFromTheRecordsAsTheyAreNow()
    {
        DayGrid g;
        for (const char *n : {"a", "b", "c"})
            add(g, 2024, 1, 5, n);
        OverviewModel model(fakeTime);
        model.setOverview(BuildOverview(g, Encode(2024, 1, 5)));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        TTerminDay &slot = g.Slot(2024, 1, 5);
        g.RecordAt(slot, 1)->Name = "renamed";
        model.recordChanged(1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toModelIndex().row(), 1);
        QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("renamed"));
        // records removed before the next rebuild show as empty rows, not as
        // reads past the array
        g.RemoveRecordsIf(slot, [](size_t i) { return i > 0; });
        QCOMPARE(model.index(2, 1).data(), QVariant());
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("a"));
        model.setOverview(BuildOverview(g, Encode(2024, 1, 5)));
        QCOMPARE(model.rowCount(), 1);
    }

    void periodRowsLeadToTheirNodes()
    {
        DayGrid g;
        add(g, 2024, 3, 9, "x");
        OverviewModel model(fakeTime);
        model.setOverview(BuildOverview(g, Encode(2024)));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("March"));
        QCOMPARE(model.targetAt(0), Encode(2024, 3));
        QCOMPARE(model.targetAt(1), -1);
        QCOMPARE(model.targetAt(-1), -1);
        model.setOverview(BuildOverview(g, Encode(2024, 3, 10)));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("No appointments..."));
        QCOMPARE(model.targetAt(0), -1);
    }

    void shortLineKeepsTheFirstLineUpToTheLimit()
    {
        QCOMPARE(ShortLine(TText("Dentist \xe4")), QStringLiteral("Dentist \u00e4"));
        QCOMPARE(ShortLine(TText("")), QString());
        QCOMPARE(ShortLine(TText("first\r\nsecond")), QStringLiteral("first..."));
        QCOMPARE(ShortLine(TText("first\nsecond")), QStringLiteral("first..."));
        QCOMPARE(ShortLine(TText("\nsecond")), QStringLiteral("..."));
        const std::string exact(ShortLineChars, 'a');
        QCOMPARE(ShortLine(TText(exact)), QString::fromStdString(exact));
        const QString cut = ShortLine(TText(exact + "b"));
        QCOMPARE(cut, QString::fromStdString(exact) + QStringLiteral("..."));
    }

    void periodsCountEveryDayBelow()
    {
        DayGrid g;
        add(g, 2024, 1, 5, "a");
        add(g, 2024, 1, 5, "b");
        add(g, 2024, 1, 31, "c");
        add(g, 2024, 12, 1, "d");
        add(g, 2100, 12, 31, "e");

        const Overview month = BuildOverview(g, Encode(2024, 1));
        QCOMPARE(month.heading, QStringLiteral("January 2024"));
        QCOMPARE(month.rows.size(), 2);
        QCOMPARE(month.rows[0].when, QStringLiteral("5. Fr"));
        QCOMPARE(month.rows[0].what, QStringLiteral("2 Dates"));
        QCOMPARE(month.rows[0].target, Encode(2024, 1, 5));
        QCOMPARE(month.rows[1].what, QStringLiteral("1 Appointment"));

        const Overview year = BuildOverview(g, Encode(2024));
        QCOMPARE(year.heading, QStringLiteral("Year 2024"));
        QCOMPARE(year.rows.size(), 2);
        QCOMPARE(year.rows[0].when, QStringLiteral("January"));
        QCOMPARE(year.rows[0].what, QStringLiteral("3 Dates"));
        QCOMPARE(year.rows[1].when, QStringLiteral("December"));
        QCOMPARE(year.rows[1].target, Encode(2024, 12));

        const Overview all = BuildOverview(g, 0);
        QCOMPARE(all.heading, QStringLiteral("All years"));
        QCOMPARE(all.rows.size(), 2);
        QCOMPARE(all.rows[0].when, QStringLiteral("2024"));
        QCOMPARE(all.rows[0].what, QStringLiteral("4 Dates"));
        QCOMPARE(all.rows[1].when, QStringLiteral("2100"));
        QCOMPARE(all.rows[1].target, Encode(2100));
    }
    // The appointment being looked at, found again after the day's records
    // were replaced (a backup copied over the file): by its contents,
    // never by the row it had.
    void followedAppointmentFoundByItsContents_data()
    {
        QTest::addColumn<QStringList>("day"); // name@hour, "*" marks a changed description
        QTest::addColumn<int>("row");
        QTest::newRow("unchanged, moved down") << QStringList{"New@8", "A@9", "B@10"} << 2;
        QTest::newRow("older copy of it, described otherwise") << QStringList{"New@8", "A@9", "B@10*"} << 2;
        QTest::newRow("gone, its row now another's") << QStringList{"A@9", "C@10"} << -1;
        QTest::newRow("same name at another time: not it") << QStringList{"A@9", "B@11"} << -1;
        QTest::newRow("two older copies: neither is it") << QStringList{"B@10*", "B@10*"} << -1;
        QTest::newRow("the exact one beside an older copy") << QStringList{"B@10*", "B@10"} << 1;
    }
    void followedAppointmentFoundByItsContents()
    {
        QFETCH(QStringList, day);
        QFETCH(int, row);
        DayGrid before, after;
        add(before, 2027, 3, 1, "A", 9);
        add(before, 2027, 3, 1, "B", 10);
        const FollowedTermin followed(before.Slot(2027, 3, 1).records.At(1));
        for (const QString &entry : day) {
            const QStringList parts = QString(entry).remove(QLatin1Char('*')).split(QLatin1Char('@'));
            add(after, 2027, 3, 1, parts[0].toLatin1().constData(), parts[1].toInt());
            if (entry.endsWith(QLatin1Char('*')))
                after.RecordAt(after.Slot(2027, 3, 1), int(after.Slot(2027, 3, 1).records.Count()) - 1)->Description =
                    "from the backup";
        }
        QCOMPARE(followed.RowIn(after.Slot(2027, 3, 1)), row);
        QCOMPARE(FollowedTermin().RowIn(after.Slot(2027, 3, 1)), -1);
    }
};

QTEST_GUILESS_MAIN(TstOverview)
#include "tst_overview.moc"
