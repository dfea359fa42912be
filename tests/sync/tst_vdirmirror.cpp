// Two stores ("machines") mirrored through one calendar folder, as two
// computers are through a CalDAV server once vdirsyncer has copied the
// folder across: every save goes through StoreFile with the side index
// kept in step, as in the program.
#include "store/DateTimeValue.h"
#include "store/FileStamp.h"
#include "store/StoreFile.h"
#include "store/ical/Item.h"
#include "sync/IndexKeeping.h"
#include "sync/VdirFolder.h"
#include "sync/VdirIndex.h"
#include "sync/VdirPass.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

double clockNow = 0; // what the program's clock says to the index keeping
const double T0 = DateTimeValue::EncodeDate(2026, 12, 1) + 0.5;
const double Hour = 1.0 / 24;
const QDate Day(2027, 3, 4);

struct Machine {
    QTemporaryDir dir;
    QString data = dir.filePath(QStringLiteral("appointments.dat"));
    DayGrid grid;
    TSettings settings;
    StoreFile file{data};

    Machine() { file.Load(grid, settings); }
    TTerminDay &day() { return grid.Slot(Day.year(), Day.month(), Day.day()); }
    void add(const char *name)
    {
        TTermin *t = grid.AddRecord(day());
        t->Name = name;
        t->Time = 0.5;
        t->FirstRemind = 3;
        t->RepeatInterval = 1;
    }
    void save() { QVERIFY(file.Sync(grid, settings).outcome.ok); }
    PassReport pass(const QString &folder, bool takeExisting = false, int heldIndex = -1)
    {
        PassOptions o{data, folder, clockNow, false, takeExisting};
        if (heldIndex >= 0) {
            o.heldDay = DayGrid::DayNumber(Day.year(), Day.month(), Day.day());
            o.heldIndex = uint32_t(heldIndex);
        }
        return RunPass(o, grid, [this](QString &error) {
            const SyncResult r = file.Sync(grid, settings);
            error = r.outcome.message;
            return r.outcome.ok;
        });
    }
    QStringList names()
    {
        QStringList out;
        for (uint32_t i = 0; i < day().records.Count(); ++i)
            out << QString::fromLatin1(day().records.At(i).Name.data());
        out.sort(); // items arrive from the folder in no particular order
        return out;
    }
};

QStringList itemFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name);
}

Ical::ItemRead readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return Ical::ReadItem(f.readAll());
}

// What another program does to the folder's only item: rewrites it
// (atomically, as every vdir writer does) with `changed` as its
// LAST-MODIFIED, or removes it.
template <typename F>
void editItem(const QString &folder, double changed, F &&edit)
{
    const QString path = QDir(folder).filePath(itemFiles(folder).constFirst());
    Ical::ItemRead item = readFile(path);
    TTermin t = item.appointments.front().record;
    edit(t);
    QSaveFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(Ical::ItemBytes(item.appointments.front().date, t, item.uid, changed));
    QVERIFY(f.commit());
}

// The permission bits of `path`, the link itself when it is one.
int modeOf(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// An event as a phone's CalDAV client writes it, on `Day` at 11:00 New
// York time.
const QByteArray PhoneEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//Calendar//EN\r\nBEGIN:VTIMEZONE\r\n"
    "TZID:America/New_York\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\n"
    "DTSTART:19701101T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\nBEGIN:DAYLIGHT\r\n"
    "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nDTSTART:19700308T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\nBEGIN:VEVENT\r\n"
    "UID:phone-1@example.org\r\nDTSTAMP:20270101T080000Z\r\nSEQUENCE:4\r\n"
    "DTSTART;TZID=America/New_York:20270304T110000\r\nDTEND;TZID=America/New_York:20270304T120000\r\n"
    "SUMMARY:\xc5\x81\xc3\xb3\x64\xc5\xba \xe6\x9d\xb1\xe4\xba\xac\r\nLOCATION:Caf\xc3\xa9 M\xc3\xbcller\\, Main St\r\n"
    "ATTENDEE;CN=\"Doe, Jane\";PARTSTAT=ACCEPTED:mailto:jane@example.org\r\nX-PHONE-FOO;A=1:x;y\\;z\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\nTRIGGER:-PT30M\r\nEND:VALARM\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

QStringList folderNames(const QString &folder)
{
    QStringList out;
    for (const QString &f : itemFiles(folder))
        out << QString::fromUtf8(readFile(QDir(folder).filePath(f)).appointments.front().record.Name.data());
    out.sort();
    return out;
}

QByteArray foreignItem(const QByteArray &uid, const QByteArray &lines)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid
        + "\r\nDTSTAMP:20261201T100000Z\r\nDTSTART:20270304T090000\r\n" + lines + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

void put(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QFile f(QDir(folder).filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

int countNotes(const PassReport &r, const char *text)
{
    int n = 0;
    for (const QString &note : r.notes)
        n += note.contains(QLatin1String(text));
    return n;
}

// Writes of files bigger than `bytes` fail (EFBIG), as on a full disk,
// while it lives.
struct FileSizeLimit {
    rlimit before{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit now = before;
        now.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &now);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before); }
};

} // namespace

