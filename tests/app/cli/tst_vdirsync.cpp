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

    // Without a running copy, a command that changes a mirrored store
    // brings the folder in step itself: nothing waits for a later sync.
    void commandsMirrorWithoutARunningCopy()
    {
        SyncFolder f;
        QCOMPARE(f.run(Add).status, 0);
        QCOMPARE(f.run({QStringLiteral("sync"), QStringLiteral("--vdir"), f.vdir}).status, 0);
        QCOMPARE(f.items().size(), 1);
        QCOMPARE(f.run({QStringLiteral("add"), QStringLiteral("2027-03-05"), QStringLiteral("Call mum")}).status, 0);
        QCOMPARE(f.items().size(), 2);
        const QString ics = f.home.filePath(QStringLiteral("in.ics"));
        QFile in(ics);
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(calendarItem("in-1", "Imported")) > 0);
        in.close();
        const Run r = f.run({QStringLiteral("import"), ics});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(f.items().size(), 3);
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
