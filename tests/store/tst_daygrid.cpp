#include "store/DateTimeValue.h"
#include "store/DayGrid.h"

#include <QtTest>

class TstDayGrid : public QObject {
    Q_OBJECT
private slots:
    void monthLengths()
    {
        QCOMPARE(DayGrid::DaysInMonth(2000, 2), 29);
        QCOMPARE(DayGrid::DaysInMonth(2004, 2), 29);
        QCOMPARE(DayGrid::DaysInMonth(2096, 2), 29);
        QCOMPARE(DayGrid::DaysInMonth(2100, 2), 28);
        QCOMPARE(DayGrid::DaysInMonth(2001, 2), 28);
        QCOMPARE(DayGrid::DaysInMonth(2023, 4), 30);
        QCOMPARE(DayGrid::DaysInMonth(2023, 12), 31);
        QVERIFY(!DayGrid::IsValidDay(2100, 2, 29));
        QVERIFY(DayGrid::IsValidDay(2000, 2, 29));
        QVERIFY(!DayGrid::IsValidDay(1999, 12, 31));
        QVERIFY(!DayGrid::IsValidDay(2101, 1, 1));
    }

    void walkIsCalendarOrderOverEveryUsedDay()
    {
        DayGrid grid;
        int n = 0;
        QDate expected(2000, 1, 1);
        bool inOrder = true;
        grid.ForEachDay([&](int y, int m, int d, TTerminDay &) {
            inOrder = inOrder && QDate(y, m, d) == expected;
            expected = expected.addDays(1);
            ++n;
        });
        QVERIFY(inOrder);
        QCOMPARE(n, DayGrid::UsedDays);
        QCOMPARE(expected, QDate(2101, 1, 1));
    }

    void slotCursorFollowsRecords()
    {
        DayGrid grid;
        TTerminDay &slot = grid.Slot(2024, 2, 29);
        TTermin *a = grid.AddRecord(slot);
        a->Name = "a";
        QCOMPARE(slot.current, a);
        grid.AddRecord(slot)->Name = "b";
        grid.AddRecord(slot)->Name = "c";
        QCOMPARE(grid.RecordAt(slot, 0)->Name, std::string("a"));
        QCOMPARE(slot.current->Name, std::string("a"));
        grid.RemoveRecord(slot, 1);
        QCOMPARE(slot.current, nullptr);
        QCOMPARE(slot.records.Count(), 2u);
        QCOMPARE(slot.records.At(1).Name, std::string("c"));
        // other days untouched
        QCOMPARE(grid.Slot(2024, 2, 28).records.Count(), 0u);
        QCOMPARE(grid.RecordCount(), size_t(2));
        QCOMPARE(grid.RecordCount(2024), size_t(2));
        QCOMPARE(grid.RecordCount(2024, 3), size_t(0));
    }

    void delallLeavesUsableEmptyDays()
    {
        DayGrid grid;
        grid.AddRecord(grid.Slot(2000, 1, 1))->Name = std::string(100, 'x');
        grid.AddRecord(grid.Slot(2100, 12, 31));
        grid.delall();
        QCOMPARE(grid.RecordCount(), size_t(0));
        QCOMPARE(grid.Slot(2000, 1, 1).current, nullptr);
        QVERIFY(grid.AddRecord(grid.Slot(2000, 1, 1)) != nullptr);
    }

    void adoptSwapsContents()
    {
        DayGrid grid, other;
        grid.AddRecord(grid.Slot(2024, 1, 5))->Name = "old";
        grid.AddRecord(other.Slot(2030, 6, 1))->Name = "new";
        grid.Adopt(other);
        QCOMPARE(grid.Slot(2024, 1, 5).records.Count(), 0u);
        QCOMPARE(grid.Slot(2030, 6, 1).records.At(0).Name, std::string("new"));
        QCOMPARE(other.Slot(2024, 1, 5).records.At(0).Name, std::string("old"));
        // the adopted slot publishes its cursor into its own field
        grid.RecordAt(grid.Slot(2030, 6, 1), 0);
        QCOMPARE(grid.Slot(2030, 6, 1).current->Name, std::string("new"));
    }

