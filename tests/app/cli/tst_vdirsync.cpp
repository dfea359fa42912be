// "kalvix sync" as a user runs it: the mistakes a person makes when giving
// the calendar folder, and the running copy keeping the folder in step by
// itself.
#include "ProgramFolder.h"

#include <QLockFile>
#include <QtTest>

#include <memory>

namespace {

// The program folder with a configuration folder of its own, as a user's
// home would have.
struct SyncFolder : Folder {
    QTemporaryDir home;
    QString vdir = home.filePath(QStringLiteral("calendar"));
    SyncFolder()
    {
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        QDir().mkpath(vdir);
    }
    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile f(QDir(vdir).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    QStringList items() const { return QDir(vdir).entryList({QStringLiteral("*.ics")}, QDir::Files); }
    QByteArray dataBytes() const
    {
        QFile f(data());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QByteArray calendarItem(const char *uid, const char *summary, const char *prodid = "-//Other//EN")
{
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:") + prodid + "\r\nBEGIN:VEVENT\r\nUID:" + uid
        + "\r\nDTSTAMP:20261201T100000Z\r\nDTSTART:20270310T083000\r\nSUMMARY:" + summary
        + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

const QStringList Add = {QStringLiteral("add"), QStringLiteral("2027-03-04"), QStringLiteral("Dentist")};

// A version as vdirsyncer hands it to its resolver; `stamps`: the lines
// saying when it was changed.
QByteArray version(const char *summary, const char *stamps)
{
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:d-1\r\n") + stamps
        + "DTSTART;TZID=Europe/Berlin:20270310T083000\r\nSUMMARY:" + summary + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

int modeOf(const QString &path)
{
    return int(QFileInfo(path).permissions()
               & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
                  | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
}
constexpr int Private = int(QFile::ReadOwner | QFile::WriteOwner);
constexpr int PrivateFolder = Private | int(QFile::ExeOwner);

} // namespace

class TestVdirSync : public QObject {
    Q_OBJECT
private slots:
    // Each mistake is named, and nothing changes: not the store, not the
    // folder, not the remembered folder.
    void mistakes_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("given"); // relative to the home folder; empty: none given
        QTest::addColumn<QString>("message");
        QTest::newRow("no folder set") << ""
                                       << ""
                                       << "no calendar folder is set";
        QTest::newRow("missing folder") << ""
                                        << "nowhere"
                                        << "does not exist";
        QTest::newRow("a file") << ""
                                << "calendar/x.ics"
                                << "is not a folder";
        QTest::newRow("folder of calendars") << ""
                                             << "."
                                             << "holds several calendars (calendar)";
        QTest::newRow("address book") << "vcf"
                                      << "calendar"
                                      << "address book";
        QTest::newRow("not iCalendar") << "junk"
                                       << "calendar"
                                       << "is not an iCalendar file";
        QTest::newRow("other people's events") << "foreign"
                                               << "calendar"
                                               << "--take-existing";
    }
    void mistakes()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, given);
        QFETCH(QString, message);
        SyncFolder f;
        QCOMPARE(f.run(Add).status, 0);
        f.put(QStringLiteral("x.ics"), calendarItem("x-1", "Team meeting"));
        if (setUp == QLatin1String("vcf")) {
            QFile::remove(QDir(f.vdir).filePath(QStringLiteral("x.ics")));
            f.put(QStringLiteral("card.vcf"), "BEGIN:VCARD\r\nEND:VCARD\r\n");
        } else if (setUp == QLatin1String("junk")) {
            f.put(QStringLiteral("y.ics"), "this is no calendar\n");
        }
        const QByteArray data = f.dataBytes();
        const QStringList items = f.items();
        QStringList args{QStringLiteral("sync")};
        if (!given.isEmpty())
            args << QStringLiteral("--vdir") << f.home.filePath(given);
        const Run r = f.run(args);
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(f.dataBytes(), data);
        QCOMPARE(f.items(), items);
        QVERIFY(!QFile::exists(f.home.filePath(QStringLiteral("config/kalvix/vdir.conf"))));
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("appointments.idx"))));
    }