class TestVdirMirror : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        StoreFile::SetWrittenHook([](const QString &path, const DayHashes &before, const DayGrid &grid) {
            IndexKeeping::AfterSave(path, before, grid, clockNow);
        });
    }

    // One appointment "A", mirrored to the folder, then changed on the
    // store's side and the folder's side at the given times (0: not
    // changed, -1: removed), then one pass.
    void threeWay_data()
    {
        QTest::addColumn<QString>("storeDoes");
        QTest::addColumn<double>("storeAt");
        QTest::addColumn<QString>("folderDoes");
        QTest::addColumn<double>("folderAt");
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<QString>("keptVersion"); // in the conflicts folder; empty: none
        const QStringList none;
        QTest::newRow("store changed") << "S" << 1.0 << "" << 0.0 << QStringList{"S"} << "";
        QTest::newRow("folder changed") << "" << 0.0 << "F" << 1.0 << QStringList{"F"} << "";
        QTest::newRow("both, store later") << "S" << 2.0 << "F" << 1.0 << QStringList{"S"} << "F";
        QTest::newRow("both, folder later") << "S" << 1.0 << "F" << 2.0 << QStringList{"F"} << "S";
        QTest::newRow("both, the same") << "X" << 1.0 << "X" << 2.0 << QStringList{"X"} << "";
        QTest::newRow("removed in store") << "-" << 1.0 << "" << 0.0 << none << "";
        QTest::newRow("removed in folder") << "" << 0.0 << "-" << 1.0 << none << "";
        QTest::newRow("removed in store, changed in folder") << "-" << 2.0 << "F" << 1.0 << QStringList{"F"} << "";
        QTest::newRow("removed in folder, changed in store") << "S" << 1.0 << "-" << 2.0 << QStringList{"S"} << "";
        QTest::newRow("removed on both") << "-" << 1.0 << "-" << 1.0 << none << "";
    }
    void threeWay()
    {
        QFETCH(QString, storeDoes);
        QFETCH(double, storeAt);
        QFETCH(QString, folderDoes);
        QFETCH(double, folderAt);
        QFETCH(QStringList, result);
        QFETCH(QString, keptVersion);
        QTemporaryDir vdir;
        Machine m;
        m.add("A");
        clockNow = T0;
        m.save();
        QVERIFY(m.pass(vdir.path()).ok);
        QCOMPARE(folderNames(vdir.path()), QStringList{"A"});

        clockNow = T0 + storeAt * Hour;
        if (storeDoes == QLatin1String("-"))
            m.grid.RemoveRecord(m.day(), 0);
        else if (!storeDoes.isEmpty())
            m.day().records.Item(0)->Name = storeDoes.toStdString(), m.grid.NoteChange();
        m.save();
        if (folderDoes == QLatin1String("-"))
            QVERIFY(QFile::remove(QDir(vdir.path()).filePath(itemFiles(vdir.path()).constFirst())));
        else if (!folderDoes.isEmpty())
            editItem(vdir.path(), T0 + folderAt * Hour, [&](TTermin &t) { t.Name = folderDoes.toStdString(); });

        clockNow = T0 + 3 * Hour;
        const PassReport r = m.pass(vdir.path());
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(m.names(), result);
        QCOMPARE(folderNames(vdir.path()), result);
        const QDir conflicts(ConflictFolder(m.data));
        const QStringList kept = conflicts.entryList({QStringLiteral("*.ics")}, QDir::Files);
        QCOMPARE(kept.size(), keptVersion.isEmpty() ? 0 : 1);
        QCOMPARE(r.kept.size(), kept.size());
        // Appointments are private, in the folder as in the conflicts kept.
        for (const QString &f : itemFiles(vdir.path()))
            QCOMPARE(modeOf(QDir(vdir.path()).filePath(f)), 0600);
        if (!keptVersion.isEmpty()) {
            QCOMPARE(modeOf(conflicts.path()), 0700);
            QCOMPARE(modeOf(conflicts.filePath(kept.constFirst())), 0600);
            QCOMPARE(QString::fromLatin1(
                         readFile(conflicts.filePath(kept.constFirst())).appointments.front().record.Name.data()),
                     keptVersion);
        }
        // A second pass finds both sides agreeing.
        const PassReport again = m.pass(vdir.path());
        QVERIFY(again.ok && !again.wroteAnything());
    }

    // "A" is on screen in a reminder while the folder changes it and adds
    // "B": B comes in, A stays as it is until the answer (a pass without
    // it held); changed on both sides, the whole pass waits.
    void heldRecordWaitsForItsAnswer_data()
    {
        QTest::addColumn<QString>("storeDoes");
        QTest::addColumn<QString>("folderDoes");
        QTest::addColumn<QStringList>("whileHeld");
        QTest::addColumn<QStringList>("afterwards");
        QTest::newRow("renamed in the folder") << ""
                                               << "F" << QStringList{"A", "B"} << QStringList{"B", "F"};
        QTest::newRow("removed in the folder") << ""
                                               << "-" << QStringList{"A", "B"} << QStringList{"B"};
        QTest::newRow("changed on both, the folder later") << "S"
                                                           << "F" << QStringList{"S"} << QStringList{"B", "F"};
        QTest::newRow("changed here only") << "S"
                                           << "" << QStringList{"B", "S"} << QStringList{"B", "S"};
    }
    void heldRecordWaitsForItsAnswer()
    {
        QFETCH(QString, storeDoes);
        QFETCH(QString, folderDoes);
        QFETCH(QStringList, whileHeld);
        QFETCH(QStringList, afterwards);
        QTemporaryDir vdir;
        Machine m;
        m.add("A");
        clockNow = T0;
        m.save();
        QVERIFY(m.pass(vdir.path()).ok);
        clockNow = T0 + Hour;
        if (!storeDoes.isEmpty()) {
            m.day().records.Item(0)->Name = storeDoes.toStdString();
            m.grid.NoteChange();
            m.save();
        }
        if (folderDoes == QLatin1String("-"))
            QVERIFY(QFile::remove(QDir(vdir.path()).filePath(itemFiles(vdir.path()).constFirst())));
        else if (!folderDoes.isEmpty())
            editItem(vdir.path(), T0 + 2 * Hour, [&](TTermin &t) { t.Name = folderDoes.toStdString(); });
        TTermin b = m.day().records.At(0);
        b.Name = "B";
        QFile other(QDir(vdir.path()).filePath(QStringLiteral("b-1.ics")));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write(Ical::ItemBytes(Day, b, "b-1", T0 + Hour)) > 0);
        other.close();

        clockNow = T0 + 3 * Hour;
        const PassReport held = m.pass(vdir.path(), false, 0);
        QVERIFY2(held.ok, qPrintable(held.error));
        QCOMPARE(held.heldBack, whileHeld.size() == 1);
        QCOMPARE(m.names(), whileHeld);
        const PassReport answered = m.pass(vdir.path());
        QVERIFY2(answered.ok && !answered.heldBack, qPrintable(answered.error));
        QCOMPARE(m.names(), afterwards);
        QCOMPARE(folderNames(vdir.path()), afterwards);
    }

    // A reminder answered on one machine is not shown on the other: the
    // later acknowledgement and a Done from either side win, also when an
    // edit elsewhere lost them.
    void reminderState_data()
    {
        QTest::addColumn<double>("storeLast");
        QTest::addColumn<bool>("storeDone");
        QTest::addColumn<double>("folderLast");
        QTest::addColumn<bool>("folderDone");
        QTest::addColumn<double>("last");
        QTest::addColumn<bool>("done");
        QTest::newRow("answered in the folder") << 0.0 << false << 5.0 << false << 5.0 << false;
        QTest::newRow("answered on both, folder later") << 4.0 << false << 5.0 << false << 5.0 << false;
        QTest::newRow("answered on both, store later") << 6.0 << false << 5.0 << false << 6.0 << false;
        QTest::newRow("done in the store, answered there") << 4.0 << true << 5.0 << false << 5.0 << true;
        QTest::newRow("done in the folder") << 4.0 << false << 2.0 << true << 4.0 << true;
    }
    void reminderState()
    {
        QFETCH(double, storeLast);
        QFETCH(bool, storeDone);
        QFETCH(double, folderLast);
        QFETCH(bool, folderDone);
        QFETCH(double, last);
        QFETCH(bool, done);
        QTemporaryDir vdir;
        Machine m;
        m.add("A");
        clockNow = T0;
        m.save();
        QVERIFY(m.pass(vdir.path()).ok);
        if (storeLast > 0 || storeDone) {
            TTermin *t = m.day().records.Item(0);
            t->LastReminded = T0 + storeLast * Hour;
            t->Done = storeDone;
            m.grid.NoteChange();
            clockNow = t->LastReminded;
            m.save();
        }
        editItem(vdir.path(), T0 + folderLast * Hour, [&](TTermin &t) {
            t.LastReminded = T0 + folderLast * Hour;
            t.Done = folderDone;
        });
        QVERIFY(m.pass(vdir.path()).ok);
        const TTermin &t = m.day().records.At(0);
        QCOMPARE(t.LastReminded, T0 + last * Hour);
        QCOMPARE(bool(t.Done), done);
        const TTermin out =
            readFile(QDir(vdir.path()).filePath(itemFiles(vdir.path()).constFirst())).appointments.front().record;
        QCOMPARE(out.LastReminded, t.LastReminded);
        QCOMPARE(bool(out.Done), done);
        QVERIFY(QDir(ConflictFolder(m.data)).entryList({QStringLiteral("*.ics")}).isEmpty());
    }

    // Two machines through one folder; then either side's index is lost,
    // or its data file is put back from a backup: duplicates at worst,
    // never a lost appointment, and no removal taken from the backup.
    void indexLost_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::newRow("index deleted") << false;
        QTest::newRow("data file from a backup") << true;
    }
    void indexLost()
    {
        QFETCH(bool, backup);
        QTemporaryDir vdir;
        Machine a, b;
        a.add("A1");
        a.add("A2");
        clockNow = T0;
        a.save();
        QVERIFY(a.pass(vdir.path()).ok);
        QVERIFY(b.pass(vdir.path()).ok);
        QCOMPARE(b.names(), (QStringList{"A1", "A2"}));
        const QByteArray before = [&] {
            QFile f(a.data);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        b.add("B3");
        b.save();
        QVERIFY(b.pass(vdir.path()).ok);
        a.grid.RemoveRecord(a.day(), 0); // A1 removed on A after the backup
        a.save();
        QVERIFY(a.pass(vdir.path()).ok);
        if (backup) {
            QSaveFile f(a.data);
            f.open(QIODevice::WriteOnly);
            f.write(before);
            QVERIFY(f.commit());
            a.grid.delall();
            a.file.Load(a.grid, a.settings);
        } else {
            QVERIFY(QFile::remove(VdirIndex::PathFor(a.data)));
        }
        const PassReport r = a.pass(vdir.path());
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(!r.notes.isEmpty()); // says that it matched by contents
        QCOMPARE(a.names(), backup ? (QStringList{"A1", "A2", "B3"}) : (QStringList{"A2", "B3"}));
        QCOMPARE(folderNames(vdir.path()).size(), a.names().size());
        QVERIFY(b.pass(vdir.path()).ok);
        QCOMPARE(b.names().size(), a.names().size());
    }

    // What the folder does after a pass has mirrored `count` appointments,
    // and what the next pass makes of it: a folder that comes back empty
    // takes nothing from the store unless asked, a file that cannot be
    // taken is set aside once while the rest is mirrored, and a failed
    // first pass leaves nothing that reads as a removal later.
    void folderStates_data()
    {
        QTest::addColumn<QString>("folderDoes");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("takeRemovals");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("inStore"); // appointments afterwards
        QTest::addColumn<int>("inFolder");
        QTest::addColumn<QString>("says"); // in the error, or the one note of the pass
        QTest::newRow("emptied") << "clear 3" << 3 << false << false << 3 << 0 << "--take-removals";
        QTest::newRow("emptied, taken") << "clear 3" << 3 << true << true << 0 << 0 << "";
        QTest::newRow("mostly emptied") << "clear 6" << 8 << false << false << 8 << 2 << "6 of the 8 events";
        QTest::newRow("a handful removed") << "clear 3" << 8 << false << true << 5 << 5 << "";
        QTest::newRow("the only one removed") << "clear 1" << 1 << false << true << 0 << 0 << "";
        QTest::newRow("failed first pass, then cleared") << "fail first" << 3 << false << true << 3 << 3 << "";
        QTest::newRow("index lost, one edited")
            << "lose index" << 3 << false << true << 3 << 3 << "was not sent out again";
        QTest::newRow("not iCalendar") << "put junk" << 3 << false << true << 4 << 5 << "not an iCalendar file";
        QTest::newRow("repeating every second")
            << "put secondly" << 3 << false << true << 4 << 5 << "not an iCalendar file";
        QTest::newRow("over 1 MB") << "put big" << 3 << false << true << 4 << 5 << "bigger than 1 MB";
        QTest::newRow("rewritten in place, same size") << "in place" << 3 << false << true << 3 << 3 << "";
    }
    void folderStates()
    {
        QFETCH(QString, folderDoes);
        QFETCH(int, count);
        QFETCH(bool, takeRemovals);
        QFETCH(bool, ok);
        QFETCH(int, inStore);
        QFETCH(int, inFolder);
        QFETCH(QString, says);
        QTemporaryDir vdir;
        const QString folder = vdir.path();
        Machine m;
        const char *names[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
        for (int i = 0; i < count; ++i)
            m.add(names[i]);
        clockNow = T0;
        if (folderDoes == QLatin1String("fail first")) {
            m.day().records.Item(1)->Description = std::string(20000, 'x'); // its file alone is over the limit
            m.save();
            FileSizeLimit limit(8000);
            const PassReport r = m.pass(folder);
            QVERIFY(!r.ok && r.error.contains(QLatin1String("could not write")));
        } else {
            m.save();
            QVERIFY(m.pass(folder).ok);
        }
        const QStringList files = itemFiles(folder);
        const QStringList verb = folderDoes.split(QLatin1Char(' '));
        if (verb[0] == QLatin1String("clear") || folderDoes == QLatin1String("fail first")) {
            const int n = verb[0] == QLatin1String("clear") ? verb[1].toInt() : int(files.size());
            for (int i = 0; i < n; ++i)
                QVERIFY(QFile::remove(QDir(folder).filePath(files[i])));
        } else if (folderDoes == QLatin1String("lose index")) {
            clockNow = T0 + Hour;
            m.day().records.Item(1)->Time = 0.75;
            m.grid.NoteChange();
            m.save();
            QVERIFY(QFile::remove(VdirIndex::PathFor(m.data)));
        } else if (folderDoes == QLatin1String("put junk")) {
            put(folder, QStringLiteral("junk.ics"), "this is no calendar\n");
        } else if (folderDoes == QLatin1String("put secondly")) {
            put(folder, QStringLiteral("often.ics"), foreignItem("often", "RRULE:FREQ=SECONDLY\r\nSUMMARY:Tick\r\n"));
        } else if (folderDoes == QLatin1String("put big")) {
            put(folder, QStringLiteral("big.ics"),
                foreignItem("big", "SUMMARY:Big\r\nDESCRIPTION:" + QByteArray(3 << 19, 'y') + "\r\n"));
        } else if (folderDoes == QLatin1String("in place")) {
            // An editor's save: the same file, the same size, "A" now "Z".
            QFile f(QDir(folder).filePath(files.constFirst()));
            QVERIFY(f.open(QIODevice::ReadWrite));
            const QByteArray before = f.readAll();
            const QByteArray name = QByteArray("SUMMARY:")
                + readFile(f.fileName()).appointments.front().record.Name.data();
            QByteArray after = before;
            after.replace(name + "\r\n", name.chopped(1) + "Z\r\n");
            QVERIFY(after != before && f.seek(0) && f.write(after) == after.size() && f.flush());
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
            f.close();
            // As if the folder had been quiet for minutes: the index trusts
            // its stamp, and the edit came a while after the last pass.
            VdirIndex index;
            QString error;
            QVERIFY(index.Load(VdirIndex::PathFor(m.data), error));
            index.folderStamp = VdirFolder::StampOf(folder);
            index.listedNs = 1;
            QVERIFY(index.Save(VdirIndex::PathFor(m.data), error));
        }
        if (folderDoes.startsWith(QLatin1String("put ")))
            put(folder, QStringLiteral("good.ics"), foreignItem("good", "SUMMARY:Lunch\r\n"));

        clockNow = T0 + 2 * Hour;
        PassOptions o{m.data, folder, clockNow, false, false, takeRemovals};
        auto save = [&](QString &error) {
            const SyncResult sr = m.file.Sync(m.grid, m.settings);
            error = sr.outcome.message;
            return sr.outcome.ok;
        };
        const PassReport r = RunPass(o, m.grid, save);
        QVERIFY2(r.ok == ok, qPrintable(r.error));
        QCOMPARE(int(m.day().records.Count()), inStore);
        QCOMPARE(int(itemFiles(folder).size()), inFolder);
        if (!ok)
            QVERIFY2(r.error.contains(says), qPrintable(r.error));
        else if (!says.isEmpty())
            QCOMPARE(countNotes(r, qPrintable(says)), 1);
        if (folderDoes == QLatin1String("in place"))
            QVERIFY2(m.names().contains(QLatin1String("Z")), qPrintable(m.names().join(u' ')));
        // The next pass neither repeats a note nor changes its mind.
        const PassReport again = RunPass(o, m.grid, save);
        QCOMPARE(again.ok, ok);
        QCOMPARE(int(m.day().records.Count()), inStore);
        if (ok && !says.isEmpty())
            QCOMPARE(countNotes(again, qPrintable(says)), 0);
    }

    // A phone's event changed here: its file keeps every line the change
    // did not concern, and the next pass finds both sides agreeing.
    void phoneEventChangedHere_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QByteArray>("wanted");
        QTest::newRow("renamed") << "name" << QByteArray("SUMMARY:Lodz trip\r\n");
        QTest::newRow("an hour later") << "time"
                                       << QByteArray(
                                              "DTSTART;TZID=America/New_York:20270304T120000\r\nDTEND;TZID=America/"
                                              "New_York:20270304T130000\r\n");
        QTest::newRow("remind later") << "later" << QByteArray("X-KALVIX-EXACT:");
    }
    void phoneEventChangedHere()
    {
        QFETCH(QString, change);
        QFETCH(QByteArray, wanted);
        QTemporaryDir vdir;
        Machine m;
        clockNow = T0;
        QSaveFile f(QDir(vdir.path()).filePath(QStringLiteral("phone-1.ics")));
        f.open(QIODevice::WriteOnly);
        f.write(PhoneEvent);
        QVERIFY(f.commit());
        QVERIFY(m.pass(vdir.path(), true).ok);
        QCOMPARE(m.day().records.Count(), 1u);

        clockNow = T0 + Hour;
        TTermin *t = m.day().records.Item(0);
        if (change == QLatin1String("name"))
            t->Name = "Lodz trip";
        else if (change == QLatin1String("time"))
            t->Time += Hour;
        else
            t->LastReminded = clockNow;
        m.grid.NoteChange();
        m.save();
        const PassReport r = m.pass(vdir.path());
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.written, 1);
        const QByteArray out = [&] {
            QFile in(QDir(vdir.path()).filePath(QStringLiteral("phone-1.ics")));
            in.open(QIODevice::ReadOnly);
            return in.readAll();
        }();
        QVERIFY2(out.contains(wanted), out.constData());
        // Everything the phone wrote outside the event's name, times and
        // stamps is still there as it was.
        const qsizetype from = PhoneEvent.indexOf("LOCATION"), alarm = PhoneEvent.indexOf("BEGIN:VALARM");
        QVERIFY(out.contains(PhoneEvent.left(PhoneEvent.indexOf("DTSTAMP"))));
        QVERIFY(out.contains(PhoneEvent.mid(from, alarm - from)));
        QVERIFY(out.endsWith(PhoneEvent.mid(alarm)));
        QCOMPARE(out.contains("SUMMARY:\xc5\x81\xc3\xb3\x64\xc5\xba \xe6\x9d\xb1\xe4\xba\xac\r\n"),
                 change != QLatin1String("name"));
        QCOMPARE(out.contains("SEQUENCE:5\r\n"), change == QLatin1String("time"));
        const TTermin back =
            readFile(QDir(vdir.path()).filePath(QStringLiteral("phone-1.ics"))).appointments.front().record;
        QCOMPARE(back.Name.str(), t->Name.str());
        QCOMPARE(back.Time, t->Time);
        QCOMPARE(back.LastReminded, t->LastReminded);
        const PassReport again = m.pass(vdir.path());
        QVERIFY(again.ok && !again.wroteAnything());
    }

    // An unchanged pass writes no file; one changed appointment rewrites
    // its own file and nothing else in the folder.
    void touchesOnlyWhatChanged()
    {
        QTemporaryDir vdir;
        Machine m;
        for (const char *n : {"A", "B", "C"})
            m.add(n);
        clockNow = T0;
        m.save();
        QVERIFY(m.pass(vdir.path()).ok);
        QVERIFY(m.pass(vdir.path()).ok); // the folder's new stamp taken in
        auto stamps = [&] {
            QMap<QString, int64_t> s;
            for (const QString &f : itemFiles(vdir.path()) + QStringList{VdirIndex::PathFor(m.data), m.data})
                s[f] = FileStamp::Of(QDir(vdir.path()).filePath(f)).changedNs;
            return s;
        };
        const auto first = stamps();
        PassReport r = m.pass(vdir.path());
        QVERIFY(r.ok && !r.wroteAnything());
        QCOMPARE(stamps(), first);

        // A link planted at the name the rewrite is made under is replaced,
        // never written through.
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim"));
        put(elsewhere.path(), QStringLiteral("victim"), "mine");
        for (const QString &f : itemFiles(vdir.path()))
            QVERIFY(QFile::link(victim,
                                QDir(vdir.path()).filePath(QStringLiteral(".%1.kalvix-%2").arg(f).arg(::getpid()))));
        m.day().records.Item(1)->Name = "B changed";
        m.grid.NoteChange();
        m.save();
        r = m.pass(vdir.path());
        QCOMPARE(r.written, 1);
        const auto second = stamps();
        int rewritten = 0;
        for (const QString &f : itemFiles(vdir.path()))
            rewritten += second[f] != first[f];
        QCOMPARE(rewritten, 1);
        QFile v(victim);
        QVERIFY(v.open(QIODevice::ReadOnly));
        QCOMPARE(v.readAll(), QByteArray("mine"));
    }
};

QTEST_GUILESS_MAIN(TestVdirMirror)
#include "tst_vdirmirror.moc"
