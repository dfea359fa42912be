// The fuzzer's packed inputs: every file image packs and unpacks to itself,
// and any bytes at all unpack to a bounded image.

#include "PackedImage.h"
#include "SampleStores.h"
#include "store/TerminFile.h"
#include "support/AddressSanitizer.h"

#include <QtTest>

using namespace reliability;

namespace {

QByteArray zeros(int n)
{
    return QByteArray(n, '\0');
}

QByteArray unpacked(const char *packed, int size)
{
    return UnpackImage(QByteArray(packed, size));
}

} // namespace

class TstPackedImage : public QObject {
    Q_OBJECT
private slots:
    void imagesPackAndUnpackToThemselves_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addRow("nothing") << QByteArray();
        QTest::addRow("no zero") << QByteArray("\x01\xff\x7f\x80 text");
        QTest::addRow("only one zero") << zeros(1);
        // Run lengths around the count's 7-bit steps.
        for (int n : {2, 127, 128, 129, 16384, 16385, 147560})
            QTest::addRow("%d zeros between bytes", n) << QByteArray("a") + zeros(n) + QByteArray("b");
        QTest::addRow("zeros at both ends") << zeros(5) + QByteArray("\x80\x80") + zeros(300);
        QTest::addRow("bytes that look like counts") << QByteArray("\x81\x80\x00\x80\x00\xff\x00", 7);
        DayGrid grid;
        FillRepresentative(grid);
        QTest::addRow("a real file") << TerminFile::Serialize(grid, RepresentativeSettings());
    }
    void imagesPackAndUnpackToThemselves()
    {
        QFETCH(QByteArray, image);
        const QByteArray packed = PackImage(image);
        QCOMPARE(UnpackImage(packed), image);
    }

    void anEmptyCalendarPacksToAFewBytes()
    {
        DayGrid grid;
        const QByteArray image = TerminFile::Serialize(grid, TSettings());
        QCOMPARE(image.size(), 147572);
        QVERIFY2(PackImage(image).size() < 16, qPrintable(QString::number(PackImage(image).size())));
    }

    void anyBytesUnpackToABoundedImage()
    {
        // A count cut off by the end takes what was read of it.
        QCOMPARE(unpacked("a\0", 2), QByteArray("a") + zeros(1));
        QCOMPARE(unpacked("\0\x85", 2), zeros(6));
        QCOMPARE(unpacked("\0\x81", 2), zeros(2));
        // A count of ten continuing bytes stops at 63 bits; what follows is literal.
        const QByteArray endless = QByteArray(1, '\0') + QByteArray(9, '\xff') + QByteArray("\x01x");
        QCOMPARE(UnpackImage(endless).size(), int(MaxImageBytes));
        // Runs and literals beyond the bound are cut at it.
        QCOMPARE(unpacked("\0\xff\xff\xff\x7f", 5).size(), int(MaxImageBytes));
        QCOMPARE(UnpackImage(QByteArray(int(MaxImageBytes) + 10, 'x')).size(), int(MaxImageBytes));
        const QByteArray runThenText = PackImage(zeros(int(MaxImageBytes) - 2)) + QByteArray("abcdef");
        QCOMPARE(UnpackImage(runThenText), zeros(int(MaxImageBytes) - 2) + QByteArray("ab"));
    }

    // The unpacker keeps one buffer for all inputs: each image must come
    // out whole after a larger or a smaller one, and under AddressSanitizer
    // the byte after it must be unusable, as past an allocation.
    void oneUnpackerGivesEachImageWhole()
    {
        const QByteArray small = QByteArray("x") + zeros(10) + QByteArray("y");
        const QByteArray large = QByteArray(5000, 'L') + zeros(150000) + QByteArray("z");
        ImageUnpacker unpacker;
        for (const QByteArray *image : {&small, &large, &small, &large, &small}) {
            const QByteArray packed = PackImage(*image);
            size_t size = 0;
            const char *p = unpacker.Unpack(reinterpret_cast<const uint8_t *>(packed.constData()),
                                            static_cast<size_t>(packed.size()), size);
            QCOMPARE(QByteArray(p, static_cast<int>(size)), *image);
#ifdef KALVIX_ASAN
            QVERIFY(!__asan_address_is_poisoned(p + size - 1));
            QVERIFY(__asan_address_is_poisoned(p + size));
#endif
        }
    }
};

QTEST_GUILESS_MAIN(TstPackedImage)
#include "tst_packedimage.moc"
