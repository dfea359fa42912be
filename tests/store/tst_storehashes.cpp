#include "store/DayGrid.h"
#include "store/StoreHashes.h"

#include <QtTest>

#include <thread>
#include <vector>

class TstStoreHashes : public QObject {
    Q_OBJECT
private slots:
    // However many threads share the work, every day's fingerprints are
    // those of its own records, in order, and the whole equals what one
    // thread makes.
    void sharedWorkGivesEveryDayItsOwn_data()
    {
        QTest::addColumn<QList<QDate>>("days"); // a record on each, a day twice for two
        QTest::addColumn<int>("threads");
        // The last day of 2062 and the first of 2063 share a word of the
        // grid's fill bits: each year must take only its own.
        const QList<QDate> spread = {QDate(2000, 1, 1),  QDate(2000, 1, 1),   QDate(2000, 3, 3),   QDate(2023, 2, 28),
                                     QDate(2024, 2, 29), QDate(2062, 12, 31), QDate(2063, 1, 1),   QDate(2063, 1, 1),
                                     QDate(2063, 1, 1),  QDate(2099, 7, 4),   QDate(2100, 12, 31), QDate(2100, 12, 31)};
        QTest::newRow("empty store") << QList<QDate>() << 3;
        QTest::newRow("first and last day, one thread") << QList<QDate>{QDate(2000, 1, 1), QDate(2100, 12, 31)} << 1;
        QTest::newRow("across the century, one thread") << spread << 1;
        QTest::newRow("across the century, four threads") << spread << 4;
    }
    void sharedWorkGivesEveryDayItsOwn()
    {
        QFETCH(QList<QDate>, days);
        QFETCH(int, threads);
        DayGrid grid;
        int n = 0;
        for (const QDate &d : days)
            grid.AddRecord(grid.Slot(d.year(), d.month(), d.day()))->Name = std::to_string(n++);
        grid.Slot(2050, 5, 5); // a year made but left empty

        DayHashes::Builder builder(grid);
        std::vector<std::thread> helpers;
        for (int i = 1; i < threads; ++i)
            helpers.emplace_back([&builder] { builder.Work(); });
        builder.Work();
        for (std::thread &t : helpers)
            t.join();
        const DayHashes shared = builder.Take();

        QCOMPARE(shared.Records(), size_t(days.size()));
        grid.ForEachDay([&](int y, int m, int d, TTerminDay &slot) {
            const int day = DayGrid::DayNumber(y, m, d);
            std::vector<uint64_t> own;
            for (uint32_t i = 0; i < slot.records.Count(); ++i)
                own.push_back(RecordHash(slot.records.Data()[i]));
            if (std::vector<uint64_t>(shared.begin(day), shared.end(day)) != own)
                QFAIL(qPrintable(QDate(y, m, d).toString(Qt::ISODate)));
        });
        QVERIFY(shared == DayHashes::Of(grid));
    }
};

QTEST_APPLESS_MAIN(TstStoreHashes)
#include "tst_storehashes.moc"
