// Bitmap button painting, classic and themed: frames, state numbers asked of
// the visual-style service, the pressed offset, see-through glyph pixels and
// the disabled look. Also writes screenshots of both looks to shots/ beside
// the test program.

#include "controls/ButtonsXP.h"
#include "controls/SystemColors.h"
#include "controls/UxTheme.h"

#include <QApplication>
#include <QDir>
#include <QStyle>
#include <QGridLayout>
#include <QLibrary>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {
const QRgb kLime = qRgb(0, 255, 0);    // inside the OK glyph
const QRgb kOlive = qRgb(128, 128, 0); // the glyphs' see-through colour
const QRgb kText = qRgb(0, 0, 200);

QRect boundsOf(const QImage &img, QRgb colour)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == colour)
                r |= QRect(x, y, 1, 1);
    return r;
}

// The caption's pixels: clearly the (blue) button-text colour, also where
// anti-aliasing blends it with the face.
QRect captionBounds(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qBlue(p) - qRed(p) > 100 && qBlue(p) - qGreen(p) > 100)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}

bool contains(const QImage &img, QRgb colour)
{
    return !boundsOf(img, colour).isNull();
}

QImage shot(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

template <class F>
F probe(const char *name)
{
    return reinterpret_cast<F>(QLibrary(QCoreApplication::applicationDirPath() + "/kxtheme_probe").resolve(name));
}

void useService(const char *name)
{
    ReleaseVisualStyles();
    QVERIFY(SetVisualStylesLibraryName(QString::fromLatin1(name)));
}
} // namespace

class TstBitBtnPaint : public QObject {
    Q_OBJECT

    QString m_shots;

    // A window with one OK button (plus an edit to park the focus on).
    struct Rig {
        QWidget window;
        QLineEdit *edit;
        TBitBtnXP *button;
        Rig()
        {
            auto *l = new QGridLayout(&window);
            edit = new QLineEdit(&window);
            button = new TBitBtnXP(&window);
            button->setKind(TBitBtnXP::bkOK);
            button->setFixedSize(90, 30);
            l->addWidget(edit, 0, 0);
            l->addWidget(button, 1, 0);
            window.show();
        }
    };

    void saveShot(QWidget *w, const QString &name) { QVERIFY(w->grab().save(m_shots + "/" + name)); }

    // A panel of every kind and state, for the screenshots.
    std::unique_ptr<QWidget> gallery()
    {
        auto w = std::make_unique<QWidget>();
        auto *grid = new QGridLayout(w.get());
        int i = 0;
        for (int k = TBitBtnXP::bkOK; k <= TBitBtnXP::bkAll; ++k) {
            auto *b = new TBitBtnXP(w.get());
            if (k == TBitBtnXP::bkAll)
                b->setText(QStringLiteral("Check for deadlines now!"));
            b->setKind(static_cast<TBitBtnXP::TBitBtnXPKind>(k));
            b->setMinimumSize(k == TBitBtnXP::bkAll ? 200 : 90, 30);
            grid->addWidget(b, i / 4, i % 4);
            ++i;
        }
        auto *disabled = new TBitBtnXP(w.get());
        disabled->setKind(TBitBtnXP::bkRetry);
        disabled->setEnabled(false);
        grid->addWidget(disabled, i / 4, i % 4);
        ++i;
        auto *top = new TBitBtnXP(w.get());
        top->setKind(TBitBtnXP::bkHelp);
        top->setLayout(blGlyphTop);
        top->setMinimumSize(90, 48);
        grid->addWidget(top, i / 4, i % 4);
        w->show();
        return w;
    }

private slots:
    void initTestCase()
    {
        QPalette pal = QGuiApplication::palette();
        pal.setColor(QPalette::Button, QColor(212, 208, 200));
        pal.setColor(QPalette::Light, QColor(255, 255, 255));
        pal.setColor(QPalette::Midlight, QColor(230, 228, 224));
        pal.setColor(QPalette::Dark, QColor(128, 128, 140));
        pal.setColor(QPalette::Shadow, QColor(40, 40, 40));
        pal.setColor(QPalette::WindowText, QColor(0, 0, 0));
        pal.setColor(QPalette::ButtonText, QColor(kText));
        QGuiApplication::setPalette(pal);
        m_shots = QCoreApplication::applicationDirPath() + "/shots";
        QDir().mkpath(m_shots);
    }

