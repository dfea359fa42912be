// The real program run as a command, from its own folder as a user has it:
// exit statuses, the file it leaves, and many commands at once with and
// without a running copy.
#include "ProgramFolder.h"

#include <QLockFile>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A small memory file system mounted in `dir` (as root), gone on the way out.
class SmallDisk {
public:
    explicit SmallDisk(const QString &dir) : dir_(QFile::encodeName(dir))
    {
        mounted_ = ::mount("kalvix-test", dir_.constData(), "tmpfs", 0, "size=64k") == 0;
        if (!mounted_)
            error_ = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(dir_.constData(), MNT_DETACH);
    }
    bool mounted_ = false;
    QString error_;

private:
    QByteArray dir_;
};

const QDate Day(2027, 6, 15);
constexpr int Commands = 12;

// Starts `Commands` adds at once and waits for all of them.
void addManyAtOnce(const Folder &f)
{
    std::vector<std::unique_ptr<QProcess>> adds;
    for (int i = 0; i < Commands; ++i)
        adds.emplace_back(
            f.start({QStringLiteral("add"), Day.toString(Qt::ISODate), QStringLiteral("Meeting %1").arg(i)}));
    for (auto &p : adds) {
        QVERIFY(p->waitForFinished(120000));
        QCOMPARE(p->exitCode(), 0);
    }
}

// `count` appointments on days of 2030.
QByteArray storeOf(int count)
{
    DayGrid grid;
    for (int i = 0; i < count; ++i)
        grid.AddRecord(grid.Slot(2030, 1 + i % 12, 1 + i % 28))->Name = "kept " + std::to_string(i);
    return TerminFile::Serialize(grid, TSettings{});
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int storedIn(const Folder &f)
{
    DayGrid grid;
    TSettings s;
    return OpenTermins(f.data(), grid, s).ok ? int(grid.RecordCount()) : -1;
}

const QStringList List2030{QStringLiteral("list"), QStringLiteral("2030-01-01"), QStringLiteral("2030-12-31")};
const QStringList Add2030{QStringLiteral("add"), QStringLiteral("2030-06-30"), QStringLiteral("Dentist")};

} // namespace

