// Glyph painter: cell count from the strip, state images and their sharing
// in the glyph lists, layout arithmetic and caption drawing.

#include "controls/ButtonGlyph.h"
#include "controls/GlyphList.h"
#include "controls/SystemColors.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

#include <memory>

namespace {
const QRgb kOlive = qRgb(128, 128, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kTeal = qRgb(0, 128, 128);

// A strip of cells of the given size, each filled with its own colour and
// bordered by olive, whose bottom-left pixel is therefore olive.
QImage strip(int cellW, int h, const QList<QRgb> &colours)
{
    QImage img(cellW * static_cast<int>(colours.size()), h, QImage::Format_RGB32);
    img.fill(kOlive);
    for (int c = 0; c < colours.size(); ++c)
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < cellW - 1; ++x)
                img.setPixel(c * cellW + x, y, colours[c]);
    return img;
}

QRgb opaque(const QImage &img, int x, int y)
{
    return img.pixel(x, y);
}
} // namespace

class TstButtonGlyph : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Scheme colours distinct from every glyph colour used here.
        QPalette pal = QGuiApplication::palette();
        pal.setColor(QPalette::Button, QColor(212, 208, 200));
        pal.setColor(QPalette::Light, QColor(250, 240, 230));
        pal.setColor(QPalette::Dark, QColor(100, 100, 120));
        QGuiApplication::setPalette(pal);
    }

    void numGlyphsFromStripProportions()
    {
        TButtonGlyph g;
        int changes = 0;
        g.SetOnChange([&changes] { ++changes; });
        g.SetGlyph(strip(18, 18, {kRed, kBlue}));
        QCOMPARE(g.NumGlyphs(), 2);
        QVERIFY(changes > 0);
        QCOMPARE(g.TransparentColor().rgb(), kOlive);

        g.SetNumGlyphs(3);
        g.SetGlyph(strip(18, 18, {kRed, kRed, kRed, kRed, kRed})); // five cells: one wide cell
        QCOMPARE(g.NumGlyphs(), 1);

        g.SetNumGlyphs(3);
        QImage odd(40, 18, QImage::Format_RGB32);
        odd.fill(kRed);
        odd.setPixel(0, 17, kTeal);
        g.SetGlyph(odd);
        QCOMPARE(g.NumGlyphs(), 3); // not whole square cells: kept
        QCOMPARE(g.TransparentColor().rgb(), kTeal);

        g.SetNumGlyphs(0);
        QCOMPARE(g.NumGlyphs(), 3);
        QImage mono(16, 16, QImage::Format_Mono);
        mono.fill(0);
        g.SetGlyph(mono);
        QCOMPARE(g.TransparentColor(), QColor(Qt::white));
    }

    void stateImagesComeFromTheirCells()
    {
        TButtonGlyph two;
        two.SetGlyph(strip(18, 18, {kRed, kBlue}));
        const int up = two.StateImage(gsUp);
        QCOMPARE(two.StateImage(gsDown), up); // fewer than three cells: shared
        QCOMPARE(two.StateImage(gsUp), up);   // built once
        const QImage upImg = two.StateImageContents(gsUp);
        QCOMPARE(upImg.size(), QSize(18, 18));
        QCOMPARE(opaque(upImg, 5, 5), kRed);
        QCOMPARE(qAlpha(upImg.pixel(0, 0)), 0);                            // olive border is see-through
        QCOMPARE(opaque(two.StateImageContents(gsExclusive), 5, 5), kRed); // no cell 3: cell 0

        TButtonGlyph three;
        three.SetGlyph(strip(18, 18, {kRed, kBlue, kGreen}));
        QCOMPARE(opaque(three.StateImageContents(gsDown), 5, 5), kGreen);
        QVERIFY(three.StateImage(gsDown) != three.StateImage(gsUp));

        TButtonGlyph four;
        four.SetGlyph(strip(18, 18, {kRed, kBlue, kGreen, kTeal}));
        QCOMPARE(opaque(four.StateImageContents(gsExclusive), 5, 5), kTeal);

        TButtonGlyph empty;
        QCOMPARE(empty.StateImage(gsUp), -1);
        QVERIFY(!empty.GlyphList());
    }

    void disabledCellIsRecolouredIntoTheScheme()
    {
        QImage img = strip(18, 18, {kRed, kRed});
        img.setPixel(18 + 3, 3, qRgb(255, 255, 255));
        img.setPixel(18 + 4, 3, qRgb(128, 128, 128));
        img.setPixel(18 + 5, 3, kBlue);
        TButtonGlyph g;
        g.SetGlyph(img);
        const QImage dis = g.StateImageContents(gsDisabled);
        QCOMPARE(opaque(dis, 3, 3), SystemColors::ButtonHighlight().rgb());
        QCOMPARE(opaque(dis, 4, 3), SystemColors::ButtonShadow().rgb());
        QCOMPARE(opaque(dis, 5, 3), kBlue);   // other colours stay
        QCOMPARE(qAlpha(dis.pixel(0, 0)), 0); // transparent colour: face, see-through
        QCOMPARE(opaque(dis, 8, 8), kRed);
    }

    void singleCellDisabledIsEmbossedFromBlackPixels()
    {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(kOlive);
        for (int x = 2; x < 8; ++x)
            img.setPixel(x, 4, qRgb(0, 0, 0)); // a black bar
        for (int y = 8; y < 12; ++y)
            for (int x = 8; x < 12; ++x)
                img.setPixel(x, y, kRed); // a coloured block
        TButtonGlyph g;
        g.SetGlyph(img);
        QCOMPARE(g.NumGlyphs(), 1);
        const QImage dis = g.StateImageContents(gsDisabled);
        const QRgb shadow = SystemColors::ButtonShadow().rgb();
        const QRgb light = SystemColors::ButtonHighlight().rgb();
        for (int x = 2; x < 8; ++x)
            QCOMPARE(opaque(dis, x, 4), shadow);
        for (int x = 3; x < 9; ++x)
            QCOMPARE(opaque(dis, x, 5), light); // relief one pixel down-right
        QCOMPARE(qAlpha(dis.pixel(2, 5)), 0);
        QCOMPARE(qAlpha(dis.pixel(9, 9)), 0); // coloured areas vanish into the face
        QCOMPARE(qAlpha(dis.pixel(0, 15)), 0);
    }

    void listsAreSharedBySizeAndDieWithTheirLastSlot()
    {
        auto a = std::make_unique<TButtonGlyph>();
        auto b = std::make_unique<TButtonGlyph>();
        auto c = std::make_unique<TButtonGlyph>();
        a->SetGlyph(strip(18, 18, {kRed, kBlue}));
        b->SetGlyph(strip(18, 18, {kBlue, kRed}));
        c->SetGlyph(strip(16, 16, {kRed, kBlue}));
        a->StateImage(gsUp);
        b->StateImage(gsUp);
        b->StateImage(gsDisabled);
        c->StateImage(gsUp);
        TGlyphCache *cache = TGlyphCache::Instance();
        QVERIFY(cache);
        QCOMPARE(cache->ListCount(), 2);
        QCOMPARE(a->GlyphList(), b->GlyphList());
        QCOMPARE(a->GlyphList()->inUseCount(), 3);

        c.reset();
        QCOMPARE(cache->ListCount(), 1);

        // A freed slot is reused by the next image, without growing the list.
        TGlyphList *list = a->GlyphList();
        const int images = list->imageCount();
        const int aSlot = a->StateImage(gsUp);
        a->SetGlyph(strip(18, 18, {kGreen, kBlue})); // drops a's image
        QCOMPARE(list->inUseCount(), 2);
        QCOMPARE(b->StateImage(gsExclusive), aSlot);
        QCOMPARE(list->imageCount(), images);

        b.reset();
        a.reset();
        QVERIFY(!TGlyphCache::Instance()); // last painter gone with nothing cached
    }

    void layoutArithmetic_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("glyph");
        QTest::addColumn<QSize>("text");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<bool>("rightAlign");
        QTest::addColumn<QPoint>("glyphPos");
        QTest::addColumn<QPoint>("captionPos");

        QTest::newRow("equal gaps") << QSize(100, 30) << QSize(18, 18) << QSize(40, 14) << int(blGlyphLeft) << -1 << -1
                                    << false << QPoint(14, 6) << QPoint(46, 8);
        QTest::newRow("centred block") << QSize(75, 30) << QSize(18, 18) << QSize(40, 14) << int(blGlyphLeft) << -1 << 4
                                       << false << QPoint(7, 6) << QPoint(29, 8);
        QTest::newRow("glyph right") << QSize(75, 30) << QSize(18, 18) << QSize(40, 14) << int(blGlyphRight) << -1 << 4
                                     << false << QPoint(50, 6) << QPoint(6, 8);
        QTest::newRow("right align swaps") << QSize(75, 30) << QSize(18, 18) << QSize(40, 14) << int(blGlyphLeft) << -1
                                           << 4 << true << QPoint(50, 6) << QPoint(6, 8);
        QTest::newRow("top unaffected by right align")
            << QSize(60, 60) << QSize(18, 18) << QSize(40, 14) << int(blGlyphTop) << -1 << 4 << true << QPoint(21, 12)
            << QPoint(10, 34);
        QTest::newRow("bottom") << QSize(60, 60) << QSize(18, 18) << QSize(40, 14) << int(blGlyphBottom) << 2 << 4
                                << false << QPoint(21, 40) << QPoint(10, 22);
        QTest::newRow("caption centred after glyph")
            << QSize(100, 30) << QSize(18, 18) << QSize(40, 14) << int(blGlyphLeft) << 5 << -1 << false << QPoint(5, 6)
            << QPoint(41, 8);
        QTest::newRow("empty glyph centres caption")
            << QSize(100, 30) << QSize(0, 0) << QSize(40, 14) << int(blGlyphLeft) << -1 << 4 << false << QPoint(30, 15)
            << QPoint(30, 8);
        QTest::newRow("no caption centres glyph") << QSize(100, 30) << QSize(18, 18) << QSize(0, 0) << int(blGlyphLeft)
                                                  << -1 << 4 << false << QPoint(41, 6) << QPoint(59, 15);
        // 30 - (18 + 4 + 40) + 1 = -31, halved toward zero: -15.
        QTest::newRow("negative room") << QSize(30, 30) << QSize(18, 18) << QSize(40, 14) << int(blGlyphLeft) << -1 << 4
                                       << false << QPoint(-15, 6) << QPoint(7, 8);
    }

    void layoutArithmetic()
    {
        QFETCH(QSize, client);
        QFETCH(QSize, glyph);
        QFETCH(QSize, text);
        QFETCH(int, layout);
        QFETCH(int, margin);
        QFETCH(int, spacing);
        QFETCH(bool, rightAlign);
        const TFaceLayout l = TButtonGlyph::ComputeLayout(client, glyph, text, static_cast<TButtonLayout>(layout),
                                                          margin, spacing, rightAlign);
        QTEST(l.glyph, "glyphPos");
        QTEST(l.caption, "captionPos");
    }

    void marginAndSpacingBothAutomatic()
    {
        const TFaceLayout l = TButtonGlyph::ComputeLayout(QSize(100, 20), QSize(18, 18), QSize(40, 10), blGlyphLeft, -1,
                                                          -1, false);
        QCOMPARE(l.margin, 14);
        QCOMPARE(l.spacing, 14);
    }

    void layoutFaceOffsetsByClientCorner()
    {
        TButtonGlyph g;
        g.SetGlyph(strip(18, 18, {kRed, kBlue}));
        QImage canvas(120, 40, QImage::Format_RGB32);
        QPainter p(&canvas);
        QPoint glyphPos;
        QRect captionRect;
        g.LayoutFace(p, QRect(10, 5, 80, 30), QString(), blGlyphLeft, -1, 4, 0, glyphPos, captionRect);
        QCOMPARE(glyphPos, QPoint(10 + 31, 5 + 6));
        QCOMPARE(captionRect.size(), QSize(0, 0));
        g.LayoutFace(p, QRect(10, 5, 80, 30), QStringLiteral("&Go"), blGlyphLeft, -1, 4, 0, glyphPos, captionRect);
        QCOMPARE(captionRect.width(), p.fontMetrics().horizontalAdvance(QStringLiteral("Go")));
    }

    void paintedGlyphLeavesSeeThroughPixelsAlone()
    {
        TButtonGlyph g;
        g.SetGlyph(strip(18, 18, {kRed, kBlue}));
        QImage canvas(40, 30, QImage::Format_RGB32);
        canvas.fill(kGreen);
        QPainter p(&canvas);
        g.PaintFace(p, canvas.rect(), QString(), blGlyphLeft, -1, 4, gsUp, 0);
        p.end();
        const int x0 = 11, y0 = 6;              // centred 18 x 18
        QCOMPARE(canvas.pixel(x0, y0), kGreen); // olive border did not paint
        QCOMPARE(canvas.pixel(x0 + 5, y0 + 5), kRed);
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                QVERIFY(canvas.pixel(x, y) != kOlive);
    }

    void captionAccessKeyAndDisabledEmboss()
    {
        auto render = [](const QString &caption, TGlyphState state, int mnemonic) {
            QImage img(80, 24, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            p.setPen(QColor(200, 0, 0));
            if (mnemonic)
                TButtonGlyph::PaintCaption(p, caption, QRect(2, 2, 70, 18), state, 0);
            else
                p.drawText(QRect(2, 2, 70, 18), Qt::AlignHCenter | Qt::AlignTop, caption);
            return img;
        };
        // "&&" draws one ampersand; a single one underlines the next letter.
        QCOMPARE(render(QStringLiteral("A&&B"), gsUp, 1), render(QStringLiteral("A&B"), gsUp, 0));
        QVERIFY(render(QStringLiteral("&AB"), gsUp, 1) != render(QStringLiteral("AB"), gsUp, 0));

        const QImage dis = render(QStringLiteral("AB"), gsDisabled, 1);
        bool shadow = false, light = false, pen = false;
        for (int y = 0; y < dis.height(); ++y)
            for (int x = 0; x < dis.width(); ++x) {
                shadow |= dis.pixel(x, y) == SystemColors::ButtonShadow().rgb();
                light |= dis.pixel(x, y) == SystemColors::ButtonHighlight().rgb();
                pen |= dis.pixel(x, y) == qRgb(200, 0, 0);
            }
        QVERIFY(shadow);
        QVERIFY(light);
        QVERIFY(!pen); // the font colour is ignored
    }
};

QTEST_MAIN(TstButtonGlyph)
#include "tst_buttonglyph.moc"