    void classicFrames()
    {
        useService("kalvix_no_such_theme");
        Rig rig;
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        rig.edit->setFocus();
        QVERIFY(!rig.button->themedNow());
        QImage img = shot(rig.button);
        // The default button: a window-frame ring around the raised frame.
        QCOMPARE(img.pixel(0, 0), SystemColors::WindowFrame().rgb());
        QCOMPARE(img.pixel(1, 1), SystemColors::ButtonHighlight().rgb());
        QCOMPARE(img.pixel(88, 28), SystemColors::DarkShadow().rgb());
        QCOMPARE(img.pixel(5, 5), SystemColors::ButtonFace().rgb());

        // Focused as well: dotted focus rectangle 4 pixels inside the edge.
        rig.button->setFocus();
        img = shot(rig.button);
        const QRgb face = SystemColors::ButtonFace().rgb();
        QCOMPARE(img.pixel(4, 4), face ^ 0x00ffffff);
        QCOMPARE(img.pixel(5, 4), face);
        QCOMPARE(img.pixel(6, 4), face ^ 0x00ffffff);
        QCOMPARE(img.pixel(3, 3), face);

        // Not the default: no ring, the raised frame starts at the edge.
        rig.button->setDefault(false);
        rig.edit->setFocus();
        img = shot(rig.button);
        QCOMPARE(img.pixel(0, 0), SystemColors::ButtonHighlight().rgb());
        QCOMPARE(img.pixel(89, 29), SystemColors::DarkShadow().rgb());
    }

    // The classic raised frame is lit from the top left: its inner top and
    // left edges are lighter than the face, also where the desktop palette's
    // mid-light role is darker than the face (as Fusion's is).
    void classicBevelInnerEdgeIsLight()
    {
        useService("kalvix_no_such_theme");
        const QPalette saved = QGuiApplication::palette();
        QPalette pal = saved;
        pal.setColor(QPalette::Button, QColor(239, 239, 239));
        pal.setColor(QPalette::Light, QColor(255, 255, 255));
        pal.setColor(QPalette::Midlight, QColor(202, 202, 202));
        QGuiApplication::setPalette(pal);
        Rig rig;
        rig.button->setDefault(false);
        rig.edit->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        const QImage img = shot(rig.button);
        const int face = QColor(img.pixel(10, 10)).lightness();
        QCOMPARE(QColor(img.pixel(10, 10)), QColor(239, 239, 239));
        QVERIFY2(QColor(img.pixel(10, 1)).lightness() > face, "inner top edge");
        QVERIFY2(QColor(img.pixel(1, 10)).lightness() > face, "inner left edge");
        QVERIFY(QColor(img.pixel(10, 28)).lightness() < face); // inner bottom: shadow
        QGuiApplication::setPalette(saved);
    }

    void pressedFaceMovesOnePixel_data()
    {
        QTest::addColumn<QByteArray>("service");
        QTest::newRow("classic") << QByteArray("kalvix_no_such_theme");
        QTest::newRow("themed") << QByteArray("kalvixtheme");
    }

    void pressedFaceMovesOnePixel()
    {
        QFETCH(QByteArray, service);
        useService(service.constData());
        Rig rig;
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        rig.button->setDefault(false);
        rig.button->setFocus(); // a press focuses it; keep the look the same
        const QImage up = shot(rig.button);
        QTest::mousePress(rig.button, Qt::LeftButton);
        QVERIFY(rig.button->isDown());
        const QImage down = shot(rig.button);
        QTest::mouseRelease(rig.button, Qt::LeftButton);

        const QRect a = boundsOf(up, kLime), b = boundsOf(down, kLime);
        QVERIFY(!a.isNull());
        QCOMPARE(b, a.translated(1, 1));
        const QRect ta = captionBounds(up), tb = captionBounds(down);
        QVERIFY(!ta.isNull());
        QCOMPARE(tb, ta.translated(1, 1));
        QVERIFY(!contains(up, kOlive)); // see-through pixels show the face
        QVERIFY(!contains(down, kOlive));
    }

