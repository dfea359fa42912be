// Adding a batch of appointments to a store, sending it over the wire, and
// listing a range of days.
#include "app/cli/Listing.h"
#include "app/cli/StoreBatch.h"
#include "store/DateTimeValue.h"

#include <QtTest>

#include <limits>

namespace {

TTermin termin(const char *name, double time = 0.5, const char *description = "")
{
    TTermin t;
    t.Name = name;
    t.Description = description;
    t.Time = time;
    t.FirstRemind = 3;
    t.RepeatInterval = 1;
    return t;
}

QStringList names(DayGrid &grid, const QDate &d)
{
    QStringList out;
    TTerminDay &slot = grid.Slot(d.year(), d.month(), d.day());
    for (uint32_t i = 0; i < slot.records.Count(); ++i)
        out << QString::fromLatin1(slot.records.At(i).Name.c_str());
    return out;
}

double at(const QDate &d, int h, int m)
{
    return DateTimeValue::EncodeDate(d.year(), d.month(), d.day()) + DateTimeValue::EncodeTime(h, m);
}

const QDate Day1(2027, 3, 1), Day2(2027, 3, 2);

} // namespace

class TestStoreBatch : public QObject {
    Q_OBJECT
private slots:
    void wireKeepsEveryFieldAndRefusesDamage()
    {
        StoreBatch batch{{Day1, termin("a", 0.25, "x\r\ny")}, {QDate(2100, 12, 31), termin("\x80 euro")}};
        batch[0].termin.LastReminded = 46000.123456789;
        batch[0].termin.Done = true;
        const QByteArray bytes = StoreBatchWire::Encode(batch);
        StoreBatch back;
        QVERIFY(StoreBatchWire::Decode(bytes, back).isEmpty());
        QCOMPARE(back.size(), size_t(2));
        QCOMPARE(back[0].date, Day1);
        QCOMPARE(back[0].termin.LastReminded, 46000.123456789);
        QVERIFY(back[0].termin.Done);
        QVERIFY(back[0].termin.Description == "x\r\ny");
        QCOMPARE(back[1].date, QDate(2100, 12, 31));
        QVERIFY(back[1].termin.Name == "\x80 euro");

        // Every cut is refused and leaves the output alone.
        for (int n = 0; n < bytes.size(); ++n) {
            StoreBatch out{{Day2, termin("kept")}};
            QVERIFY2(!StoreBatchWire::Decode(bytes.left(n), out).isEmpty(), qPrintable(QString::number(n)));
            QCOMPARE(out.size(), size_t(1));
        }
        QVERIFY(!StoreBatchWire::Decode(bytes + 'x', back).isEmpty());
        QByteArray badDay = bytes;
        badDay[4] = char(0x33); // year 2099 + 256
        QVERIFY(!StoreBatchWire::Decode(badDay, back).isEmpty());
        QByteArray hugeCount = bytes;
        hugeCount[3] = char(0x7f);
        QVERIFY(!StoreBatchWire::Decode(hugeCount, back).isEmpty());
    }

    void importSkipsWhatWasStoredBeforeTheBatch()
    {
        DayGrid grid;
        *grid.AddRecord(grid.Slot(2027, 3, 1)) = termin("a");
        StoreBatch batch{{Day1, termin("a")},               // stored
                         {Day1, termin("a", 0.75)},         // other time
                         {Day1, termin("a", 0.5, "notes")}, // other description
                         {Day2, termin("a")},               // other day
                         {Day2, termin("a")}};              // twice in the batch: both arrive
        BatchAddition dry;
        const BatchCounts would = dry.Apply(grid, batch, true, true);
        QCOMPARE(would.added, 4);
        QCOMPARE(would.present, 1);
        QCOMPARE(grid.RecordCount(), size_t(1));

        BatchAddition real;
        const BatchCounts did = real.Apply(grid, batch, true);
        QCOMPARE(did.added, would.added);
        QCOMPARE(did.present, would.present);
        QCOMPARE(names(grid, Day1), (QStringList{"a", "a", "a"}));
        QCOMPARE(names(grid, Day2), (QStringList{"a", "a"}));
        // The same again adds nothing.
        QCOMPARE(BatchAddition().Apply(grid, batch, true).added, 0);

        // "add" asks for no such check.
        QCOMPARE(BatchAddition().Apply(grid, {{Day2, termin("a")}}, false).added, 1);
        QCOMPARE(names(grid, Day2).size(), 3);
    }