    // A year's slots are made when first changed: adopting works whichever
    // side has the year made, and a slot handed out keeps its address.
    void adoptAcrossYearsMadeOrNot_data()
    {
        QTest::addColumn<int>("mine"); // the year of a record here, 0 for none
        QTest::addColumn<int>("theirs");
        QTest::newRow("the same year") << 2024 << 2024;
        QTest::newRow("a year made on each side") << 2000 << 2100;
        QTest::newRow("nothing here") << 0 << 2063;
        QTest::newRow("nothing there") << 2063 << 0;
    }
    void adoptAcrossYearsMadeOrNot()
    {
        QFETCH(int, mine);
        QFETCH(int, theirs);
        DayGrid grid, other;
        for (auto [g, year] : {std::pair(&grid, mine), std::pair(&other, theirs)})
            if (year)
                g->AddRecord(g->Slot(year, 2, 28))->Name = std::to_string(year);
        TTerminDay &kept = grid.Slot(2050, 6, 15);
        QCOMPARE(std::as_const(other).Slot(2077, 7, 7).records.Count(), 0u); // read, never made
        grid.Adopt(other);
        QCOMPARE(grid.RecordCount(), size_t(theirs ? 1 : 0));
        QCOMPARE(other.RecordCount(), size_t(mine ? 1 : 0));
        if (theirs)
            QCOMPARE(std::as_const(grid).Slot(theirs, 2, 28).records.At(0).Name, std::to_string(theirs));
        QCOMPARE(&grid.Slot(2050, 6, 15), &kept);
    }

    void changeCountRisesWithEveryChangeAndOnlyThen()
    {
        DayGrid grid, other;
        TTerminDay &slot = grid.Slot(2024, 2, 29);
        uint64_t last = grid.ChangeCount();
        auto rose = [&] {
            const bool r = grid.ChangeCount() > last;
            last = grid.ChangeCount();
            return r;
        };
        grid.AddRecord(slot);
        QVERIFY(rose());
        grid.AddRecord(slot);
        QVERIFY(rose());
        // reading and walking are no change
        grid.RecordAt(slot, 1);
        slot.records.First();
        while (slot.records.Next()) {
        }
        (void)grid.RecordCount();
        QVERIFY(!rose());
        grid.RecordAt(slot, 0)->Name = "edited";
        grid.NoteChange();
        QVERIFY(rose());
        grid.RemoveRecord(slot, 0);
        QVERIFY(rose());
        grid.RemoveRecordsIf(slot, [](size_t) { return true; });
        QVERIFY(rose());
        QCOMPARE(slot.records.Count(), 0u);
        const uint64_t otherBefore = other.ChangeCount();
        grid.Adopt(other);
        QVERIFY(rose());
        QVERIFY(other.ChangeCount() > otherBefore);
        grid.delall();
        QVERIFY(rose());
    }

    void removeRecordsIfKeepsTheRestInOrder()
    {
        DayGrid grid;
        TTerminDay &slot = grid.Slot(2030, 1, 1);
        for (int i = 0; i < 6; ++i)
            grid.AddRecord(slot)->Name = std::to_string(i);
        grid.RemoveRecordsIf(slot, [](size_t i) { return i == 0 || i == 3 || i == 5; });
        QCOMPARE(slot.records.Count(), 3u);
        QCOMPARE(slot.records.At(0).Name, std::string("1"));
        QCOMPARE(slot.records.At(1).Name, std::string("2"));
        QCOMPARE(slot.records.At(2).Name, std::string("4"));
        QCOMPARE(slot.current, nullptr);
    }

