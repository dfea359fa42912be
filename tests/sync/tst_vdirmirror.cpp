// Two stores ("machines") mirrored through one calendar folder, as two
// computers are through a CalDAV server once vdirsyncer has copied the
// folder across: every save goes through StoreFile with the side index
// kept in step, as in the program.
#include "store/DateTimeValue.h"
#include "store/FileStamp.h"
#include "store/StoreFile.h"
#include "store/ical/Item.h"
#include "sync/IndexKeeping.h"
#include "sync/VdirIndex.h"
#include "sync/VdirPass.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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

QStringList folderNames(const QString &folder)
{
    QStringList out;
    for (const QString &f : itemFiles(folder))
        out << QString::fromUtf8(readFile(QDir(folder).filePath(f)).appointments.front().record.Name.data());
    out.sort();
    return out;
}

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
        if (!keptVersion.isEmpty())
            QCOMPARE(QString::fromLatin1(
                         readFile(conflicts.filePath(kept.constFirst())).appointments.front().record.Name.data()),
                     keptVersion);
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
    }
};

QTEST_GUILESS_MAIN(TestVdirMirror)
#include "tst_vdirmirror.moc"
