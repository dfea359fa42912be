// Replays the fuzzer's seed corpus and every input it ever found broken
// through the same check the fuzzer makes, in the normal build.

#include "FileImageCheck.h"
#include "PackedImage.h"
#include "SampleStores.h"
#include "store/TerminFile.h"

#include <QtTest>
#include <QTemporaryDir>

#include <cstdlib>
#include <new>

// Every allocation of the parser's containers goes through here, so the
// check can bound the largest one.
void *operator new(std::size_t size)
{
    reliability::NoteAllocation(size);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size)
{
    return ::operator new(size);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}

class TstFuzzCorpus : public QObject {
    Q_OBJECT
private:
    static QFileInfoList inputs(const char *dir)
    {
        return QDir(QString::fromLocal8Bit(dir)).entryInfoList(QDir::Files, QDir::Name);
    }

    void replay(const QFileInfoList &files)
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        // One checker for all, as in the fuzzer: what one image leaves in
        // its grids must not spoil the check of the next.
        reliability::FileImageChecker checker;
        for (const QFileInfo &f : files) {
            if (f.fileName().startsWith(QLatin1String("README")))
                continue;
            const QByteArray bytes = reliability::UnpackImage(reliability::ReadFile(f.filePath()));
            const std::string broken = checker.CheckWithDisk(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                                             static_cast<size_t>(bytes.size()), scratch.path());
            QVERIFY2(broken.empty(), qPrintable(f.fileName() + QStringLiteral(": ") + QString::fromStdString(broken)));
        }
        QVERIFY(reliability::AllocationsWatched());
    }

private slots:
    void seedsAreRealFilesThatLoad()
    {
        const QFileInfoList seeds = inputs(KALVIX_CORPUS_DIR);
        QVERIFY2(seeds.size() >= 5, KALVIX_CORPUS_DIR);
        for (const QFileInfo &f : seeds) {
            const QByteArray packed = reliability::ReadFile(f.filePath());
            const QByteArray bytes = reliability::UnpackImage(packed);
            QCOMPARE(reliability::PackImage(bytes), packed);
            DayGrid grid;
            TSettings settings;
            const QString error = TerminFile::Parse(bytes.constData(), static_cast<size_t>(bytes.size()), grid,
                                                    settings);
            QVERIFY2(error.isEmpty(), qPrintable(f.fileName() + QStringLiteral(": ") + error));
            QCOMPARE(TerminFile::Serialize(grid, settings), bytes);
        }
    }

    void seedCorpusKeepsThePromise() { replay(inputs(KALVIX_CORPUS_DIR)); }
    void crashInputsKeepThePromise() { replay(inputs(KALVIX_CRASH_DIR)); }
};

QTEST_GUILESS_MAIN(TstFuzzCorpus)
#include "tst_fuzzcorpus.moc"
