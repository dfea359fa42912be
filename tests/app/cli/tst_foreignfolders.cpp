// Folders the user did not make: a program folder the user cannot write
// that holds the appointments, a socket folder somebody else made first, a
// folder where the lock goes, and a start still showing its message. The
// real program, as root acting as the user "nobody" where that matters.
#include "ProgramFolder.h"

#include "store/DayGrid.h"

#include <QLockFile>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QDate Day(2027, 6, 15);
const QStringList ListAll{QStringLiteral("list"), QStringLiteral("2000-01-01"), QStringLiteral("2100-12-31"),
                          QStringLiteral("--format=tsv")};

QByteArray fileWith(int appointments)
{
    DayGrid grid;
    for (int i = 0; i < appointments; ++i)
        grid.AddRecord(grid.Slot(2027, 7, 1 + i % 28))->Name = "Visit";
    return TerminFile::Serialize(grid, TSettings());
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The program's folder as a system-wide installation has it: the user may
// read it but not write into it. As root the folder stays root's and the
// program runs as "nobody", with a home of its own.
void readOnlyProgram(Folder &f, const QString &home)
{
    QDir().mkpath(home);
    QVERIFY(::chmod(QFile::encodeName(QFileInfo(home).path()).constData(), 0755) == 0);
    if (::geteuid() == 0) {
        f.secondUser = true;
        QVERIFY(::chmod(QFile::encodeName(f.dir.path()).constData(), 0755) == 0);
        QVERIFY(::chown(QFile::encodeName(home).constData(), Nobody, Nobody) == 0);
    } else {
        QVERIFY(::chmod(QFile::encodeName(f.dir.path()).constData(), 0555) == 0);
    }
    f.env.insert(QStringLiteral("HOME"), home);
    f.env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
}

// Waits until a copy of the program holds the lock of `data`.
bool running(const QString &data)
{
    return QTest::qWaitFor(
        [&] { return QLockFile(data + QStringLiteral(".lock")).getLockInfo(nullptr, nullptr, nullptr); }, 60000);
}

} // namespace

class TestForeignFolders : public QObject {
    Q_OBJECT
private slots:
    void readOnlyProgramFolderKeepsItsAppointments_data()
    {
        QTest::addColumn<bool>("emptyStoreThere");
        QTest::newRow("first start") << false;
        // Left by a start that overlooked the program folder's file.
        QTest::newRow("an empty store in the user's folder") << true;
    }

