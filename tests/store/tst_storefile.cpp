// Saving over a file another program changed: the file's changes come in,
// and where both sides changed a day the merge keeps what each side made.
#include "store/StoreFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const int Y = 2030, M = 4, D = 9;

QStringList namesOf(const DayGrid &grid, int y = Y, int m = M, int d = D)
{
    QStringList names;
    const TTerminDay &slot = grid.Slot(y, m, d);
    for (uint32_t i = 0; i < slot.records.Count(); ++i)
        names << QString::fromStdString(slot.records.Data()[i].Name);
    return names;
}

// Steps such as "rename b b2", "delete b", "add d", "other x" (a record on
// another day), "minutes 5", separated by ";".
void apply(DayGrid &grid, TSettings &settings, const QString &steps)
{
    for (const QString &step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList w = step.trimmed().split(QLatin1Char(' '));
        TTerminDay &day = grid.Slot(Y, M, D);
        const int at = static_cast<int>(namesOf(grid).indexOf(w.value(1)));
        if (w[0] == QLatin1String("rename"))
            grid.RecordAt(day, at)->Name = w[2].toStdString();
        else if (w[0] == QLatin1String("delete"))
            grid.RemoveRecord(day, at);
        else if (w[0] == QLatin1String("add"))
            grid.AddRecord(day)->Name = w[1].toStdString();
        else if (w[0] == QLatin1String("other"))
            grid.AddRecord(grid.Slot(Y + 1, 1, 1))->Name = w[1].toStdString();
        else if (w[0] == QLatin1String("minutes"))
            settings.checkMinutes = w[1].toInt();
    }
}

} // namespace

class TstStoreFile : public QObject {
    Q_OBJECT
private slots:
    void bothSidesChangesAreKept_data()
    {
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QStringList>("day");
        QTest::addColumn<QStringList>("otherDay");
        QTest::addColumn<int>("minutes");
        const QStringList abc{"a", "b", "c"};
        QTest::newRow("nothing here: the file's as it is")
            << ""
            << "delete a; other x" << QStringList{"b", "c"} << QStringList{"x"} << 0;
        QTest::newRow("changed on both sides: both versions")
            << "rename b b-mine"
            << "rename b b-theirs" << QStringList{"a", "b-theirs", "c", "b-mine"} << QStringList{} << 0;
        QTest::newRow("deleted here, kept there: gone") << "delete b"
                                                        << "add d" << QStringList{"a", "c", "d"} << QStringList{} << 0;
        QTest::newRow("deleted here, changed there: theirs stays")
            << "delete b"
            << "rename b b2" << QStringList{"a", "b2", "c"} << QStringList{} << 0;
        QTest::newRow("added on both sides") << "add m"
                                             << "add t" << QStringList{"a", "b", "c", "t", "m"} << QStringList{} << 0;
        QTest::newRow("the same added on both sides: once")
            << "add d"
            << "add d" << QStringList{"a", "b", "c", "d"} << QStringList{} << 0;
        QTest::newRow("days apart: each side's day")
            << "add m"
            << "other x" << QStringList{"a", "b", "c", "m"} << QStringList{"x"} << 0;
        QTest::newRow("settings changed here win")
            << "minutes 5"
            << "minutes 9; add t" << QStringList{"a", "b", "c", "t"} << QStringList{} << 5;
        QTest::newRow("settings not changed here: the file's")
            << "add m"
            << "minutes 9" << abc + QStringList{"m"} << QStringList{} << 9;
    }
    void bothSidesChangesAreKept()
    {
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        QFETCH(QStringList, day);
        QFETCH(QStringList, otherDay);
        QFETCH(int, minutes);
        QTemporaryDir dir;
        const QString path = TerminFile::PathIn(dir.path());
        DayGrid base;
        for (const char *n : {"a", "b", "c"})
            base.AddRecord(base.Slot(Y, M, D))->Name = n;
        QVERIFY(WriteTerminBytes(path, TerminFile::Serialize(base, TSettings{})).ok);

        StoreFile file(path);
        DayGrid grid;
        TSettings settings;
        QVERIFY(file.Load(grid, settings).ok);
        apply(grid, settings, mine);
        TSettings theirsSettings;
        apply(base, theirsSettings, theirs);
        const QByteArray theirsBytes = TerminFile::Serialize(base, theirsSettings);
        QVERIFY(WriteTerminBytes(path, theirsBytes).ok);

        const SyncResult r = file.Sync(grid, settings);
        QVERIFY2(r.outcome.ok, qPrintable(r.outcome.message));
        QCOMPARE(r.brought, mine.isEmpty() ? SyncResult::Reloaded : SyncResult::Merged);
        QVERIFY(r.note.contains(QLatin1String("changed by another program")));
        QCOMPARE(namesOf(grid), day);
        QCOMPARE(namesOf(grid, Y + 1, 1, 1), otherDay);
        QCOMPARE(settings.checkMinutes, minutes);
        // Written when both changed; left as the other program wrote it
        // when only it did.
        DayGrid onDisk;
        TSettings diskSettings;
        QVERIFY(OpenTermins(path, onDisk, diskSettings).ok);
        QCOMPARE(namesOf(onDisk), day);
        QCOMPARE(r.wrote, !mine.isEmpty());
        QVERIFY(file.FileHolds(grid, settings));
        QVERIFY(!file.Sync(grid, settings).wrote);
    }

