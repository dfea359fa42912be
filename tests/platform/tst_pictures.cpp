#include "platform/jpeg/JpegDecoder.h"
#include "resources/pictures/KalvixPictures.h"
#include "resources/pictures/PlainPixels.h"
#include "resources/pictures/PlainPixelsFormat.h"

#include <QFile>
#include <QIcon>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QRgb kOlive = qRgb(128, 128, 0);

QImage load(const QString &path)
{
    if (path.endsWith(QLatin1String(".jpg"))) {
        QString error;
        QImage img = LoadJpegFile(path, &error);
        if (img.isNull())
            qWarning("%s", qPrintable(error));
        return img;
    }
    return QImage(path);
}

bool isGrey(QRgb p)
{
    return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
}

} // namespace

class TstPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kalvixInitPictures(); }

    // pictures.qrc is written by the drawing script and the catalog by hand;
    // a picture added to one and not the other is caught here.
    void resourceFileAndCatalogAgree()
    {
        QFile qrc(QStringLiteral(KALVIX_PICTURES_DIR "/pictures.qrc"));
        QVERIFY(qrc.open(QIODevice::ReadOnly));
        QSet<QString> listed;
        QXmlStreamReader xml(&qrc);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("file"))
                listed.insert(QStringLiteral(":/pictures/")
                              + xml.attributes().value(QLatin1String("alias")).toString());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        // Every picture but the application icons also comes drawn at
        // twice its size.
        QSet<QString> catalog;
        for (std::size_t i = 0; i < KalvixPictures::AllCount; ++i) {
            const QString path = QString::fromLatin1(KalvixPictures::All[i].path);
            catalog.insert(path);
            if (!path.contains(QLatin1String("/icon-")))
                catalog.insert(KalvixPictures::DoublePath(path));
        }
        QCOMPARE(listed, catalog);
    }

    // Every double drawing is twice its picture's size; and they are drawn,
    // not enlarged: shapes on whole pixels stay the same blocks, but curves
    // and soft edges get finer, so most must differ from their picture
    // with every pixel repeated in a 2 x 2 block.
    void doubleDrawingsAreTwiceTheSize()
    {
        int doubles = 0, redrawn = 0;
        for (std::size_t i = 0; i < KalvixPictures::AllCount; ++i) {
            const auto &e = KalvixPictures::All[i];
            const QString path = QString::fromLatin1(e.path);
            if (path.contains(QLatin1String("/icon-")))
                continue; // the application icon comes in many sizes instead
            const QImage twice = load(KalvixPictures::DoublePath(path)).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(twice.size(), QSize(e.width, e.height) * 2);
            const QImage enlarged = load(path)
                                        .convertToFormat(QImage::Format_ARGB32)
                                        .scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            ++doubles;
            if (twice != enlarged)
                ++redrawn;
        }
        QVERIFY2(redrawn * 3 >= doubles * 2, qPrintable(QStringLiteral("%1 of %2").arg(redrawn).arg(doubles)));
    }

    void everyPictureLoadsAtItsSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (std::size_t i = 0; i < KalvixPictures::AllCount; ++i) {
            const auto &e = KalvixPictures::All[i];
            QTest::newRow(e.path) << QString::fromLatin1(e.path) << QSize(e.width, e.height);
        }
    }

    void everyPictureLoadsAtItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage img = load(path);
        QVERIFY2(!img.isNull(), qPrintable(path));
        QCOMPARE(img.size(), size);
        // A blank picture is a drawing that went wrong: demand some variety.
        QSet<QRgb> colours;
        for (int y = 0; y < img.height() && colours.size() < 4; ++y)
            for (int x = 0; x < img.width(); ++x)
                colours.insert(img.pixel(x, y));
        QVERIFY2(colours.size() >= 4, qPrintable(path));

        // The program draws the smaller pictures from plain pixels written
        // at build time: they must be the drawing itself, pixel for pixel,
        // or a stale or badly written copy would show instead.
        QStringList drawings{path};
        if (!path.contains(QLatin1String("/icon-")))
            drawings << KalvixPictures::DoublePath(path);
        for (const QString &drawing : drawings) {
            const QImage drawn = load(drawing);
            const QImage plain = PlainPixels::Find(drawing);
            const bool small = qint64(drawn.width()) * drawn.height() * 4 <= PlainPixels::MostBytes;
            if (drawing.endsWith(QLatin1String(".jpg")) || !small) {
                QVERIFY2(plain.isNull(), qPrintable(drawing));
                continue;
            }
            QVERIFY2(!plain.isNull(), qPrintable(drawing));
            QCOMPARE(plain, drawn.convertToFormat(plain.format()));
            QCOMPARE(KalvixPictures::Image(drawing.toLatin1().constData()), plain);
        }
    }

    void glyphStripsCarryTheirSeeThroughColour_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *p : {KalvixPictures::GlyphAdd, KalvixPictures::GlyphDelete, KalvixPictures::GlyphUp,
                              KalvixPictures::GlyphMinimize, KalvixPictures::GlyphHomepage})
            QTest::newRow(p) << QString::fromLatin1(p);
    }

    // The bitmap buttons cut the strip into width / height cells and take the
    // bottom-left pixel as see-through; an alpha channel would be ignored.
    void glyphStripsCarryTheirSeeThroughColour()
    {
        QFETCH(QString, path);
        const QImage img(path);
        QVERIFY(!img.hasAlphaChannel());
        QCOMPARE(img.width(), 2 * img.height());
        QCOMPARE(img.pixel(0, img.height() - 1), kOlive);

        const int cell = img.height();
        int normalInk = 0, disabledInk = 0, colourfulDisabled = 0;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x) {
                const QRgb n = img.pixel(x, y), d = img.pixel(cell + x, y);
                normalInk += n != kOlive;
                disabledInk += d != kOlive;
                colourfulDisabled += d != kOlive && !isGrey(d);
            }
        QVERIFY2(normalInk > cell * cell / 4, qPrintable(QString::number(normalInk)));
        QVERIFY2(disabledInk > cell * 2, qPrintable(QString::number(disabledInk)));
        QCOMPARE(colourfulDisabled, 0); // the disabled look is grey only
    }

    void pressedButtonsDifferVisibly_data()
    {
        QTest::addColumn<QString>("normal");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("exit") << QString::fromLatin1(KalvixPictures::ExitNormal)
                              << QString::fromLatin1(KalvixPictures::ExitPressed);
        QTest::newRow("about") << QString::fromLatin1(KalvixPictures::AboutNormal)
                               << QString::fromLatin1(KalvixPictures::AboutPressed);
    }

    void pressedButtonsDifferVisibly()
    {
        QFETCH(QString, normal);
        QFETCH(QString, pressed);
        const QImage a = QImage(normal).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(pressed).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(a.size(), b.size());
        int changed = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                changed += a.pixel(x, y) != b.pixel(x, y);
        QVERIFY2(changed > a.width() * a.height() / 3, qPrintable(QString::number(changed)));
        // Rounded corners are see-through, the middle is not.
        for (const QImage *img : {&a, &b}) {
            QCOMPARE(qAlpha(img->pixel(0, 0)), 0);
            QCOMPARE(qAlpha(img->pixel(img->width() - 1, img->height() - 1)), 0);
            QCOMPARE(qAlpha(img->pixel(img->width() / 2, img->height() / 2)), 255);
        }
    }

    void smallImagesHaveSeeThroughBackground()
    {
        QStringList paths;
        for (const char *p : KalvixPictures::TabImages)
            paths << p;
        for (const char *p : KalvixPictures::DetailTabImages)
            paths << p;
        for (const char *p : KalvixPictures::TreeImages)
            paths << p;
        for (const char *p : KalvixPictures::TrayMenuImages)
            paths << p;
        QCOMPARE(paths.size(), 2 + 2 + 5 + 5);
        for (const QString &p : paths) {
            const QImage img = QImage(p).convertToFormat(QImage::Format_ARGB32);
            int clear = 0, solid = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    clear += qAlpha(img.pixel(x, y)) == 0;
                    solid += qAlpha(img.pixel(x, y)) == 255;
                }
            QVERIFY2(clear > 0 && solid > 64, qPrintable(p));
        }
    }

    // Each size is decoded only when drawn, and any size can be drawn; the
    // windows' icon stops at the sizes window managers show, so that no
    // window hands the server the 256-pixel drawing.
    void appIconDrawsEverySizeAndWindowsTheSmallOnes()
    {
        const QIcon icon = KalvixPictures::AppIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (int s : KalvixPictures::AppIconSizes) {
            QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
            const QImage drawn = icon.pixmap(s, s).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(drawn,
                     load(QStringLiteral(":/pictures/icon-%1.png").arg(s))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        QCOMPARE(icon.pixmap(24, 24).size(), QSize(24, 24));
        QCOMPARE(icon.pixmap(512, 512).size(), QSize(256, 256));

        const QIcon window = KalvixPictures::WindowIcon();
        const QList<QSize> offered = window.availableSizes();
        QVERIFY(offered.contains(QSize(16, 16)) && offered.contains(QSize(48, 48)));
        for (const QSize &size : offered)
            QVERIFY(size.width() <= KalvixPictures::WindowIconLargest);
        QCOMPARE(window.pixmap(40, 40).size(), QSize(40, 40));
    }
};

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
