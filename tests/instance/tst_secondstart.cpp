// Starting the program while it already runs from the same folder: the
// second start leaves the data file alone and brings the first forward.
#include "Starts.h"

#include "app/CommandService.h"
#include "app/Dialogs.h"
#include "app/MainFormHarness.h"
#include "app/MainUnit.h"
#include "platform/instance/SingleInstance.h"
#include "store/TerminFile.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
constexpr int StartLimitMs = 30000;

// What a write to the file would change: saves replace it through a
// temporary file, so a new inode; an in-place write changes the times.
struct FileState {
    ino_t inode = 0;
    timespec modified{};
    QByteArray bytes;
    bool operator==(const FileState &o) const
    {
        return inode == o.inode && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec
            && bytes == o.bytes;
    }
};

FileState stateOf(const QString &path)
{
    FileState s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        s.inode = st.st_ino;
        s.modified = st.st_mtim;
    }
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        s.bytes = f.readAll();
    return s;
}

void askToShow(const QString &serverName)
{
    QLocalSocket client;
    client.connectToServer(serverName);
    QVERIFY(client.waitForConnected());
    client.write("show\n");
    QTRY_COMPARE(client.bytesAvailable(), qint64(6));
}
} // namespace

class TestSecondStart : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // No message box may wait for a user here.
        Dialogs::SetHook([](const QString &, const QString &) { return QMessageBox::Ok; });
    }
    void cleanup() { Dialogs::SetHook({}); }

    void requestBringsTheWindowForward()
    {
        QTemporaryDir dir;
        TMainForm form(dir.path());
        SingleInstance instance(form.dataPath());
        QCOMPARE(instance.claim(), SingleInstance::Role::Owner);
        connect(&instance, &SingleInstance::showRequested, &form, &TMainForm::ShowAndRaise);
        form.FormShow();

        // Hidden in the tray.
        form.hide();
        askToShow(instance.key().serverName);
        QTRY_VERIFY(form.isVisible());

        // Minimised with its own box, while "start minimized" is about to hide it.
        QTimer *startMinimized = form.findChild<QTimer *>(QStringLiteral("Timer3"));
        QVERIFY(startMinimized);
        form.showMinimized();
        startMinimized->start();
        askToShow(instance.key().serverName);
        QTRY_VERIFY(!form.isMinimized());
        QVERIFY(form.isVisible());
        QVERIFY(!startMinimized->isActive());
    }

    // "kalvix add" or "kalvix import" carried out by this copy while a
    // person types in the name editor: the list shows the new appointment,
    // and the typing goes on where it was.
    void commandFromTheShellLeavesTheTypingAlone_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("add") << QStringList{"add", "today", "18:00", "Call back"};
        QTest::newRow("import") << QStringList{"import", "call.ics"};
    }
    void commandFromTheShellLeavesTheTypingAlone()
    {
        QFETCH(QStringList, command);
        MainFormHarness h;
        const QDate today = QDate::currentDate();
        auto form = h.makeOnDay(today, QStringList{QStringLiteral("Tea")}, true);
        QVERIFY(form && showActive(*form));
        SingleInstance instance(form->dataPath());
        QCOMPARE(instance.claim(), SingleInstance::Role::Owner);
        CommandService service(*form, instance);
        clickRow(*form, 0);
        QTest::mouseClick(NameEd(*form), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClicks(QApplication::focusWidget(), " wi");

        QFile ics(h.dir.filePath(QStringLiteral("call.ics")));
        QVERIFY(ics.open(QIODevice::WriteOnly));
        ics.write(
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:1@test\r\n"
            "DTSTAMP:20260101T000000Z\r\nDTSTART:"
            + today.toString(QStringLiteral("yyyyMMdd")).toLatin1()
            + "T180000\r\nSUMMARY:Call back\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        ics.close();
        const QString program = h.dir.filePath(QStringLiteral("kalvix"));
        QVERIFY(QFile::copy(QStringLiteral(KALVIX_PROGRAM), program));
        QProcess shell;
        shell.setWorkingDirectory(h.dir.path());
        shell.start(program, command);
        QTRY_VERIFY_WITH_TIMEOUT(shell.state() == QProcess::NotRunning, StartLimitMs);
        QCOMPARE(shell.exitCode(), 0);
        QCOMPARE(listTexts(*form, 1), (QStringList{"Tea wi", "Call back"}));

        QTest::keyClicks(QApplication::focusWidget(), "th milk");
        QCOMPARE(QApplication::focusWidget(), NameEd(*form));
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("Tea with milk"));
        QCOMPARE(recordAt(*form, today.year(), today.month(), today.day(), 0).Name, std::string("Tea with milk"));
        QVERIFY(rowSelected(*form, 0));
    }

    void secondProgramStartLeavesTheFileAlone()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("kalvix"));
        QVERIFY(QFile::copy(QStringLiteral(KALVIX_PROGRAM), program));
        const QString data = TerminFile::PathIn(dir.path());
        {
            const DayGrid empty;
            QVERIFY(SaveTermins(data, empty, TSettings()).ok);
        }
        const QString lock = InstanceKey::For(data).lockPath;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

        // Killed copies leave their socket in the temp folder.
        struct RemoveSocket {
            QString name;
            ~RemoveSocket() { QLocalServer::removeServer(name); }
        } removeSocket{InstanceKey::For(data).serverName};

        Start first(program, {}, env);
        QTRY_COMPARE_WITH_TIMEOUT(LockHolder(lock), first.pid(), StartLimitMs);
        const FileState before = stateOf(data);
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);

        Start second(program, {}, env);
        QVERIFY(second.finish());
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(first.running());
        QVERIFY(stateOf(data) == before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
        QCOMPARE(LockHolder(lock), first.pid());

        // A crash of the first leaves its lock file; the next start runs
        // without anyone removing it.
        first.process().kill();
        QVERIFY(first.finish());
        QVERIFY(QFile::exists(lock));
        Start third(program, {}, env);
        QTRY_COMPARE_WITH_TIMEOUT(LockHolder(lock), third.pid(), StartLimitMs);
        QVERIFY(third.running());
    }
};

QTEST_MAIN(TestSecondStart)
#include "tst_secondstart.moc"