    // A read begun ahead on its own thread leaves the store as Load does,
    // and the file's later changes come in as after a Load.
    void readAheadLoadsAsLoadDoes_data()
    {
        QTest::addColumn<int>("cut");        // bytes cut off the file's end
        QTest::addColumn<bool>("otherPath"); // the read ahead was of the other file
        QTest::addColumn<QString>("mine");   // changed here before the file changes
        QTest::addColumn<bool>("century");   // an appointment in every year besides
        QTest::newRow("sound file") << 0 << false << "" << false;
        QTest::newRow("changed here too: merged") << 0 << false << "delete a; add m" << false;
        QTest::newRow("every year, changed here too: merged") << 0 << false << "delete a; add m" << true;
        QTest::newRow("damaged file: kept aside, nothing loaded") << 5 << false << "" << false;
        QTest::newRow("another file read ahead: this one read as usual") << 0 << true << "" << false;
    }
    void readAheadLoadsAsLoadDoes()
    {
        QFETCH(int, cut);
        QFETCH(bool, otherPath);
        QFETCH(QString, mine);
        QFETCH(bool, century);
        DayGrid base;
        for (const char *n : {"a", "b", "c"})
            base.AddRecord(base.Slot(Y, M, D))->Name = n;
        // Fingerprinted a year at a time, by the reading thread and the one
        // taking the read over: each year's must land at its own days, or
        // the merge below brings back what was removed here.
        for (int y = DayGrid::FirstYear; century && y <= DayGrid::LastYear; ++y)
            base.AddRecord(base.Slot(y, 12, 31))->Name = std::to_string(y);
        // [0] loaded plainly, [1] read ahead first.
        QTemporaryDir dirs[2];
        const QString paths[2] = {TerminFile::PathIn(dirs[0].path()), TerminFile::PathIn(dirs[1].path())};
        DayGrid grids[2];
        TSettings settings[2] = {{3, 0, true}, {3, 0, true}}, theirs;
        for (const QString &path : paths)
            QVERIFY(WriteTerminBytes(path, TerminFile::Serialize(base, TSettings{7, 0, false}).chopped(cut)).ok);
        StoreFile::ReadAhead(paths[otherPath ? 0 : 1], 0);
        StoreFile files[2] = {StoreFile(paths[0]), StoreFile(paths[1])};
        TerminFile::Outcome loaded[2];
        SyncResult synced[2];
        for (int i : {1, 0})
            loaded[i] = files[i].Load(grids[i], settings[i]);
        apply(base, theirs, "add t; other x");
        for (int i : {0, 1}) {
            apply(grids[i], settings[i], mine);
            for (int y = DayGrid::FirstYear; century && y <= DayGrid::LastYear; ++y)
                grids[i].RemoveRecord(grids[i].Slot(y, 12, 31), 0);
            QVERIFY(WriteTerminBytes(paths[i], TerminFile::Serialize(base, TSettings{9, 0, false})).ok);
            synced[i] = files[i].Sync(grids[i], settings[i]);
        }
        QCOMPARE(loaded[1].ok, loaded[0].ok);
        QCOMPARE(loaded[1].message.replace(paths[1], paths[0]), loaded[0].message);
        QCOMPARE(synced[1].brought, synced[0].brought);
        QCOMPARE(synced[1].wrote, synced[0].wrote);
        QCOMPARE(namesOf(grids[1]), namesOf(grids[0]));
        QCOMPARE(namesOf(grids[1], Y + 1, 1, 1), QStringList{"x"});
        QCOMPARE(TerminFile::Serialize(grids[1], settings[1]), TerminFile::Serialize(grids[0], settings[0]));
        for (int y = DayGrid::FirstYear; century && y <= DayGrid::LastYear; ++y)
            QCOMPARE(grids[1].Slot(y, 12, 31).records.Count(), 0u);
        QCOMPARE(settings[1].checkMinutes, settings[0].checkMinutes);
        QVERIFY(files[1].FileHolds(grids[1], settings[1]));
    }
};

QTEST_GUILESS_MAIN(TstStoreFile)
#include "tst_storefile.moc"
