// What is at the data file's path decides how it is read and written: an
// unreadable file is never written over, a symbolic link is written
// through, hard links keep one file, permissions and owner stay, a
// read-only file is refused, and a FIFO or device never blocks the start.
#include "SecondUser.h"
#include "store/SaveIo.h"
#include "store/StoreFile.h"
#include "store/TerminFile.h"

#include "../reliability/FailingSaveIo.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// `count` appointments spread over the days of 2030, settings 5 min 7 s.
QByteArray storeOf(int count, const char *prefix = "file")
{
    DayGrid grid;
    for (int i = 0; i < count; ++i)
        grid.AddRecord(grid.Slot(2030, 1 + i % 12, 1 + i % 28))->Name = std::string(prefix) + std::to_string(i);
    return TerminFile::Serialize(grid, TSettings{5, 7, false});
}

struct stat statOf(const QString &path, bool follow = true)
{
    struct stat st = {};
    const QByteArray p = QFile::encodeName(path);
    follow ? ::stat(p.constData(), &st) : ::lstat(p.constData(), &st);
    return st;
}

QStringList namesOf(const DayGrid &grid, int y, int m, int d)
{
    QStringList names;
    const TTerminDay &slot = grid.Slot(y, m, d);
    for (uint32_t i = 0; i < slot.records.Count(); ++i)
        names << QString::fromStdString(slot.records.At(i).Name);
    return names;
}

} // namespace