class TestCommandProcesses : public QObject {
    Q_OBJECT
private slots:
    void helpVersionAndMistakesTouchNothing()
    {
        Folder f;
        Run r = f.run({QStringLiteral("--version")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith(QLatin1String("kalvix ")));
        r = f.run({QStringLiteral("--help")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains(QLatin1String("kalvix add DATE")));

        for (const QStringList &bad :
             {QStringList{QStringLiteral("--bogus")},
              QStringList{QStringLiteral("add"), QStringLiteral("2026-02-30"), QStringLiteral("x")},
              QStringList{QStringLiteral("add"), QStringLiteral("today"), QStringLiteral("24:00"), QStringLiteral("x")},
              QStringList{QStringLiteral("list"), QStringLiteral("1999-12-31")}}) {
            r = f.run(bad);
            QCOMPARE(r.status, 2);
            QVERIFY(r.out.isEmpty());
            const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY2(lines.size() >= 2 && lines[0].startsWith(QLatin1String("kalvix: "))
                         && lines[1].startsWith(QLatin1String("Usage:")),
                     qPrintable(r.err));
        }
        QCOMPARE(f.entries(), QStringList{QStringLiteral("kalvix")});
    }

    void addThenListWithoutDisplay()
    {
        Folder f;
        QCOMPARE(f.run({QStringLiteral("list"), QStringLiteral("2027-01-01")}).out, QString()); // nothing stored yet
        Run r = f.run({QStringLiteral("add"), QStringLiteral("2027-01-31"), QStringLiteral("9:15"),
                       QStringLiteral("Rent \u20ac"), QStringLiteral("--every"), QStringLiteral("month"),
                       QStringLiteral("--count"), QStringLiteral("3")});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(f.data()), qPrintable(r.out)); // names the file it wrote
        r = f.run({QStringLiteral("list"), QStringLiteral("2027-01-01"), QStringLiteral("2027-12-31"),
                   QStringLiteral("--format=tsv")});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].startsWith(QStringLiteral("2027-02-28\t09:15:00\tRent \u20ac\t")));
        // The lock is let go and no temporary file stays behind.
        QCOMPARE(f.entries(), (QStringList{QStringLiteral("appointments.dat"), QStringLiteral("kalvix")}));
    }

    void unreadableFileIsKeptAndNothingChanges()
    {
        Folder f;
        QFile data(f.data());
        QVERIFY(data.open(QIODevice::WriteOnly));
        data.write("not an appointment file");
        data.close();
        for (const QString &cmd : {QStringLiteral("add"), QStringLiteral("list")}) {
            const Run r = f.run(cmd == QLatin1String("add")
                                    ? QStringList{cmd, QStringLiteral("today"), QStringLiteral("x")}
                                    : QStringList{cmd});
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains(f.data()), qPrintable(r.err));
        }
        QVERIFY(data.open(QIODevice::ReadOnly));
        QCOMPARE(data.readAll(), QByteArray("not an appointment file"));
        QVERIFY(QFile::exists(f.data() + QStringLiteral(".bad")));
    }

    // What a command says and the status it ends with: 2 for a mistake on
    // the command line, 1 when nothing was changed, with what helps.
    void commandsSayWhatWentWrong_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("a time with a minus sign") << QString() << QStringList{"add", "2027-01-01", "-1:00", "X"} << 2
                                                  << QStringList{"\"-1:00\" is not a time of day"};
        QTest::newRow("a number with a minus sign")
            << QString() << QStringList{"add", "2027-01-01", "-5", "X"} << 2 << QStringList{"no minus sign"};
        QTest::newRow("tsv: a NUL in a name, a lead time beyond any date")
            << "odd values" << QStringList{"list", "2027-01-01", "--format", "tsv"} << 0
            << QStringList{"\tHalf\\0hidden\t", "\t5000000000d\t1d\t"};
        QTest::newRow("a file of another user, read-only to this one")
            << "owned by root" << QStringList{"add", "2027-01-01", "X"} << 1
            << QStringList{"belongs to the user root", "cp \""};
    }
    void commandsSayWhatWentWrong()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, said);
        Folder f;
        DayGrid grid;
        TTermin *t = grid.AddRecord(grid.Slot(2027, 1, 1));
        t->Name = TText::View("Half\0hidden", 11);
        t->FirstRemind = 5e9;
        t->RepeatInterval = 1;
        QVERIFY(SaveTermins(f.data(), grid, TSettings()).ok);
        if (setup == QLatin1String("owned by root")) {
            QVERIFY(::chmod(QFile::encodeName(f.dir.path()).constData(), 0777) == 0);
            if (::geteuid() != 0 || !SecondUserCanRun(f.exe))
                QSKIP("needs root to act as a second user");
            f.secondUser = true;
            QVERIFY(::chmod(QFile::encodeName(f.data()).constData(), 0644) == 0);
            f.env.insert(QStringLiteral("HOME"), f.dir.path());
        }
        const QByteArray before = readAll(f.data());
        const Run r = f.run(args);
        QCOMPARE(r.status, status);
        for (const QString &text : said)
            QVERIFY2((r.out + r.err).contains(text), qPrintable(r.out + r.err));
        if (status != 0)
            QCOMPARE(readAll(f.data()), before);
    }

    void exportImportRoundTripOnceOnly()
    {
        Folder from, to;
        QCOMPARE(from.run({QStringLiteral("add"), QStringLiteral("2027-01-31"), QStringLiteral("07:45"),
                           QStringLiteral("Caf\u00e9 \u20ac"), QStringLiteral("-d"), QStringLiteral("two\nlines"),
                           QStringLiteral("--first"), QStringLiteral("1d2h30m"), QStringLiteral("--every"),
                           QStringLiteral("month"), QStringLiteral("--count"), QStringLiteral("3")})
                     .status,
                 0);
        const QString ics = from.dir.filePath(QStringLiteral("out.ics"));
        QCOMPARE(from.run({QStringLiteral("export"), ics}).status, 0);
        const QStringList all{QStringLiteral("list"), QStringLiteral("2000-01-01"), QStringLiteral("2100-12-31"),
                              QStringLiteral("--format"), QStringLiteral("tsv")};

        // A dry run and a broken file change nothing.
        Run r = to.run({QStringLiteral("import"), ics, QStringLiteral("--dry-run")});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(QLatin1String("added 3")), qPrintable(r.out));
        QVERIFY(!QFile::exists(to.data()));
        QFile broken(to.dir.filePath(QStringLiteral("broken.ics")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        QFile source(ics);
        QVERIFY(source.open(QIODevice::ReadOnly));
        broken.write(source.readAll().chopped(40)); // cut off
        broken.close();
        r = to.run({QStringLiteral("import"), broken.fileName()});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QLatin1String("nothing was imported")), qPrintable(r.err));
        QVERIFY(!QFile::exists(to.data()));

        r = to.run({QStringLiteral("import"), ics});
        QCOMPARE(r.status, 0);
        QCOMPARE(to.run(all).out, from.run(all).out);
        // The same file again adds nothing.
        r = to.run({QStringLiteral("import"), ics});
        QVERIFY2(r.out.contains(QLatin1String("added 0, already present 3")), qPrintable(r.out));
        QCOMPARE(to.run(all).out.count(QLatin1Char('\n')), 3);
    }

    // A file whose events occur more often than one import takes is refused
    // at once, and the store is not touched; the limit is in the help.
    void importBeyondItsLimitChangesNothing()
    {
        Folder f;
        QFile ics(f.dir.filePath(QStringLiteral("every-second.ics")));
        QVERIFY(ics.open(QIODevice::WriteOnly));
        ics.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\n");
        for (int i = 0; i < 1000; ++i)
            ics.write(
                QStringLiteral("BEGIN:VEVENT\r\nUID:%1@t\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261201T100000\r\n"
                               "RRULE:FREQ=SECONDLY\r\nSUMMARY:s\r\nEND:VEVENT\r\n")
                    .arg(i)
                    .toLatin1());
        ics.write("END:VCALENDAR\r\n");
        ics.close();
        const Run r = f.run({QStringLiteral("import"), ics.fileName()});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QLatin1String("more than 2,000,000"))
                     && r.err.contains(QLatin1String("nothing was "
                                                     "imported")),
                 qPrintable(r.err));
        QVERIFY(!QFile::exists(f.data()));
        QVERIFY(f.run({QStringLiteral("import"), QStringLiteral("--help")}).out.contains(QLatin1String("2,000,000")));
    }

    // Output that could not be written whole is a failure with the system's
    // reason, and an exported file is whole or not there.
    void failedWritesSayWhy_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("toStandardOutput");
        QTest::addColumn<bool>("onSmallDisk");
        const QStringList list{QStringLiteral("list"), QStringLiteral("2027-01-01"), QStringLiteral("2031-12-31")};
        const QStringList toStdout{QStringLiteral("export"), QStringLiteral("-")};
        QTest::newRow("export to /dev/full")
            << QStringList{QStringLiteral("export"), QStringLiteral("/dev/full")} << false << false;
        QTest::newRow("export - > /dev/full") << toStdout << true << false;
        QTest::newRow("list > /dev/full") << list << true << false;
        QTest::newRow("export FILE on a full disk") << QStringList{QStringLiteral("export")} << false << true;
        QTest::newRow("export - > FILE on a full disk") << toStdout << true << true;
        QTest::newRow("list > FILE on a full disk") << list << true << true;
    }
    void failedWritesSayWhy()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, toStandardOutput);
        QFETCH(bool, onSmallDisk);
        Folder f;
        QCOMPARE(f.run({QStringLiteral("add"), QStringLiteral("2027-01-01"), QStringLiteral("Daily"),
                        QStringLiteral("--every"), QStringLiteral("day"), QStringLiteral("--count"),
                        QStringLiteral("1500")})
                     .status,
                 0);
        QTemporaryDir mountPoint;
        std::unique_ptr<SmallDisk> disk;
        QString target = QStringLiteral("/dev/full");
        if (onSmallDisk) {
            disk = std::make_unique<SmallDisk>(mountPoint.path());
            if (!disk->mounted_)
                QSKIP(qPrintable(QStringLiteral("cannot mount a small file system here (%1)").arg(disk->error_)));
            target = mountPoint.filePath(QStringLiteral("out"));
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the file from before\n");
        }
        if (!toStandardOutput && onSmallDisk)
            args << target;
        const Run r = f.run(args, toStandardOutput ? target : QString());
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QLatin1String("No space left on device")), qPrintable(r.err));
        QVERIFY2(!r.out.contains(QLatin1String("Exported")), qPrintable(r.out));
        // Written through, never replaced by a file renamed over it.
        QVERIFY2(!QFileInfo(QStringLiteral("/dev/full")).isFile(), "/dev/full was replaced by a plain file");
        if (onSmallDisk && !toStandardOutput) {
            QCOMPARE(QDir(mountPoint.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out")});
            QFile old(target);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("the file from before\n"));
        }
    }

    void listWritesEveryBreakAsItIs()
    {
        Folder f;
        DayGrid grid;
        TTermin *t = grid.AddRecord(grid.Slot(2027, 1, 1));
        t->Name = "x";
        t->Description = "a\rb\nc\r\nd"; // as the window may have stored it
        QVERIFY(SaveTermins(f.data(), grid, TSettings()).ok);
        const Run r = f.run(
            {QStringLiteral("list"), QStringLiteral("2027-01-01"), QStringLiteral("--format"), QStringLiteral("tsv")});
        QVERIFY2(r.out.trimmed().endsWith(QLatin1String("\ta\\rb\\nc\\nd")), qPrintable(r.out));
    }

    void concurrentAddsWithoutRunningCopy()
    {
        Folder f;
        addManyAtOnce(f);
        QCOMPARE(f.stored(Day), Commands);
    }

    void concurrentAddsThroughRunningCopy()
    {
        Folder f;
        std::unique_ptr<QProcess> window(f.start({}, true));
        QVERIFY(window->waitForStarted());
        // Once the window's copy holds the lock, commands go through it.
        QTRY_VERIFY_WITH_TIMEOUT(QLockFile(f.data() + QStringLiteral(".lock")).getLockInfo(nullptr, nullptr, nullptr),
                                 60000);
        addManyAtOnce(f);
        const Run r = f.run({QStringLiteral("list"), Day.toString(Qt::ISODate), Day.toString(Qt::ISODate)});
        QCOMPARE(r.out.count(QLatin1Char('\n')), Commands);
        // Written at once: nothing is lost even when the copy dies now.
        ::kill(pid_t(window->processId()), SIGKILL);
        QVERIFY(window->waitForFinished());
        QCOMPARE(f.stored(Day), Commands);
    }

    // A file with two names, cut by kill -9 while it was rewritten in
    // place: both names hold the cut file, ".previous" the whole one. The
    // command starts the way the window does.
    void aCutInPlaceSaveIsRecoveredByTheCommandsToo()
    {
        Folder f;
        const QByteArray fifty = storeOf(50);
        QVERIFY(WriteTerminBytes(f.data(), fifty).ok);
        QVERIFY(::link(QFile::encodeName(f.data()).constData(),
                       QFile::encodeName(f.dir.filePath(QStringLiteral("backup-link.dat"))).constData())
                == 0);
        QVERIFY(WriteTerminBytes(f.data() + QStringLiteral(".previous"), fifty).ok);
        QVERIFY(::truncate(QFile::encodeName(f.data()).constData(), 4096) == 0);

        Run r = f.run(List2030);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains(QLatin1String(".previous")), qPrintable(r.err));
        QCOMPARE(r.out.count(QLatin1Char('\n')), 50);
        r = f.run(Add2030);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(storedIn(f), 51);
        QCOMPARE(QFileInfo(f.dir.filePath(QStringLiteral("backup-link.dat"))).size(), QFileInfo(f.data()).size());
        r = f.run(List2030);
        QCOMPARE(r.out.count(QLatin1Char('\n')), 51);
    }
};

QTEST_GUILESS_MAIN(TestCommandProcesses)
#include "tst_commandprocesses.moc"