    void disabledButtonIsEmbossed()
    {
        useService("kalvix_no_such_theme");
        Rig rig;
        rig.button->setEnabled(false);
        const QImage img = shot(rig.button);
        QVERIFY(!contains(img, kLime));       // the disabled cell, not the coloured one
        QVERIFY(captionBounds(img).isNull()); // caption ignores the font colour
        QVERIFY(!contains(img, kOlive));
        // Caption and glyph in shadow with a highlight relief.
        const QRect shadow = boundsOf(img.copy(3, 3, 84, 24), SystemColors::ButtonShadow().rgb());
        QVERIFY(shadow.width() > 20);
    }

    void themedStateNumbers()
    {
        useService("kxtheme_probe");
        auto reset = probe<void (*)()>("ProbeResetLog");
        auto count = probe<int (*)()>("ProbeLogCount");
        auto entry = probe<int (*)(int)>("ProbeLogEntry");
        auto handles = probe<int (*)()>("ProbeOpenHandles");
        auto colour = probe<std::uint32_t (*)(int)>("ProbeStateColor");
        QVERIFY(reset && count && entry && handles && colour);
        const int handlesBefore = handles();
        auto lastState = [&](TBitBtnXP *b) {
            reset();
            const QImage img = shot(b);
            Q_UNUSED(img);
            return count() > 0 ? entry(count() - 1) : -1;
        };
        {
            Rig rig;
            QVERIFY(QTest::qWaitForWindowActive(&rig.window));
            QCOMPARE(handles(), handlesBefore + 1);
            QVERIFY(rig.button->themedNow());
            rig.edit->setFocus();
            QCOMPARE(lastState(rig.button), 101); // the default button: state 1
            const QImage img = shot(rig.button);
            QCOMPARE(img.pixel(0, 0), colour(1) | 0xff000000); // no frame ring when themed
            rig.button->setDefault(false);
            QCOMPARE(lastState(rig.button), 100); // plain: state 0
            rig.button->setFocus();
            QCOMPARE(lastState(rig.button), 101); // focused: state 1
            QTest::mousePress(rig.button, Qt::LeftButton);
            QCOMPARE(lastState(rig.button), 103); // pressed: state 3
            QTest::mouseRelease(rig.button, Qt::LeftButton);
            rig.button->setEnabled(false);
            QCOMPARE(lastState(rig.button), 104); // disabled: state 4

            // Not themed any more: the classic look, the service is not asked.
            probe<void (*)(int)>("ProbeSetAppThemed")(0);
            rig.button->setEnabled(true);
            QCOMPARE(lastState(rig.button), -1);
            probe<void (*)(int)>("ProbeSetAppThemed")(1);
        }
        QCOMPARE(handles(), handlesBefore); // closed at destruction
    }

    void serviceWithoutDrawingStaysClassic()
    {
        useService("kxtheme_partial");
        Rig rig;
        QVERIFY(!rig.button->themedNow());
        QVERIFY(VisualStylesLoaded()); // the service was there: loaded when asked
        const QImage img = shot(rig.button);
        QCOMPARE(img.pixel(0, 0), SystemColors::WindowFrame().rgb());
    }

    void screenshotsOfBothLooks()
    {
        // In the desktop's own colours, as a user would see them.
        QGuiApplication::setPalette(QApplication::style()->standardPalette());
        useService("kalvix_no_such_theme");
        QImage classic;
        {
            auto w = gallery();
            classic = shot(w.get());
            saveShot(w.get(), QStringLiteral("buttons_classic.png"));
        }
        useService("kalvixtheme");
        {
            auto w = gallery();
            QVERIFY(w->findChild<TBitBtnXP *>()->themedNow());
            QVERIFY(shot(w.get()) != classic);
            saveShot(w.get(), QStringLiteral("buttons_themed.png"));
        }
        for (const char *service : {"kalvix_no_such_theme", "kalvixtheme"}) {
            useService(service);
            Rig rig;
            QVERIFY(QTest::qWaitForWindowActive(&rig.window));
            rig.button->setFocus();
            const QString look = VisualStylesActive() ? "themed" : "classic";
            saveShot(rig.button, "ok_focused_" + look + ".png");
            QTest::mousePress(rig.button, Qt::LeftButton);
            saveShot(rig.button, "ok_pressed_" + look + ".png");
            QTest::mouseRelease(rig.button, Qt::LeftButton);
        }
    }
};

QTEST_MAIN(TstBitBtnPaint)
#include "tst_bitbtnpaint.moc"