    // The days ForEachFilledDay visits are exactly those holding records,
    // in calendar order, after every way a day fills or empties: adding,
    // removing one or several, delall, adopting another grid's records,
    // and the loader's direct appends.
    void filledDaysFollowEveryChange()
    {
        DayGrid grid, other;
        auto check = [](DayGrid &g, const char *after) {
            QList<QDate> expected, visited;
            g.ForEachDay([&](int y, int m, int d, TTerminDay &slot) {
                if (slot.records.Count() != 0)
                    expected.append(QDate(y, m, d));
            });
            g.ForEachFilledDay([&](int y, int m, int d, TTerminDay &) { visited.append(QDate(y, m, d)); });
            QVERIFY2(visited == expected, after);
            size_t records = 0;
            g.ForEachDay([&](int, int, int, TTerminDay &slot) { records += slot.records.Count(); });
            QCOMPARE(g.RecordCount(), records);
        };
        for (const QDate &d : {QDate(2000, 1, 1), QDate(2000, 2, 29), QDate(2063, 7, 4), QDate(2100, 12, 31)}) {
            grid.AddRecord(grid.Slot(d.year(), d.month(), d.day()));
            grid.AddRecord(grid.Slot(d.year(), d.month(), d.day()));
        }
        check(grid, "adding");
        TTerminDay &leap = grid.Slot(2000, 2, 29);
        grid.RemoveRecord(leap, 0);
        check(grid, "removing one of two");
        grid.RemoveRecord(leap, 0);
        check(grid, "removing the last");
        grid.RemoveRecord(leap, 0);
        check(grid, "removing from an empty day");
        grid.RemoveRecordsIf(grid.Slot(2063, 7, 4), [](size_t i) { return i == 1; });
        check(grid, "removing some");
        grid.RemoveRecordsIf(grid.Slot(2063, 7, 4), [](size_t) { return true; });
        check(grid, "removing all");
        other.Slot(2050, 6, 15).records.Add();
        grid.Adopt(other);
        check(grid, "adopting");
        check(other, "being adopted");
        grid.delall();
        check(grid, "delall");
        QCOMPARE(grid.RecordCount(), size_t(0));
        grid.AddRecord(grid.Slot(2100, 12, 31));
        check(grid, "adding after delall");
    }

    void dayNumbersCountDaysInCalendarOrder()
    {
        DayGrid grid;
        int expected = 0;
        bool inOrder = true;
        grid.ForEachDay(
            [&](int y, int m, int d, TTerminDay &) { inOrder = inOrder && DayGrid::DayNumber(y, m, d) == expected++; });
        QVERIFY(inOrder);
        QCOMPARE(DayGrid::DayNumber(2100, 12, 31), DayGrid::UsedDays - 1);
        QCOMPARE(DayGrid::DayNumber(2001, 1, 1), 366);
        // Days a calendar may hold beyond the grid count on from its ends.
        QCOMPARE(DayGrid::DayNumber(1999, 12, 31), -1);
        QCOMPARE(DayGrid::DayNumber(2101, 1, 1), DayGrid::UsedDays);
        QCOMPARE(DayGrid::DayNumber(2101, 3, 1), DayGrid::UsedDays + 59);
    }

    void dateTimeValues()
    {
        using namespace DateTimeValue;
        QCOMPARE(EncodeDate(1899, 12, 30), 0.0);
        QCOMPARE(EncodeDate(2000, 1, 1), 36526.0);
        QCOMPARE(EncodeTime(12, 0), 0.5);
        QCOMPARE(ToDate(36526.75), QDate(2000, 1, 1));
        // 16:48 is 0.7, which is not exact in binary; it must still split as 16:48:00.000
        const Parts p = Split(45000.7);
        QCOMPARE(p.days, 45000LL);
        QCOMPARE(p.hour, 16);
        QCOMPARE(p.minute, 48);
        QCOMPARE(p.second, 0);
        QCOMPARE(p.msec, 0);
        // a fraction just under a day rounds into the next day
        QCOMPARE(Split(1.0 - 1e-12).days, 1LL);
        const QDateTime dt(QDate(2024, 3, 31), QTime(2, 30, 15, 123), Qt::LocalTime);
        const double v = FromDateTime(dt);
        QCOMPARE(ToDateTime(v).time(), dt.time());
        QCOMPARE(ToDateTime(v).date(), dt.date());
    }
};

QTEST_APPLESS_MAIN(TstDayGrid)
#include "tst_daygrid.moc"
