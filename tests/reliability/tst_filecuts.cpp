// A representative file cut at every byte offset, and every byte of its
// fixed-size fields flipped: each image either loads completely or fails
// with a report, and reading never writes over the file.

#include "FileImageCheck.h"
#include "SampleStores.h"
#include "store/TerminFile.h"

#include <QtTest>
#include <QTemporaryDir>

#include <vector>

using namespace reliability;

namespace {

// Byte ranges of a file image by kind, found by walking its layout.
struct Layout {
    std::vector<size_t> fixedOffsets;               // counts, numeric fields, Done, lengths, settings
    std::vector<std::pair<size_t, size_t>> records; // [begin, end) of each record entry
};

qint32 i32At(const QByteArray &b, size_t at)
{
    return qFromLittleEndian<qint32>(b.constData() + at);
}

Layout walk(const QByteArray &b)
{
    Layout l;
    size_t p = 0;
    auto fixed = [&](size_t n) {
        for (size_t i = 0; i < n; ++i)
            l.fixedOffsets.push_back(p + i);
        p += n;
    };
    for (int day = 0; day < DayGrid::UsedDays; ++day) {
        const qint32 count = i32At(b, p);
        fixed(4);
        for (qint32 r = 0; r < count; ++r) {
            const size_t begin = p;
            fixed(33);
            for (int text = 0; text < 2; ++text) {
                const qint32 len = i32At(b, p);
                fixed(4);
                p += static_cast<size_t>(len);
            }
            l.records.emplace_back(begin, p);
        }
    }
    fixed(12);
    Q_ASSERT(p == static_cast<size_t>(b.size()));
    return l;
}

// Directories on a memory file system keep thousands of reads cheap.
QString scratchRoot()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/kalvix-cuts-XXXXXX")
                                                     : QDir::tempPath() + QStringLiteral("/kalvix-cuts-XXXXXX");
}

// Offsets near anything but the long run of empty days: the records, the
// settings, and the edges of the file.
bool nearContent(size_t at, const Layout &l, size_t size)
{
    if (at < 64 || at + 64 >= size)
        return true;
    for (const auto &r : l.records)
        if (at + 64 >= r.first && at < r.second + 64)
            return true;
    return false;
}

// Under the sanitizers every parse is many times slower; there the long run
// of empty days is sampled (every 37th offset) while every offset near
// content is still tried. The ordinary build tries every offset.
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t BulkStride = 37;
#else
constexpr size_t BulkStride = 1;
#endif

} // namespace

class TstFileCuts : public QObject {
    Q_OBJECT
private:
    QByteArray full;
    Layout layout;

private slots:
    void initTestCase()
    {
        DayGrid grid;
        FillRepresentative(grid);
        full = TerminFile::Serialize(grid, RepresentativeSettings());
        layout = walk(full);
        QVERIFY(layout.fixedOffsets.size() > 147000);
    }

    // Every cut ends in the one report a short file gets. The parser alone
    // runs on every cut; the full read from disk, with its promise about
    // grid, settings and file, runs on every cut near content and on every
    // 499th cut elsewhere.
    void everyCutIsAReportedFailure()
    {
        QTemporaryDir scratch(scratchRoot());
        QVERIFY(scratch.isValid());
        const QString beyondEnd = QString::fromLatin1(TerminFile::ReadBeyondEndText);
        const size_t size = static_cast<size_t>(full.size());
        DayGrid grid;
        size_t cuts = 0, fullReads = 0;
        for (size_t len = 0; len < size; ++len) {
            const bool near = nearContent(len, layout, size);
            if (!near && len % BulkStride != 0)
                continue;
            TSettings settings;
            const QString error = TerminFile::Parse(full.constData(), len, grid, settings);
            if (error != beyondEnd)
                QFAIL(qPrintable(QStringLiteral("cut at %1: \"%2\"").arg(len).arg(error)));
            grid.delall();
            ++cuts;
            if (near || len % 499 == 0) {
                const std::string broken = CheckFileImage(reinterpret_cast<const uint8_t *>(full.constData()), len,
                                                          scratch.path());
                QVERIFY2(broken.empty(),
                         qPrintable(QStringLiteral("cut at %1: ").arg(len) + QString::fromStdString(broken)));
                ++fullReads;
            }
        }
        if (BulkStride == 1)
            QCOMPARE(cuts, size);
        qInfo("offsets cut: %zu of a %zu-byte file (full reads from disk: %zu)", cuts, size, fullReads);
    }

    // Every byte of every fixed-size field flipped (all bits). Near content
    // also a low and a high single bit, each through the full check.
    void everyFlippedFixedByteLoadsOrFails()
    {
        QTemporaryDir scratch(scratchRoot());
        QVERIFY(scratch.isValid());
        const size_t size = static_cast<size_t>(full.size());
        QByteArray image = full;
        DayGrid grid;
        size_t flips = 0, loads = 0, failures = 0, fullChecks = 0;
        for (size_t at : layout.fixedOffsets) {
            const bool near = nearContent(at, layout, size);
            if (!near && at % BulkStride != 0)
                continue;
            for (const int mask : {0xff, 0x01, 0x80}) {
                if (mask != 0xff && !near)
                    break;
                image[static_cast<qsizetype>(at)] = static_cast<char>(full[static_cast<qsizetype>(at)] ^ mask);
                TSettings settings;
                const QString error = TerminFile::Parse(image.constData(), size, grid, settings);
                if (error.isEmpty())
                    ++loads;
                else
                    ++failures;
                grid.delall();
                // A complete load is always checked in full: it must write
                // back what it read.
                if (error.isEmpty() || near || at % 499 == 0) {
                    const std::string broken = CheckFileImage(reinterpret_cast<const uint8_t *>(image.constData()),
                                                              size, scratch.path());
                    QVERIFY2(broken.empty(),
                             qPrintable(QStringLiteral("flip at %1: ").arg(at) + QString::fromStdString(broken)));
                    ++fullChecks;
                }
                ++flips;
            }
            image[static_cast<qsizetype>(at)] = full[static_cast<qsizetype>(at)];
        }
        qInfo(
            "fixed-field bytes flipped: %zu flips at %zu offsets: %zu complete loads, %zu reported failures "
            "(full reads from disk: %zu)",
            flips, layout.fixedOffsets.size(), loads, failures, fullChecks);
    }
};

QTEST_GUILESS_MAIN(TstFileCuts)
#include "tst_filecuts.moc"
