// The heading panel's drawing: background colour, the two bevel rings and
// the caption's highlight shadow one pixel up and to the left.
#include "reminders/HeadingPanel.h"

#include "controls/SystemColors.h"

#include <QImage>
#include <QtTest>

namespace {
bool isPure(QRgb p, int channel)
{
    const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
    for (int i = 0; i < 3; ++i)
        if ((i == channel) != (c[i] > 100))
            return false;
    return true;
}

// Top-left-most pixel of one pure colour inside the bevels; (-1,-1) if none.
QPoint firstPixel(const QImage &img, int channel)
{
    QPoint best(-1, -1);
    for (int y = 2; y < img.height() - 2; ++y)
        for (int x = 2; x < img.width() - 2; ++x)
            if (isPure(img.pixel(x, y), channel)) {
                if (best.y() < 0 || y < best.y())
                    best.setY(y);
                if (best.x() < 0 || x < best.x())
                    best.setX(x);
            }
    return best;
}
} // namespace

class TstHeadingPanel : public QObject {
    Q_OBJECT
private slots:
    void backgroundAndBevels()
    {
        HeadingPanel panel;
        panel.resize(200, panel.height());
        QCOMPARE(panel.height(), 33);
        const QImage img = panel.grab().toImage();
        const QRgb light = panel.palette().color(QPalette::Light).rgb();
        const QRgb dark = panel.palette().color(QPalette::Dark).rgb();
        QCOMPARE(img.pixel(100, 16), qRgb(240, 202, 166));
        // Lowered outer ring: dark above and left, light below and right.
        QCOMPARE(img.pixel(50, 0), dark);
        QCOMPARE(img.pixel(0, 16), dark);
        QCOMPARE(img.pixel(50, 32), light);
        QCOMPARE(img.pixel(199, 16), light);
        // Raised inner ring: the other way round.
        QCOMPARE(img.pixel(50, 1), light);
        QCOMPARE(img.pixel(1, 16), light);
        QCOMPARE(img.pixel(50, 31), dark);
        QCOMPARE(img.pixel(198, 16), dark);
    }

    void captionHasAShadowToTheUpperLeft()
    {
        HeadingPanel panel;
        QPalette pal = panel.palette();
        pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
        pal.setColor(QPalette::Light, QColor(0, 255, 0));
        panel.setPalette(pal);
        panel.setColor(Qt::black);
        panel.setText(QStringLiteral("HILL"));
        panel.resize(200, panel.height());
        const QImage img = panel.grab().toImage();
        const QPoint text = firstPixel(img, 0), shadow = firstPixel(img, 1);
        QVERIFY(text.x() >= 0 && shadow.x() >= 0);
        QCOMPARE(shadow, text - QPoint(1, 1));
    }

    // The panel's colour is fixed, the scheme's text colour is not: under a
    // dark scheme (light text) the caption still reads on the heading colour, and a
    // dark panel colour gets a light caption.
    void captionReadableWhateverTheScheme_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("panel");
        QTest::newRow("dark scheme on A") << QColor(235, 235, 235) << QColor(240, 202, 166);
        QTest::newRow("grey text on A") << QColor(160, 160, 160) << QColor(240, 202, 166);
        QTest::newRow("light scheme on A") << QColor(0, 0, 0) << QColor(240, 202, 166);
        QTest::newRow("dark scheme on B") << QColor(235, 235, 235) << QColor(192, 220, 192);
        QTest::newRow("black text on navy") << QColor(0, 0, 0) << QColor(0, 0, 100);
    }
    void captionReadableWhateverTheScheme()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, panel);
        HeadingPanel heading;
        QPalette pal = heading.palette();
        pal.setColor(QPalette::WindowText, text);
        pal.setColor(QPalette::Light, panel); // no shadow to mistake for the caption
        heading.setPalette(pal);
        heading.setColor(panel);
        heading.setText(QStringLiteral("HHHH"));
        heading.resize(200, heading.height());
        const QImage img = heading.grab().toImage();
        double best = 1;
        for (int y = 3; y < img.height() - 3; ++y)
            for (int x = 3; x < img.width() - 3; ++x)
                best = qMax(best, SystemColors::Contrast(img.pixelColor(x, y), panel));
        QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
    }
};

QTEST_MAIN(TstHeadingPanel)
#include "tst_headingpanel.moc"
