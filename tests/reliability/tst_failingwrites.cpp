// Every single step of a save made to fail in turn, and a disk that really
// fills up: the previous file stays byte for byte, the store in memory is
// unchanged, the failure is reported, no temporary file is left behind, and
// the next save works.

#include "FailingSaveIo.h"
#include "SampleStores.h"
#include "store/TerminFile.h"
#include "support/FullDevice.h"

#include <QtTest>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

using namespace reliability;

namespace {

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Sends the temporary file of a save to /dev/full, so the real write path
// meets the kernel's "no space left".
class DevFullSaveIo final : public SaveIo {
public:
    bool Create(const QString &) override { return real_->Rewrite(QStringLiteral("/dev/full")); }
    bool Rewrite(const QString &) override { return real_->Rewrite(QStringLiteral("/dev/full")); }
    // The device keeps its own permissions.
    bool TakeAttributes(const QString &) override { return true; }
    long long Write(const char *d, size_t n) override { return real_->Write(d, n); }
    bool Sync() override { return real_->Sync(); }
    bool Close() override { return real_->Close(); }
    bool Rename(const QString &from, const QString &to) override { return real_->Rename(from, to); }
    void Remove(const QString &path) override { real_->Remove(path); }
    QString ErrorText() const override { return real_->ErrorText(); }
    bool DiskFull() const override { return real_->DiskFull(); }

private:
    std::unique_ptr<SaveIo> real_ = MakeFileSaveIo();
};

// A small memory file system mounted for the test, unmounted on the way out.
class SmallFileSystem {
public:
    SmallFileSystem(const QString &dir, const char *size) : dir_(QFile::encodeName(dir))
    {
        const QByteArray options = QByteArray("size=") + size;
        mounted_ = ::mount("kalvix-test", dir_.constData(), "tmpfs", 0, options.constData()) == 0;
        if (!mounted_)
            error_ = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(dir_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    QString error() const { return error_; }

private:
    QByteArray dir_;
    bool mounted_ = false;
    QString error_;
};

struct Figures {
    int saves = 0;
    int faults = 0;
};
Figures figures;

} // namespace

class TstFailingWrites : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path;
    QByteArray oldBytes;

    void expectOnlyOldFile(const QString &what)
    {
        QVERIFY2(ReadFile(path) == oldBytes, qPrintable(what + QStringLiteral(": previous file changed")));
        QVERIFY2(entries(dir.path()) == QStringList{QString::fromLatin1(TerminFile::FileName)},
                 qPrintable(what + QStringLiteral(": left ") + entries(dir.path()).join(QLatin1Char(' '))));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        path = TerminFile::PathIn(dir.path());
        DayGrid old;
        FillGeneration(old, 3);
        oldBytes = TerminFile::Serialize(old, GenerationSettings(3));
    }

    void init() { QVERIFY(WriteFile(path, oldBytes)); }

    void everyStepFails_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("chunk");
        QTest::newRow("refused, large writes") << int(FailingSaveIo::Mode::Refuse) << (1 << 30);
        QTest::newRow("refused, 16 KB writes") << int(FailingSaveIo::Mode::Refuse) << 16384;
        QTest::newRow("disk full after half a write") << int(FailingSaveIo::Mode::Full) << 16384;
        QTest::newRow("error after the step was done") << int(FailingSaveIo::Mode::AfterAll) << 16384;
    }

