// Image button: the two pictures through real mouse presses, drags and
// releases, and the click raised with the normal picture back.

#include "controls/ImageBtnUnit.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {
QPixmap filled(QSize size, QColor colour)
{
    QPixmap p(size);
    p.fill(colour);
    return p;
}

QRgb shown(const TImageBtn &b)
{
    return b.picture().isNull() ? 0 : b.picture().toImage().pixel(0, 0);
}

const QRgb kNormal = qRgb(200, 0, 0);
const QRgb kPressed = qRgb(0, 0, 200);
} // namespace

class TstImageBtn : public QObject {
    Q_OBJECT

    // The button sits inside a larger window, so the pointer can leave it
    // while staying in the window.
    struct Rig {
        QWidget window;
        TImageBtn *button;
        Rig()
        {
            window.resize(200, 120);
            button = new TImageBtn(&window);
            button->move(50, 40);
            button->setPicture(filled(QSize(101, 30), kNormal));
            button->setPicture2(filled(QSize(101, 30), kPressed));
            window.show();
        }
    };

private slots:
    // In a bar taller than its picture, a layout leaves the button at the
    // picture's size.
    void layoutKeepsThePictureSize()
    {
        QWidget bar;
        bar.setFixedSize(300, 41);
        auto *h = new QHBoxLayout(&bar);
        h->setContentsMargins(4, 4, 4, 4);
        auto *b = new TImageBtn(&bar);
        b->setPicture(filled(QSize(101, 30), kNormal));
        h->addWidget(b);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QCOMPARE(b->size(), QSize(101, 30));
    }

    // Tab reaches the button; Space (pressed picture while held), Return and
    // Enter click it; Enter with Ctrl does not; a screen reader finds a
    // named push button and presses it.
    void keyboardAndScreenReader()
    {
        QWidget window;
        auto *h = new QHBoxLayout(&window);
        auto *edit = new QLineEdit(&window);
        auto *b = new TImageBtn(&window);
        b->setPicture(filled(QSize(101, 30), kNormal));
        b->setPicture2(filled(QSize(101, 30), kPressed));
        b->setToolTip(QStringLiteral("Hereby you leave the program"));
        h->addWidget(edit);
        h->addWidget(b);
        QSignalSpy clicks(b, &TImageBtn::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(b->hasFocus());
        QTest::keyPress(b, Qt::Key_Space);
        QCOMPARE(shown(*b), kPressed);
        QCOMPARE(clicks.count(), 0);
        QTest::keyRelease(b, Qt::Key_Space);
        QCOMPARE(shown(*b), kNormal);
        QCOMPARE(clicks.count(), 1);
        QTest::keyClick(b, Qt::Key_Return);
        QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.count(), 3);
        QTest::keyClick(b, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicks.count(), 3);
        // The focus rectangle is drawn inside the picture, which keeps its size.
        QCOMPARE(b->size(), QSize(101, 30));
        QVERIFY(b->grab().toImage().pixel(3, 3) != kNormal);

        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Hereby you leave the program"));
        b->setAccessibleName(QStringLiteral("Exit"));
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Exit"));
        QVERIFY(a->actionInterface());
        QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks.count(), 4);
    }

    void pressDragOutDragBackRelease()
    {
        Rig rig;
        TImageBtn *b = rig.button;
        QList<QRgb> seenAtClick;
        connect(b, &TImageBtn::clicked, b, [&] { seenAtClick << shown(*b); });

        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(shown(*b), kPressed);
        QVERIFY(b->tracking());
        QTest::mouseMove(b, QPoint(-5, 10));
        QCOMPARE(shown(*b), kNormal);
        QVERIFY(b->tracking());
        QTest::mouseMove(b, QPoint(100, 29)); // last pixel inside
        QCOMPARE(shown(*b), kPressed);
        QTest::mouseMove(b, QPoint(101, 29)); // first pixel outside
        QCOMPARE(shown(*b), kNormal);
        QTest::mouseMove(b, QPoint(20, 20));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(shown(*b), kNormal);
        QVERIFY(!b->tracking());
        QCOMPARE(seenAtClick, QList<QRgb>{kNormal}); // one click, normal picture back
    }

    void releaseOutsideRaisesNoClick()
    {
        Rig rig;
        QSignalSpy clicks(rig.button, &TImageBtn::clicked);
        QTest::mousePress(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(rig.button, QPoint(10, 40));
        QTest::mouseRelease(rig.button, Qt::LeftButton, {}, QPoint(10, 40));
        QCOMPARE(shown(*rig.button), kNormal);
        QCOMPARE(clicks.count(), 0);
    }

    void rightButtonShowsPressedWithoutClick()
    {
        Rig rig;
        QSignalSpy clicks(rig.button, &TImageBtn::clicked);
        QTest::mousePress(rig.button, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(shown(*rig.button), kPressed);
        QTest::mouseRelease(rig.button, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(shown(*rig.button), kNormal);
        QCOMPARE(clicks.count(), 0);
    }

    void doubleClickRaisesOneClick()
    {
        Rig rig;
        QSignalSpy clicks(rig.button, &TImageBtn::clicked);
        // Press, release, the second press as a double-click event, release.
        QTest::mouseClick(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseDClick(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(shown(*rig.button), kPressed);
        QTest::mouseRelease(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(shown(*rig.button), kNormal);
    }

    void emptyPressedPictureKeepsSize()
    {
        Rig rig;
        rig.button->setPicture2(QPixmap());
        QTest::mousePress(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(rig.button->picture().isNull());
        QCOMPARE(rig.button->size(), QSize(101, 30));
        QTest::mouseRelease(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(shown(*rig.button), kNormal);
    }

    void pressedPictureOfOtherSizeResizes()
    {
        Rig rig;
        rig.button->setPicture2(filled(QSize(60, 20), kPressed));
        QTest::mousePress(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(rig.button->size(), QSize(60, 20));
        QTest::mouseRelease(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(rig.button->size(), QSize(101, 30));
    }

    void pictureSetWhilePressedIsReplacedAtRelease()
    {
        Rig rig;
        QTest::mousePress(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        rig.button->setPicture(filled(QSize(101, 30), Qt::green));
        QTest::mouseRelease(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(shown(*rig.button), kNormal);
    }

    void showPressedTwiceKeepsTheSavedPicture()
    {
        TImageBtn b;
        b.setPicture(filled(QSize(10, 10), kNormal));
        b.setPicture2(filled(QSize(10, 10), kPressed));
        b.ShowPressed();
        b.ShowPressed();
        QVERIFY(b.showingPressed());
        b.ShowNormal();
        QCOMPARE(shown(b), kNormal);
        b.ShowNormal(); // nothing to put back
        QCOMPARE(shown(b), kNormal);
        QVERIFY(!b.showingPressed());
    }

    void paintsThePictureShown()
    {
        Rig rig;
        QCOMPARE(rig.button->grab().toImage().pixel(5, 5), kNormal);
        QTest::mousePress(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(rig.button->grab().toImage().pixel(5, 5), kPressed);
        QTest::mouseRelease(rig.button, Qt::LeftButton, {}, QPoint(10, 10));
    }
};

QTEST_MAIN(TstImageBtn)
#include "tst_imagebtn.moc"