    void undoTakesBackExactlyTheBatch()
    {
        DayGrid grid;
        *grid.AddRecord(grid.Slot(2027, 3, 1)) = termin("old1");
        *grid.AddRecord(grid.Slot(2027, 3, 1)) = termin("old2");
        BatchAddition addition;
        addition.Apply(grid, {{Day1, termin("new1")}, {Day2, termin("new2")}, {Day1, termin("new3")}}, false);
        QCOMPARE(names(grid, Day1), (QStringList{"old1", "old2", "new1", "new3"}));
        addition.Undo(grid);
        QCOMPARE(names(grid, Day1), (QStringList{"old1", "old2"}));
        QCOMPARE(names(grid, Day2), QStringList{});
    }

    void listingInCalendarAndStoredOrder()
    {
        DayGrid grid;
        *grid.AddRecord(grid.Slot(2027, 3, 2)) = termin("late", DateTimeValue::EncodeTime(20, 0));
        *grid.AddRecord(grid.Slot(2027, 3, 2)) = termin("early", DateTimeValue::EncodeTime(8, 0, 30));
        *grid.AddRecord(grid.Slot(2027, 3, 1)) = termin("first\tday\r\nnote", 0.5, "a\\b\r\nc");
        *grid.AddRecord(grid.Slot(2027, 3, 4)) = termin("outside");
        // Another writer's values: a NUL inside the name, durations no
        // clock can use.
        TTermin odd = termin("");
        static const char stored[] = "odd\0tail"; // as read from a file
        odd.Name = TText::View(stored, 8);
        odd.FirstRemind = 5e9;
        odd.RepeatInterval = std::numeric_limits<double>::quiet_NaN();
        *grid.AddRecord(grid.Slot(2027, 2, 28)) = odd;
        const double now = at(Day1, 9, 0);
        const QString text = Listing::Lines(grid, Day1, QDate(2027, 3, 3), now, Listing::Format::Text);
        QCOMPARE(text.split(QLatin1Char('\n')),
                 (QStringList{"2027-03-01  12:00  first day note  (reminder due)",
                              "2027-03-02  20:00  late  (reminder due)", "2027-03-02  08:00:30  early  (reminder due)",
                              ""}));
        const QString tsv = Listing::Lines(grid, Day1, Day1, now, Listing::Format::Tsv);
        QCOMPARE(tsv, QStringLiteral("2027-03-01\t12:00:00\tfirst\\tday\\nnote\tdue\t\t3d\t1d\ta\\\\b\\nc\n"));
        QCOMPARE(Listing::Lines(grid, QDate(2027, 2, 28), QDate(2027, 2, 28), now, Listing::Format::Tsv),
                 QStringLiteral("2027-02-28\t12:00:00\todd\\0tail\tpassed\t\t5000000000d\tnan\t\n"));
        QVERIFY(Listing::Lines(grid, QDate(2027, 3, 5), QDate(2027, 3, 31), now, Listing::Format::Text).isEmpty());
    }

    void reminderStates()
    {
        TTermin t = termin("x", DateTimeValue::EncodeTime(12, 0));
        const QDate day(2027, 3, 10); // window opens 2027-03-07 12:00
        auto word = [&](double now) { return Listing::StateOf(t, day, now).word; };
        QCOMPARE(word(at(QDate(2027, 3, 1), 0, 0)), QStringLiteral("waiting"));
        QCOMPARE(Listing::StateOf(t, day, at(QDate(2027, 3, 1), 0, 0)).phrase,
                 QStringLiteral("first reminder 2027-03-07 12:00"));
        QCOMPARE(word(at(QDate(2027, 3, 8), 0, 0)), QStringLiteral("due"));
        t.LastReminded = at(QDate(2027, 3, 8), 9, 0);
        QCOMPARE(word(at(QDate(2027, 3, 8), 10, 0)), QStringLiteral("reminded"));
        QCOMPARE(Listing::StateOf(t, day, at(QDate(2027, 3, 8), 10, 0)).phrase,
                 QStringLiteral("reminded 2027-03-08 09:00, next 2027-03-09 09:00"));
        QCOMPARE(word(at(QDate(2027, 3, 11), 0, 0)), QStringLiteral("passed"));
        t.Done = true;
        QCOMPARE(word(at(QDate(2027, 3, 8), 10, 0)), QStringLiteral("done"));
    }

    void textsLeaveTheCodePageAsUnicode()
    {
        DayGrid grid;
        *grid.AddRecord(grid.Slot(2027, 3, 1)) = termin("\x80 caf\xe9");
        const QByteArray utf8 = Listing::Lines(grid, Day1, Day1, 0, Listing::Format::Text).toUtf8();
        QVERIFY2(utf8.contains("\xe2\x82\xac caf\xc3\xa9"), utf8.constData());
    }
};

QTEST_GUILESS_MAIN(TestStoreBatch)
#include "tst_storebatch.moc"