    void everyStepFails()
    {
        QFETCH(int, mode);
        QFETCH(int, chunk);
        DayGrid grid;
        FillRepresentative(grid);
        FillGeneration(grid, 5);
        const TSettings settings = RepresentativeSettings();
        const QByteArray memoryBefore = TerminFile::Serialize(grid, settings);

        // How many steps a clean save takes.
        FailingSaveIo clean(0, FailingSaveIo::Mode(mode), static_cast<size_t>(chunk));
        QVERIFY(SaveTermins(path, grid, settings, &clean).ok);
        const int steps = clean.Operations();
        QVERIFY(steps >= 5);
        QVERIFY(WriteFile(path, oldBytes));

        for (int n = 1; n <= steps; ++n) {
            const QString what = QStringLiteral("step %1 of %2").arg(n).arg(steps);
            FailingSaveIo io(n, FailingSaveIo::Mode(mode), static_cast<size_t>(chunk));
            const TerminFile::Outcome o = SaveTermins(path, grid, settings, &io);
            QVERIFY2(io.Injected(), qPrintable(what));
            QVERIFY2(!o.ok, qPrintable(what + QStringLiteral(": reported success")));
            if (n == 1)
                QCOMPARE(o.message, QString::fromLatin1(TerminFile::CreateErrorText));
            else if (FailingSaveIo::Mode(mode) == FailingSaveIo::Mode::Full && n > 2 && n < steps - 2) // the writes
                QVERIFY2(o.message.startsWith(QLatin1String("Disk full")), qPrintable(what + ": " + o.message));
            else
                QVERIFY2(o.message.startsWith(QLatin1String("I/O error")), qPrintable(what + ": " + o.message));
            expectOnlyOldFile(what);
            QCOMPARE(TerminFile::Serialize(grid, settings), memoryBefore);
            ++figures.saves;
            ++figures.faults;
        }

        // And the next save goes through.
        QVERIFY(SaveTermins(path, grid, settings).ok);
        QCOMPARE(ReadFile(path), memoryBefore);
    }

    void firstSaveEverLeavesNoFile()
    {
        QTemporaryDir empty;
        const QString first = TerminFile::PathIn(empty.path());
        DayGrid grid;
        FillRepresentative(grid);
        for (int n = 1; n <= 5; ++n) {
            FailingSaveIo io(n, FailingSaveIo::Mode::Refuse);
            QVERIFY(!SaveTermins(first, grid, TSettings(), &io).ok);
            QVERIFY2(entries(empty.path()).isEmpty(), qPrintable(entries(empty.path()).join(' ')));
            ++figures.faults;
        }
    }

    void devFullIsDiskFull()
    {
        if (!HaveFullDevice())
            QSKIP("/dev/full here is not the full device");
        DayGrid grid;
        FillRepresentative(grid);
        DevFullSaveIo io;
        const TerminFile::Outcome o = SaveTermins(path, grid, TSettings(), &io);
        QVERIFY(!o.ok);
        QVERIFY2(o.message.startsWith(QLatin1String("Disk full")), qPrintable(o.message));
        expectOnlyOldFile(QStringLiteral("/dev/full"));
        ++figures.faults;
    }

    // A real file system that runs out of space halfway through a save.
    void smallFileSystemFillsUp()
    {
        QTemporaryDir mountPoint;
        SmallFileSystem fs(mountPoint.path(), "512k");
        if (!fs.mounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a small file system here (%1); the full-disk case "
                                            "is covered by /dev/full only")
                                 .arg(fs.error())));
        const QString small = TerminFile::PathIn(mountPoint.path());
        DayGrid oldGrid;
        FillRepresentative(oldGrid);
        QVERIFY(SaveTermins(small, oldGrid, TSettings()).ok);
        const QByteArray before = ReadFile(small);

        DayGrid big;
        FillGeneration(big, 6);
        FillGeneration(big, 13);
        FillGeneration(big, 20);
        const QByteArray bigBytes = TerminFile::Serialize(big, TSettings());
        QVERIFY(bigBytes.size() > 512 * 1024 - before.size());
        for (int i = 0; i < 3; ++i) {
            const TerminFile::Outcome o = SaveTermins(small, big, TSettings());
            QVERIFY(!o.ok);
            QVERIFY2(o.message.startsWith(QLatin1String("Disk full")), qPrintable(o.message));
            QCOMPARE(ReadFile(small), before);
            QCOMPARE(entries(mountPoint.path()), QStringList{QString::fromLatin1(TerminFile::FileName)});
            ++figures.faults;
        }
        // The space of the abandoned temporary file was given back.
        DayGrid medium;
        FillGeneration(medium, 2);
        QVERIFY(SaveTermins(small, medium, TSettings()).ok);
        QCOMPARE(ReadFile(small), TerminFile::Serialize(medium, TSettings()));
    }

    void cleanupTestCase()
    {
        qInfo("faults injected: %d (of which %d into every step of a save in turn)", figures.faults, figures.saves);
    }
};

QTEST_GUILESS_MAIN(TstFailingWrites)
#include "tst_failingwrites.moc"