    // vdirsyncer's resolver: the later change in both files, the other in
    // "conflicts", private; what cannot be read changes nothing.
    void resolveConflict_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("winner"); // empty: both stay as they were
        const QByteArray early = version("Dentist at ten", "LAST-MODIFIED:20270301T100000Z\r\n");
        const QByteArray late = version("Dentist at eleven", "LAST-MODIFIED:20270301T100006Z\r\n");
        const QByteArray sameTime = version("Dentist at noon", "LAST-MODIFIED:20270301T100000Z\r\n");
        const QByteArray stampOnly = version("Dentist at one", "DTSTAMP:20270301T100009Z\r\n");
        QTest::newRow("first later") << late << early << 0 << late;
        QTest::newRow("second later") << early << late << 0 << late;
        QTest::newRow("same second: the second") << early << sameTime << 0 << sameTime;
        QTest::newRow("DTSTAMP without LAST-MODIFIED") << stampOnly << late << 0 << stampOnly;
        QTest::newRow("the same") << early << early << 0 << QByteArray();
        QTest::newRow("not iCalendar") << early << QByteArray("<html>Not Found</html>") << 1 << QByteArray();
    }
    void resolveConflict()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(int, status);
        QFETCH(QByteArray, winner);
        SyncFolder f;
        const QString a = f.home.filePath(QStringLiteral("kalvix_local")),
                      b = f.home.filePath(QStringLiteral("kalvix_remote"));
        for (const auto &[path, bytes] : {std::pair{a, first}, std::pair{b, second}}) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        }
        const Run r = f.run({QStringLiteral("resolve-conflict"), a, b});
        QVERIFY2(r.status == status, qPrintable(r.out + r.err));
        const QDir conflicts(f.dir.filePath(QStringLiteral("conflicts")));
        const QStringList kept = conflicts.entryList(QDir::Files);
        if (winner.isEmpty()) {
            QCOMPARE(readAll(a), first);
            QCOMPARE(readAll(b), second);
            QVERIFY(kept.isEmpty());
            return;
        }
        QCOMPARE(readAll(a), winner);
        QCOMPARE(readAll(b), winner);
        QCOMPARE(kept.size(), 1);
        const QString keptPath = conflicts.filePath(kept.first());
        QCOMPARE(readAll(keptPath), winner == first ? second : first);
        QVERIFY2(r.out.contains(keptPath), qPrintable(r.out));
        QCOMPARE(modeOf(keptPath), Private);
        QCOMPARE(modeOf(conflicts.path()), PrivateFolder);
    }

    // With no copy running, a command that changes a mirrored store brings
    // the folder up to date itself; the folder's files are private.
    void commandsReachTheFolder_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("add") << QStringList{QStringLiteral("add"), QStringLiteral("2027-03-05"),
                                            QStringLiteral("Call mum")};
        QTest::newRow("import") << QStringList{QStringLiteral("import"), QStringLiteral("HOME/i.ics"),
                                               QStringLiteral("--from"), QStringLiteral("2027-01-01")};
    }
    void commandsReachTheFolder()
    {
        QFETCH(QStringList, command);
        SyncFolder f;
        QCOMPARE(f.run(Add).status, 0);
        Run r = f.run({QStringLiteral("sync"), QStringLiteral("--vdir"), f.vdir});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(f.items().size(), 1);
        QFile ics(f.home.filePath(QStringLiteral("i.ics")));
        QVERIFY(ics.open(QIODevice::WriteOnly) && ics.write(calendarItem("i-1", "Call mum")) > 0);
        ics.close();
        command.replaceInStrings(QStringLiteral("HOME"), f.home.path());
        r = f.run(command);
        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(r.out + r.err));
        QCOMPARE(f.items().size(), 2);
        QByteArray all;
        for (const QString &item : f.items()) {
            QCOMPARE(modeOf(QDir(f.vdir).filePath(item)), Private);
            all += readAll(QDir(f.vdir).filePath(item));
        }
        QVERIFY(all.contains("SUMMARY:Call mum"));
    }

    // Set once from the command line, then kept in step by the running
    // copy: its saves reach the folder within seconds, the folder's new
    // items reach its store, and "kalvix sync" is carried out by it.
    void runningCopyMirrors()
    {
        SyncFolder f;
        QCOMPARE(f.run(Add).status, 0);
        f.put(QStringLiteral("x.ics"), calendarItem("x-1", "Team meeting"));
        Run r = f.run({QStringLiteral("sync"), QStringLiteral("--vdir"), f.vdir, QStringLiteral("--take-existing")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(QLatin1String("1 added")) && r.out.contains(QLatin1String("1 written")),
                 qPrintable(r.out));

        std::unique_ptr<QProcess> window(f.start({}, true));
        QVERIFY(window->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QLockFile(f.data() + QStringLiteral(".lock")).getLockInfo(nullptr, nullptr, nullptr),
                                 60000);
        QCOMPARE(f.run({QStringLiteral("add"), QStringLiteral("2027-03-05"), QStringLiteral("Call mum")}).status, 0);
        QTRY_COMPARE_WITH_TIMEOUT(f.items().size(), 3, 30000);
        // A series through the running copy goes out as one item.
        QCOMPARE(f.run({QStringLiteral("add"), QStringLiteral("2027-03-10"), QStringLiteral("Rent"),
                        QStringLiteral("--every"), QStringLiteral("month"), QStringLiteral("--count"),
                        QStringLiteral("6")})
                     .status,
                 0);
        QTRY_COMPARE_WITH_TIMEOUT(f.items().size(), 4, 30000);

        f.put(QStringLiteral("z.ics"), calendarItem("z-1", "Lunch with Ann"));
        const QStringList list = {QStringLiteral("list"), QStringLiteral("2027-03-01"), QStringLiteral("2027-03-31")};
        QTRY_VERIFY_WITH_TIMEOUT(f.run(list).out.contains(QLatin1String("Lunch with Ann")), 30000);

        QVERIFY(QFile::remove(QDir(f.vdir).filePath(QStringLiteral("x.ics"))));
        r = f.run({QStringLiteral("sync")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY(!f.run(list).out.contains(QLatin1String("Team meeting")));
        window->terminate();
        QVERIFY(window->waitForFinished(60000));
    }
};

QTEST_GUILESS_MAIN(TestVdirSync)
#include "tst_vdirsync.moc"