    void readOnlyProgramFolderKeepsItsAppointments()
    {
        QFETCH(bool, emptyStoreThere);
        Folder f;
        const QByteArray fifty = fileWith(50);
        QVERIFY(writeFile(f.data(), fifty));
        QTemporaryDir homes;
        const QString home = homes.filePath(QStringLiteral("user"));
        const QString own = home + QStringLiteral("/data/kalvix/appointments.dat");
        if (emptyStoreThere) {
            QVERIFY(QDir().mkpath(QFileInfo(own).path()) && writeFile(own, fileWith(0)));
            QVERIFY(
                ::geteuid() != 0
                || QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("nobody:"), home})
                    == 0);
        }
        readOnlyProgram(f, home);
        if (f.secondUser && !SecondUserCanRun(f.exe))
            QSKIP("the user nobody cannot run the program here: a folder above it is closed to other users");

        // The window finds the file, works on a copy of its own and says so
        // once, naming both files.
        std::unique_ptr<QProcess> window(f.start({}, true));
        QVERIFY(running(own));
        QString said;
        QVERIFY(QTest::qWaitFor(
            [&] {
                said += QString::fromUtf8(window->readAllStandardError());
                return said.contains(own);
            },
            60000));
        QVERIFY2(said.contains(f.data()), qPrintable(said));
        // The command line sees the same store (through the window), and
        // has nothing more to tell.
        Run r = f.run(ListAll);
        QCOMPARE(r.out.count(QLatin1Char('\n')), 50);
        QCOMPARE(r.err, QString());
        QCOMPARE(f.run({QStringLiteral("add"), Day.toString(Qt::ISODate), QStringLiteral("x")}).status, 0);
        window->terminate();
        QVERIFY(window->waitForFinished(60000));

        // Saved to the copy; the program folder's file is left as it was.
        r = f.run(ListAll);
        QCOMPARE(r.out.count(QLatin1Char('\n')), 51);
        QCOMPARE(r.err, QString());
        QFile original(f.data());
        QVERIFY(original.open(QIODevice::ReadOnly));
        QVERIFY(original.readAll() == fifty);
    }

    void commandsSayWhatStandsInTheWay_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("socket folder made by somebody else")
            << QStringLiteral("socket folder") << 0 << QStringLiteral("somebody else");
        QTest::newRow("a folder where the lock goes")
            << QStringLiteral("lock folder") << 1 << QStringLiteral("is a folder, but Kalvix keeps its lock");
        QTest::newRow("the start's message still open")
            << QStringLiteral("start message") << 1 << QStringLiteral("waiting: the running copy is still starting");
    }

    void commandsSayWhatStandsInTheWay()
    {
        QFETCH(QString, obstacle);
        QFETCH(int, status);
        QFETCH(QString, said);
        Folder f;
        QTemporaryDir tmp;
        QVERIFY(::chmod(QFile::encodeName(tmp.path()).constData(), 01777) == 0);
        f.env.insert(QStringLiteral("TMPDIR"), tmp.path());
        f.env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        const QStringList add{QStringLiteral("add"), Day.toString(Qt::ISODate), QStringLiteral("x")};
        std::unique_ptr<QProcess> window;
        if (obstacle == QLatin1String("lock folder")) {
            QVERIFY(QDir().mkdir(f.data() + QStringLiteral(".lock")));
        } else {
            if (obstacle == QLatin1String("socket folder")) {
                // Open to everybody; as root, also another user's.
                const QByteArray prepared = QFile::encodeName(
                    tmp.filePath(QStringLiteral("kalvix-%1").arg(::geteuid())));
                QVERIFY(::mkdir(prepared.constData(), 0777) == 0 && ::chmod(prepared.constData(), 0777) == 0);
                QVERIFY(::geteuid() != 0 || ::chown(prepared.constData(), Nobody, Nobody) == 0);
            } else {
                QVERIFY(writeFile(f.data(), "not an appointment file")); // the start reports it in a box
            }
            window.reset(f.start({}, true));
            QVERIFY(running(f.data()));
        }

        std::unique_ptr<QProcess> command(f.start(add));
        QString err;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         err += QString::fromUtf8(command->readAllStandardError());
                         return err.contains(said);
                     },
                     60000),
                 qPrintable(err));
        if (obstacle == QLatin1String("start message"))
            window->terminate(); // the box gives way; the command goes on alone
        QVERIFY(command->state() == QProcess::NotRunning || command->waitForFinished(60000));
        err += QString::fromUtf8(command->readAllStandardError());
        QCOMPARE(command->exitCode(), status);
        QVERIFY2(!err.contains(QLatin1String("does not answer")) && !err.contains(QLatin1String("Invalid name")),
                 qPrintable(err));
        if (obstacle == QLatin1String("socket folder")) {
            // Reachable all the same: a second start hands over to it.
            std::unique_ptr<QProcess> second(f.start({}, true));
            QVERIFY(second->waitForFinished(60000));
            QCOMPARE(second->exitCode(), 0);
            QVERIFY(window->state() == QProcess::Running);
        }
        if (window) {
            window->terminate();
            QVERIFY(window->state() == QProcess::NotRunning || window->waitForFinished(60000));
        }
    }
};

QTEST_GUILESS_MAIN(TestForeignFolders)
#include "tst_foreignfolders.moc"
