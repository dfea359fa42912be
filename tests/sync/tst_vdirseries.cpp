// Repeating events through the calendar folder: one item for the whole
// series, its occurrences changed one at a time, the days kept moving on.
// Every save goes through StoreFile with the side index kept in step, as
// in the program.
#include "store/DateTimeValue.h"
#include "store/StoreFile.h"
#include "store/ical/Item.h"
#include "sync/IndexKeeping.h"
#include "sync/SeriesKeeping.h"
#include "sync/VdirIndex.h"
#include "sync/VdirPass.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

double clockNow = 0;
const double T0 = DateTimeValue::EncodeDate(2026, 12, 1) + 0.5;

// A phone's weekly meeting: Mondays and Thursdays at 10:00 up to 25
// February, 7 December left out, 10 December moved to 15:00.
const char PhoneSeries[] =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n"
    "BEGIN:VEVENT\r\nUID:team@phone\r\nDTSTAMP:20261101T120000Z\r\n"
    "LAST-MODIFIED:20261101T120000Z\r\nDTSTART:%1\r\nDTEND:%2\r\n"
    "RRULE:FREQ=WEEKLY;BYDAY=MO,TH;UNTIL=%3\r\nEXDATE:20261207T%4\r\n"
    "SUMMARY:Team\r\nLOCATION:Room 4\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:team@phone\r\nDTSTAMP:20261101T120000Z\r\n"
    "RECURRENCE-ID:20261210T%4\r\nDTSTART:20261210T150000\r\n"
    "SUMMARY:Team (moved)\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

QByteArray phoneSeries(const char *time = "100000", const char *until = "20270226T235959Z")
{
    const QString start = QStringLiteral("20261203T") + QLatin1String(time);
    return QString::fromLatin1(PhoneSeries).arg(start, start, QLatin1String(until), QLatin1String(time)).toLatin1();
}

struct Machine {
    QTemporaryDir dir;
    QString data = dir.filePath(QStringLiteral("appointments.dat"));
    QString folder = dir.filePath(QStringLiteral("calendar"));
    DayGrid grid;
    TSettings settings;
    StoreFile file{data};

    Machine()
    {
        QDir().mkpath(folder);
        file.Load(grid, settings);
    }
    void save() { QVERIFY(file.Sync(grid, settings).outcome.ok); }
    PassReport pass()
    {
        PassOptions o{data, folder, clockNow, false, true};
        return RunPass(o, grid, [this](QString &error) {
            const SyncResult r = file.Sync(grid, settings);
            error = r.outcome.message;
            return r.outcome.ok;
        });
    }
    // Every appointment as "MM-dd hh:mm Name", in calendar order.
    QStringList list()
    {
        QStringList out;
        grid.ForEachDay([&](int y, int m, int d, const TTerminDay &slot) {
            for (uint32_t i = 0; i < slot.records.Count(); ++i) {
                const TTermin &t = slot.records.At(i);
                out << QDate(y, m, d).toString(QStringLiteral("MM-dd "))
                        + DateTimeValue::ToDateTime(t.Time).toString(QStringLiteral("hh:mm "))
                        + QString::fromLatin1(t.Name.data());
            }
        });
        return out;
    }
    TTermin *at(const QDate &d) { return grid.RecordAt(grid.Slot(d.year(), d.month(), d.day()), 0); }
    void put(const QByteArray &bytes, const char *name = "team.ics")
    {
        QSaveFile f(QDir(folder).filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        QVERIFY(f.commit());
    }
    QStringList items() { return QDir(folder).entryList({QStringLiteral("*.ics")}, QDir::Files); }
    QByteArray item(const char *name = "team.ics")
    {
        QFile f(QDir(folder).filePath(QLatin1String(name)));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

} // namespace

class TestVdirSeries : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        StoreFile::SetWrittenHook([](const QString &path, const DayHashes &before, const DayGrid &grid) {
            IndexKeeping::AfterSave(path, before, grid, clockNow);
        });
    }
    void init() { clockNow = T0; }

    // A series from elsewhere comes in as its occurrences and stays one item.
    void oneSeriesOneItem()
    {
        Machine a;
        a.put(phoneSeries());
        QVERIFY(a.pass().ok);
        const QStringList team = a.list();
        QCOMPARE(team.size(), 24);
        QCOMPARE(team.mid(0, 3), (QStringList{"12-03 10:00 Team", "12-10 15:00 Team (moved)", "12-14 10:00 Team"}));
        QCOMPARE(team.constLast(), QStringLiteral("02-25 10:00 Team"));
        const QByteArray before = a.item();
        const PassReport again = a.pass();
        QVERIFY(again.ok && !again.wroteAnything());
        QCOMPARE(a.item(), before);
    }

