#include "platform/jpeg/JpegDecoder.h"
#include "resources/pictures/KalvixPictures.h"

#include <QFile>
#include <QImageReader>
#include <QtTest>

#include <cstdlib>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

QString fixture(const char *name)
{
    return QStringLiteral(KALVIX_TEST_DATA_DIR "/") + QLatin1String(name);
}

// Largest difference of one channel between two pixels.
int channelDiff(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Offset just past the first start-of-scan marker's header.
qsizetype scanDataStart(const QByteArray &jpeg)
{
    const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    if (sos < 0)
        qFatal("no scan in test picture");
    const int len = (uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]);
    return sos + 2 + len;
}

} // namespace

class TstJpegDecoder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kalvixInitPictures(); }

    void aboutPictureMatchesItsSource()
    {
        QString error = QStringLiteral("stale text");
        const QImage img = LoadJpegFile(QString::fromLatin1(KalvixPictures::AboutBox), &error);
        QVERIFY2(!img.isNull(), qPrintable(error));
        QVERIFY(error.isEmpty());
        QCOMPARE(img.size(), QSize(306, 322));
        QCOMPARE(img.format(), QImage::Format_RGB888);

        // The lossless drawing the JPEG was encoded from. A swapped channel
        // order, a wrong row stride or a shifted row would all blow the
        // average far past what compression explains.
        const QImage ref =
            QImage(QStringLiteral(KALVIX_PICTURES_DIR "/source/aboutbox.png")).convertToFormat(QImage::Format_RGB888);
        QCOMPARE(ref.size(), img.size());
        qint64 total = 0;
        int worst = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int d = channelDiff(img.pixel(x, y), ref.pixel(x, y));
                total += d;
                worst = std::max(worst, d);
            }
        const double mean = double(total) / (img.width() * img.height());
        QVERIFY2(mean < 3.0, qPrintable(QString::number(mean)));
        QVERIFY2(worst < 96, qPrintable(QString::number(worst)));
    }

    void agreesWithQtsOwnReader()
    {
        if (!QImageReader::supportedImageFormats().contains("jpeg"))
            QSKIP("Qt's JPEG plugin is not installed here");
        const QByteArray bytes = readFile(QString::fromLatin1(KalvixPictures::AboutBox));
        const QImage ours = DecodeJpeg(bytes, nullptr);
        const QImage theirs = QImage::fromData(bytes, "JPEG").convertToFormat(QImage::Format_RGB888);
        QCOMPARE(ours.size(), theirs.size());
        int worst = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                worst = std::max(worst, channelDiff(ours.pixel(x, y), theirs.pixel(x, y)));
        QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
    }

    void grayscaleIsExpandedToRgb()
    {
        QString error;
        const QImage img = LoadJpegFile(fixture("gray-ramp.jpg"), &error);
        QVERIFY2(!img.isNull(), qPrintable(error));
        QCOMPARE(img.size(), QSize(64, 16));
        QCOMPARE(img.format(), QImage::Format_RGB888);
        for (int x = 0; x < 64; x += 7) {
            const QRgb p = img.pixel(x, 8);
            QCOMPARE(qRed(p), qGreen(p));
            QCOMPARE(qGreen(p), qBlue(p));
            QVERIFY2(std::abs(qRed(p) - 4 * x) <= 8, qPrintable(QString("x=%1 got %2").arg(x).arg(qRed(p))));
        }
    }

    void progressivePictureKeepsChannelOrder()
    {
        QString error;
        const QImage img = LoadJpegFile(fixture("quadrants-progressive.jpg"), &error);
        QVERIFY2(!img.isNull(), qPrintable(error));
        QCOMPARE(img.size(), QSize(32, 32));
        QVERIFY(channelDiff(img.pixel(8, 8), qRgb(220, 30, 30)) <= 12);
        QVERIFY(channelDiff(img.pixel(24, 8), qRgb(30, 200, 40)) <= 12);
        QVERIFY(channelDiff(img.pixel(8, 24), qRgb(30, 40, 210)) <= 12);
        QVERIFY(channelDiff(img.pixel(24, 24), qRgb(255, 255, 255)) <= 12);
    }

    void badDataGivesNullImageAndReason_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("mentions");

        const QByteArray good = readFile(QString::fromLatin1(KalvixPictures::AboutBox));
        const qsizetype scan = scanDataStart(good);

        QTest::newRow("empty") << QByteArray() << "no data";
        QTest::newRow("not a jpeg") << QByteArray("GIF89a this is not a JPEG") << "Not a JPEG";
        QTest::newRow("only the start marker") << good.left(2) << "";
        QTest::newRow("cut inside the header") << good.left(scan / 2) << "";
        QTest::newRow("cut right after the header") << good.left(scan) << "";
        QTest::newRow("cut halfway through the pixels")
            << good.left(scan + (good.size() - scan) / 2) << "Premature end";
        QTest::newRow("end marker missing") << good.left(good.size() - 2) << "";

        QByteArray stray = good;
        stray.insert(scan + 4000, QByteArray("\xFF\xD3", 2));
        QTest::newRow("stray marker in the pixel data") << stray << "Corrupt JPEG data";

        QByteArray noTables = good;
        const qsizetype dqt = noTables.indexOf(QByteArray("\xFF\xDB", 2));
        noTables[dqt + 1] = char(0xFE); // the quantisation tables become a comment
        QTest::newRow("quantisation tables missing") << noTables << "Quantization table";

        QByteArray huge = good;
        const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
        huge[sof + 5] = char(0x4E); // height 20000
        huge[sof + 6] = char(0x20);
        QTest::newRow("absurd height") << huge << "too large";

        QTest::newRow("CMYK") << readFile(fixture("cmyk.jpg")) << "CMYK";
    }

    void badDataGivesNullImageAndReason()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, mentions);
        QString error;
        const QImage img = DecodeJpeg(data, &error);
        QVERIFY(img.isNull());
        QVERIFY2(error.startsWith(QLatin1String("Could not decode the JPEG picture: ")), qPrintable(error));
        QVERIFY2(error.size() > 36, qPrintable(error)); // a reason follows
        QVERIFY2(error.contains(mentions), qPrintable(error));
        // Without an error string the failure is still a null image.
        QVERIFY(DecodeJpeg(data, nullptr).isNull());
    }

    void decoderRecoversAfterAFailure()
    {
        QString error;
        QVERIFY(DecodeJpeg(QByteArray("\xFF\xD8\xFF", 3), &error).isNull());
        const QImage ok = LoadJpegFile(fixture("gray-ramp.jpg"), &error);
        QVERIFY(!ok.isNull());
        QVERIFY(error.isEmpty());
    }

    void missingFileNamesThePath()
    {
        QString error;
        const QString path = fixture("no-such-picture.jpg");
        QVERIFY(LoadJpegFile(path, &error).isNull());
        QVERIFY2(error.contains(path), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TstJpegDecoder)
#include "tst_jpegdecoder.moc"