class TstFileSafety : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        QVERIFY(second_user::OpenToSecondUser(dir_->path()));
        path_ = TerminFile::PathIn(dir_->path());
    }

    // ----- a file that cannot be read

    void anUnreadableFileIsReportedAndJoinsOnceReadable()
    {
        const QByteArray fifty = storeOf(50);
        QVERIFY(WriteTerminBytes(path_, fifty).ok);
        second_user::Guard as(path_);
        QVERIFY(as.ok());

        DayGrid grid;
        TSettings settings;
        StoreFile file(path_);
        const TerminFile::Outcome o = file.Load(grid, settings);
        QVERIFY(!o.ok);
        QVERIFY(o.unread);
        QVERIFY2(o.message.contains(QLatin1String("could not open")) && o.message.contains(path_)
                     && o.message.contains(QLatin1String("Nothing will be saved over it")),
                 qPrintable(o.message));
        QVERIFY(!o.message.contains(QLatin1String("left as it is")));
        QCOMPARE(grid.RecordCount(), size_t(0));
        QVERIFY(!file.FileRead());

        // The user goes on meanwhile: one new appointment on a day the file
        // also uses, one on a day of its own. No save writes over the file.
        grid.AddRecord(grid.Slot(2030, 1, 1))->Name = "mine";
        grid.AddRecord(grid.Slot(2031, 3, 3))->Name = "mine too";
        const SyncResult refused = file.Sync(grid, settings);
        QVERIFY(!refused.outcome.ok && refused.outcome.unread && !refused.wrote);
        as.grantRead();
        const SyncResult r = file.Sync(grid, settings);
        QVERIFY2(r.brought == SyncResult::Merged && r.wrote, qPrintable(r.outcome.message));
        QCOMPARE(grid.RecordCount(), size_t(52));
        QCOMPARE(namesOf(grid, 2030, 1, 1), (QStringList{"file0", "mine"}));
        QCOMPARE(namesOf(grid, 2031, 3, 3), QStringList{"mine too"});
        QCOMPARE(settings, (TSettings{5, 7, false}));
        QCOMPARE(readAll(path_), TerminFile::Serialize(grid, settings));
    }

    void aFileMovedAwayNeedsNoMoreProtection()
    {
        QVERIFY(WriteTerminBytes(path_, storeOf(3)).ok);
        second_user::Guard as(path_);
        DayGrid grid;
        TSettings settings;
        StoreFile file(path_);
        QVERIFY(file.Load(grid, settings).unread);
        as.end();
        QVERIFY(QFile::rename(path_, path_ + QStringLiteral(".mine")));
        QVERIFY(file.Sync(grid, settings).wrote);
    }

    // A damaged file whose copy cannot be written (the folder refuses) is
    // protected like an unreadable one, and says so.
    void aDamagedFileWithoutACopyIsProtected()
    {
        const QByteArray damaged = storeOf(20).left(100000);
        QVERIFY(reliability_write(path_, damaged));
        QVERIFY(::chmod(QFile::encodeName(dir_->path()).constData(), second_user::IsRoot() ? 0755 : 0555) == 0);
        if (!second_user::Reaches(dir_->path()))
            QSKIP("the second user cannot reach the test's folder to read the damaged file");
        second_user::Guard as; // root's folder is closed to the second user
        DayGrid grid;
        TSettings settings;
        StoreFile file(path_);
        const TerminFile::Outcome o = file.Load(grid, settings);
        QVERIFY(!o.ok);
        QVERIFY(o.unread);
        QVERIFY(o.keptCopy.isEmpty());
        QVERIFY2(o.message.contains(QLatin1String("a copy of it could not be kept"))
                     && o.message.contains(QLatin1String(".bad")),
                 qPrintable(o.message));
        QVERIFY(file.Sync(grid, settings).outcome.unread);
        as.end();

        // Damaged long ago, not in the middle of being written.
        {
            QFile f(path_);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        QVERIFY(second_user::OpenToSecondUser(dir_->path()));
        const SyncResult r = file.Sync(grid, settings);
        QVERIFY2(r.wrote, qPrintable(r.outcome.message));
        QCOMPARE(readAll(path_ + QStringLiteral(".bad")), damaged);
        QVERIFY(r.note.contains(path_ + QStringLiteral(".bad")));
    }

    // ----- links, permissions, read-only files

    void aSymbolicLinkIsWrittenThrough()
    {
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("real.dat"));
        QVERIFY(WriteTerminBytes(target, storeOf(1)).ok);
        QVERIFY(
            QFile::link(QStringLiteral("../") + QFileInfo(elsewhere.path()).fileName() + QStringLiteral("/real.dat"),
                        path_)
            || QFile::link(target, path_));
        const QByteArray next = storeOf(4);
        QVERIFY(WriteTerminBytes(path_, next).ok);
        QVERIFY(QFileInfo(path_).isSymLink());
        QCOMPARE(readAll(target), next);
        QVERIFY(!QFile::exists(path_ + QStringLiteral(".saving")));
        QVERIFY(QDir(dir_->path()).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::System).size() == 1);

        // A link to a file not there yet creates the file, the link stays.
        QVERIFY(QFile::remove(target));
        QVERIFY(WriteTerminBytes(path_, next).ok);
        QVERIFY(QFileInfo(path_).isSymLink());
        QCOMPARE(readAll(target), next);
    }

    void permissionsAndOwnerAreKept()
    {
        QVERIFY(WriteTerminBytes(path_, storeOf(1)).ok);
        QVERIFY(::chmod(QFile::encodeName(path_).constData(), 0600) == 0);
        if (second_user::IsRoot())
            QVERIFY(::chown(QFile::encodeName(path_).constData(), second_user::Nobody, second_user::Nobody) == 0);
        const struct stat before = statOf(path_);
        QVERIFY(WriteTerminBytes(path_, storeOf(2)).ok);
        const struct stat after = statOf(path_);
        QVERIFY(after.st_ino != before.st_ino); // really replaced
        QCOMPARE(after.st_mode & 07777, mode_t(0600));
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);

        // Appointments are private: a first file is its owner's alone.
        const QString fresh = dir_->filePath(QStringLiteral("fresh.dat"));
        QVERIFY(WriteTerminBytes(fresh, storeOf(1)).ok);
        QCOMPARE(statOf(fresh).st_mode & 07777, mode_t(0600));
    }

    // Whoever may write the folder plants something at the name of a file
    // a save writes beside the data file. The save replaces it or makes its
    // own anew; the thing planted is never written into, and what the save
    // leaves is a plain file for its owner alone.
    void sideFilesAreNeverWrittenThrough_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("planted");
        QTest::addColumn<QString>("written"); // the file the action leaves there
        const QStringList kinds{"symlink", "hard link", "FIFO"};
        const QList<QPair<QString, QString>> names{
            {"appointments.dat.saving", "appointments.dat"},
            {"appointments.dat.bad.saving", "appointments.dat.bad"},
            {"appointments.dat.previous", "appointments.dat"},
            {"appointments.idx", "appointments.idx"},
        };
        for (const auto &n : names)
            for (const QString &k : kinds)
                QTest::newRow(qPrintable(n.first + QLatin1Char(' ') + k)) << n.first << k << n.second;
    }

    void sideFilesAreNeverWrittenThrough()
    {
        QFETCH(QString, name);
        QFETCH(QString, planted);
        QFETCH(QString, written);
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim"));
        QVERIFY(reliability_write(victim, "not yours"));
        const QByteArray at = QFile::encodeName(dir_->filePath(name));
        const QByteArray victimName = QFile::encodeName(victim);
        if (planted == QLatin1String("symlink"))
            QVERIFY(::symlink(victimName.constData(), at.constData()) == 0);
        else if (planted == QLatin1String("hard link"))
            QVERIFY(::link(victimName.constData(), at.constData()) == 0);
        else
            QVERIFY(::mkfifo(at.constData(), 0644) == 0);

        const QByteArray next = storeOf(3);
        if (name.contains(QLatin1String(".bad"))) {
            QVERIFY(reliability_write(path_, next.left(next.size() - 5)));
            DayGrid grid;
            TSettings settings;
            QVERIFY(!OpenTermins(path_, grid, settings).keptCopy.isEmpty());
        } else if (name.endsWith(QLatin1String(".previous"))) {
            // A file with a second name is rewritten in place; its copy
            // from before goes to ".previous".
            QVERIFY(WriteTerminBytes(path_, storeOf(1)).ok);
            const QByteArray other = QFile::encodeName(dir_->filePath(QStringLiteral("second-name.dat")));
            QVERIFY(::link(QFile::encodeName(path_).constData(), other.constData()) == 0);
            QVERIFY(WriteTerminBytes(path_, next).ok);
        } else if (name.endsWith(QLatin1String(".idx"))) {
            QVERIFY(WriteSideFile(dir_->filePath(name), next).ok);
        } else {
            QVERIFY(WriteTerminBytes(path_, next).ok);
        }

        QCOMPARE(readAll(victim), QByteArray("not yours"));
        const struct stat result = statOf(dir_->filePath(written), false);
        QVERIFY(S_ISREG(result.st_mode));
        QCOMPARE(result.st_mode & 07777, mode_t(0600));
        QVERIFY(!QFileInfo(path_).isSymLink());
    }

    void hardLinksStayOneFile()
    {
        const QByteArray old = storeOf(6);
        QVERIFY(WriteTerminBytes(path_, old).ok);
        const QString other = dir_->filePath(QStringLiteral("other-name.dat"));
        QVERIFY(::link(QFile::encodeName(path_).constData(), QFile::encodeName(other).constData()) == 0);
        const ino_t inode = statOf(path_).st_ino;

        const QByteArray next = storeOf(9);
        QVERIFY(WriteTerminBytes(path_, next).ok);
        QCOMPARE(statOf(path_).st_ino, inode);
        QCOMPARE(statOf(path_).st_nlink, nlink_t(2));
        QCOMPARE(readAll(other), next);
        QVERIFY(!QFile::exists(path_ + QStringLiteral(".previous")));

        // A save cut short in the middle of rewriting: the file from before
        // is kept beside it and is what the next start loads.
        FailingSaveIo io(4, FailingSaveIo::Mode::Full, 4096);
        const TerminFile::Outcome cut = WriteTerminBytes(path_, storeOf(30), &io);
        QVERIFY(!cut.ok);
        QVERIFY2(cut.message.contains(QLatin1String(".previous")), qPrintable(cut.message));
        QCOMPARE(readAll(path_ + QStringLiteral(".previous")), next);
        DayGrid grid;
        TSettings settings;
        const TerminFile::Outcome o = OpenTermins(path_, grid, settings);
        QVERIFY(!o.ok);
        QVERIFY(!o.unread);
        QVERIFY2(o.message.contains(QLatin1String("unfinished save")), qPrintable(o.message));
        QCOMPARE(TerminFile::Serialize(grid, settings), next);
    }

    void aReadOnlyFileIsRefused()
    {
        const QByteArray old = storeOf(2);
        QVERIFY(WriteTerminBytes(path_, old).ok);
        QVERIFY(::chmod(QFile::encodeName(path_).constData(), 0444) == 0);
        const TerminFile::Outcome o = WriteTerminBytes(path_, storeOf(3));
        QVERIFY(!o.ok);
        QVERIFY2(o.message.contains(QLatin1String("read-only")) && o.message.contains(QLatin1String("memory")),
                 qPrintable(o.message));
        QCOMPARE(readAll(path_), old);
        QCOMPARE(statOf(path_).st_mode & 07777, mode_t(0444));
    }

    // Reading a FIFO would wait for a writer for ever, reading a device
    // would never end: both are refused at once, and never written over.
    void aFifoOrDeviceIsRefusedAtOnce()
    {
        QVERIFY(::mkfifo(QFile::encodeName(path_).constData(), 0600) == 0);
        DayGrid grid;
        TSettings settings;
        TerminFile::Outcome o = OpenTermins(path_, grid, settings);
        QVERIFY(!o.ok);
        QVERIFY(o.unread);
        QVERIFY2(o.message.contains(QLatin1String("FIFO")), qPrintable(o.message));
        o = WriteTerminBytes(path_, storeOf(1));
        QVERIFY(!o.ok);
        QVERIFY2(o.message.contains(QLatin1String("FIFO")), qPrintable(o.message));
        QVERIFY(S_ISFIFO(statOf(path_).st_mode));

        QVERIFY(QFile::remove(path_));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path_));
        o = OpenTermins(path_, grid, settings);
        QVERIFY(!o.ok);
        QVERIFY2(o.message.contains(QLatin1String("device")), qPrintable(o.message));
        QVERIFY(!WriteTerminBytes(path_, storeOf(1)).ok);
    }

private:
    static bool reliability_write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

QTEST_GUILESS_MAIN(TstFileSafety)
#include "tst_filesafety.moc"