    // A series added here ("add --every": rent on the last day of six
    // months) goes out as one item, also when one of its appointments was
    // changed before the first pass; another store reads the same days.
    void madeHereGoesOutAsOne_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("as added") << "";
        QTest::newRow("first one removed") << "removeFirst";
        QTest::newRow("one renamed") << "rename";
        QTest::newRow("a reminder answered") << "answer";
    }
    void madeHereGoesOutAsOne()
    {
        QFETCH(QString, before);
        Machine a;
        QVERIFY(a.pass().ok);
        TTermin rent;
        rent.Name = "Rent";
        rent.Time = 0.375;
        std::vector<QDate> days;
        for (int m = 1; m <= 6; ++m) {
            days.push_back(QDate(2027, m, 1).addMonths(1).addDays(-1));
            *a.grid.AddRecord(a.grid.Slot(2027, m, days.back().day())) = rent;
        }
        a.save();
        QString error;
        QVERIFY(SeriesKeeping::Register(a.data, a.grid, days, rent, "FREQ=MONTHLY;BYMONTHDAY=-1;COUNT=6", T0, error));
        if (before == "removeFirst")
            a.grid.RemoveRecordsIf(a.grid.Slot(2027, 1, 31), [](size_t) { return true; });
        else if (before == "rename")
            a.at(days[2])->Name = "Rent, raised";
        else if (before == "answer")
            a.at(days[2])->LastReminded = T0;
        a.grid.NoteChange();
        a.save();
        const QStringList expected = a.list();
        const PassReport out = a.pass();
        QVERIFY2(out.ok, qPrintable(out.error));
        QCOMPARE(a.list(), expected);
        QCOMPARE(a.items().size(), 1);
        QVERIFY(a.item(a.items().constFirst().toLatin1().constData()).contains("RRULE:FREQ=MONTHLY"));
        Machine b;
        b.put(a.item(a.items().constFirst().toLatin1().constData()));
        QVERIFY(b.pass().ok);
        QCOMPARE(b.list(), a.list());
        QCOMPARE(b.at(days[2])->LastReminded, before == "answer" ? T0 : 0.0);
    }

    // One occurrence changed, removed or answered here goes into the
    // series' file as that occurrence's own change; the file stays one.
    void editingOneOccurrence_data()
    {
        QTest::addColumn<QString>("does");
        QTest::addColumn<QByteArray>("inFile");
        QTest::addColumn<int>("ownEvents"); // RECURRENCE-ID events in the file
        QTest::addColumn<bool>("saved");    // before the pass (the window saves a second after an edit)
        QTest::newRow("renamed") << "rename" << QByteArray("SUMMARY:Team with Bo") << 2 << true;
        QTest::newRow("renamed, not saved yet") << "rename" << QByteArray("SUMMARY:Team with Bo") << 2 << false;
        QTest::newRow("removed") << "remove" << QByteArray("EXDATE:20261214T100000") << 1 << true;
        QTest::newRow("removed, not saved yet") << "remove" << QByteArray("EXDATE:20261214T100000") << 1 << false;
        QTest::newRow("reminder answered") << "answer" << QByteArray("ACKNOWLEDGED:") << 2 << true;
        QTest::newRow("the moved one removed") << "removeMoved" << QByteArray("EXDATE:20261210T100000") << 0 << true;
    }
    void editingOneOccurrence()
    {
        QFETCH(QString, does);
        QFETCH(QByteArray, inFile);
        QFETCH(int, ownEvents);
        QFETCH(bool, saved);
        Machine a;
        a.put(phoneSeries());
        QVERIFY(a.pass().ok);
        const QDate day(2026, 12, does == "removeMoved" ? 10 : 14);
        if (does == "rename")
            a.at(day)->Name = "Team with Bo";
        else if (does == "answer")
            a.at(day)->LastReminded = T0;
        else
            a.grid.RemoveRecordsIf(a.grid.Slot(day.year(), day.month(), day.day()), [](size_t) { return true; });
        a.grid.NoteChange();
        if (saved)
            a.save();
        const QStringList expected = a.list();
        const PassReport r = a.pass();
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(a.items(), QStringList{"team.ics"});
        const QByteArray bytes = a.item();
        QVERIFY2(bytes.contains(inFile), bytes.constData());
        QCOMPARE(int(bytes.count("RECURRENCE-ID")), ownEvents);
        QVERIFY(bytes.contains("LOCATION:Room 4"));
        // What another store makes of the file is what this one holds.
        Machine b;
        b.put(bytes);
        QVERIFY(b.pass().ok);
        QCOMPARE(b.list(), expected);
        if (does == "answer") { // that occurrence only
            QCOMPARE(b.at(day)->LastReminded, T0);
            QCOMPARE(b.at(QDate(2026, 12, 17))->LastReminded, 0.0);
        }
    }

    // The series changed elsewhere: what was not changed here follows,
    // what was changed here is kept and reported.
    void seriesChangedElsewhere_data()
    {
        QTest::addColumn<QString>("here");      // to 14 December: "rename", "answer" or nothing
        QTest::addColumn<QString>("there");     // "time", "end" or "remove"
        QTest::addColumn<QStringList>("dec14"); // what 14 December holds after
        QTest::addColumn<int>("count");         // appointments after
        QTest::addColumn<bool>("reported");
        QTest::newRow("new time") << ""
                                  << "time" << QStringList{"12-14 11:00 Team"} << 24 << false;
        QTest::newRow("new time, answered here") << "answer"
                                                 << "time" << QStringList{"12-14 11:00 Team"} << 24 << false;
        QTest::newRow("new time, renamed here") << "rename"
                                                << "time" << QStringList{"12-14 10:00 Mine"} << 24 << true;
        QTest::newRow("earlier end") << ""
                                     << "end" << QStringList{"12-14 10:00 Team"} << 4 << false;
        QTest::newRow("removed") << ""
                                 << "remove" << QStringList{} << 0 << false;
        QTest::newRow("removed, renamed here") << "rename"
                                               << "remove" << QStringList{"12-14 10:00 Mine"} << 1 << true;
        QTest::newRow("removed, answered here") << "answer"
                                                << "remove" << QStringList{} << 0 << false;
    }
    void seriesChangedElsewhere()
    {
        QFETCH(QString, here);
        QFETCH(QString, there);
        QFETCH(QStringList, dec14);
        QFETCH(int, count);
        QFETCH(bool, reported);
        Machine a;
        a.put(phoneSeries());
        QVERIFY(a.pass().ok);
        if (!here.isEmpty()) {
            if (here == "rename")
                a.at(QDate(2026, 12, 14))->Name = "Mine";
            else
                a.at(QDate(2026, 12, 14))->LastReminded = T0;
            a.grid.NoteChange();
            a.save();
            QVERIFY(a.pass().ok);
        }
        if (there == "remove")
            QVERIFY(QFile::remove(QDir(a.folder).filePath("team.ics")));
        else if (there == "time") // rewritten whole, as phones do, without the changes made here
            a.put(phoneSeries("110000"));
        else
            a.put(QByteArray(a.item()).replace("20270226T235959Z", "20261218T000000Z"));
        const PassReport r = a.pass();
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(a.list().filter(QStringLiteral("12-14")), dec14);
        QCOMPARE(a.list().size(), count);
        QCOMPARE(r.kept.join('\n').contains("was changed here and is kept"), reported);
        // Nothing left to do once both sides agree.
        const PassReport again = a.pass();
        QVERIFY2(again.ok && !again.wroteAnything(), qPrintable(again.Summary(a.folder)));
    }

    // Occurrences are kept a year ahead: later ones come as the days pass,
    // earlier ones stay.
    void windowMovesWithTheDays_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("count");
        QTest::newRow("same day") << 0 << 103;
        QTest::newRow("a day later") << 1 << 104; // 2 December 2027, a Thursday
        QTest::newRow("a week later") << 7 << 105;
        QTest::newRow("half a year later") << 182 << 156;
    }
    void windowMovesWithTheDays()
    {
        QFETCH(int, days);
        QFETCH(int, count);
        Machine a;
        a.put(phoneSeries("100000", "20291231T000000Z"));
        QVERIFY(a.pass().ok);
        const QStringList first = a.list();
        clockNow = T0 + days;
        const PassReport r = a.pass();
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(a.list().size(), count);
        QCOMPARE(a.list().mid(0, first.size()), first);
        QCOMPARE(r.written, 0);
    }
};

QTEST_GUILESS_MAIN(TestVdirSeries)
#include "tst_vdirseries.moc"
