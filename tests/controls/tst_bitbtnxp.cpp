// Bitmap button behaviour: kinds, form loading, reverting to custom, clicks
// of the special kinds, modal results and the active look. Drawn classic
// (no visual-style service) throughout; painting has its own suite.

#include "controls/ButtonsXP.h"
#include "controls/FormLoading.h"
#include "controls/UxTheme.h"

#include "ui_bitbtnform.h"

#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

class TstBitBtnXP : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(SetVisualStylesLibraryName(QStringLiteral("kalvix_no_such_theme"))); }

    void kindTable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("isDefault");
        QTest::addColumn<bool>("isCancel");
        QTest::addColumn<QSize>("glyph");
        QTest::newRow("OK") << int(TBitBtnXP::bkOK) << "OK" << 1 << true << false << QSize(36, 18);
        QTest::newRow("Cancel") << int(TBitBtnXP::bkCancel) << "Cancel" << 2 << false << true << QSize(36, 18);
        QTest::newRow("Help") << int(TBitBtnXP::bkHelp) << "&Help" << 0 << false << false << QSize(36, 18);
        QTest::newRow("All") << int(TBitBtnXP::bkAll) << "&All" << 8 << false << false << QSize(36, 19);
    }

    // A few rows of the kind table; the rest is the same code path with
    // other data. The pictures must load from the resources.
    void kindTable()
    {
        QFETCH(int, kind);
        TBitBtnXP b;
        b.setKind(static_cast<TBitBtnXP::TBitBtnXPKind>(kind));
        QCOMPARE(int(b.kind()), kind);
        QTEST(b.text(), "caption");
        QTEST(b.modalResult(), "result");
        QTEST(b.defaultRole(), "isDefault");
        QTEST(b.cancel(), "isCancel");
        QTEST(b.glyph().size(), "glyph");
        QCOMPARE(b.numGlyphs(), 2); // also for the 36 x 19 strip: two 18 x 19 cells
    }

    void pairedKindsShareTheirPicture()
    {
        TBitBtnXP ok, yes, cancel, abort;
        ok.setKind(TBitBtnXP::bkOK);
        yes.setKind(TBitBtnXP::bkYes);
        cancel.setKind(TBitBtnXP::bkCancel);
        abort.setKind(TBitBtnXP::bkAbort);
        QCOMPARE(ok.glyph().toImage(), yes.glyph().toImage());
        QCOMPARE(cancel.glyph().toImage(), abort.glyph().toImage());
        QVERIFY(ok.glyph().toImage() != cancel.glyph().toImage());
    }

    void formCaptionSurvivesKind()
    {
        QDialog dialog;
        Ui::BitBtnForm form;
        {
            FormLoading loading(&dialog);
            form.setupUi(&dialog);
        }
        QCOMPARE(form.CheckBtn->text(), QStringLiteral("Check for deadlines now!"));
        QCOMPARE(form.CheckBtn->kind(), TBitBtnXP::bkAll);
        QCOMPARE(form.CheckBtn->modalResult(), 8);
        QCOMPARE(form.CheckBtn->glyph().size(), QSize(36, 19));
        QCOMPARE(form.OkBtn->text(), QStringLiteral("OK"));
        QVERIFY(form.OkBtn->defaultRole());
    }

    void kindAtRunTimeReplacesCaption()
    {
        // Never shown nor polished: outside a form's loading the kind's
        // caption still wins.
        QWidget window;
        TBitBtnXP b(&window);
        b.setText(QStringLiteral("Whatever"));
        b.setKind(TBitBtnXP::bkCancel);
        QCOMPARE(b.text(), QStringLiteral("Cancel"));
        b.setKind(TBitBtnXP::bkCustom); // keeps everything
        QCOMPARE(b.text(), QStringLiteral("Cancel"));
        QCOMPARE(b.modalResult(), 2);
        QVERIFY(b.cancel());

        // Inside the loading of its window the form's caption stays; after
        // it, a new kind brings its own caption again.
        {
            FormLoading loading(&window);
            b.setText(QStringLiteral("Check now"));
            b.setKind(TBitBtnXP::bkAll);
            QCOMPARE(b.text(), QStringLiteral("Check now"));
        }
        b.setKind(TBitBtnXP::bkRetry);
        QCOMPARE(b.text(), QStringLiteral("&Retry"));
    }

    void alteredStandardButtonBecomesCustom()
    {
        TBitBtnXP yes;
        yes.setKind(TBitBtnXP::bkYes);
        const QImage glyph = yes.glyph().toImage();
        yes.setDefault(false);
        QCOMPARE(yes.kind(), TBitBtnXP::bkCustom);
        QCOMPARE(yes.text(), QStringLiteral("&Yes"));
        QCOMPARE(yes.modalResult(), 6);
        QCOMPARE(yes.glyph().toImage(), glyph);
        yes.setDefault(true);
        QCOMPARE(yes.kind(), TBitBtnXP::bkCustom); // for good

        TBitBtnXP ok;
        ok.setKind(TBitBtnXP::bkOK);
        ok.setGlyph(ok.glyph()); // even the same picture counts as changed
        QCOMPARE(ok.kind(), TBitBtnXP::bkCustom);

        TBitBtnXP no;
        no.setKind(TBitBtnXP::bkNo);
        no.setModalResult(3);
        QCOMPARE(no.kind(), TBitBtnXP::bkCustom);

        TBitBtnXP cancel;
        cancel.setKind(TBitBtnXP::bkCancel);
        cancel.setCancel(false);
        QCOMPARE(cancel.kind(), TBitBtnXP::bkCustom);
    }

    void settersIgnoreOutOfRangeValues()
    {
        TBitBtnXP b;
        b.setMargin(-2);
        QCOMPARE(b.margin(), -1);
        b.setMargin(3);
        QCOMPARE(b.margin(), 3);
        b.setNumGlyphs(7);
        QCOMPARE(b.numGlyphs(), 4);
        b.setNumGlyphs(0);
        QCOMPARE(b.numGlyphs(), 4);
        QCOMPARE(b.spacing(), 4);
        QCOMPARE(b.glyphLayout(), blGlyphLeft);
        QCOMPARE(b.buttonStyle(), TBitBtnXP::bsAutoDetect);
        QVERIFY(b.setProperty("Layout", QVariant::fromValue(blGlyphTop)));
        QCOMPARE(b.glyphLayout(), blGlyphTop);
        QVERIFY(b.setProperty("Kind", QVariant::fromValue(TBitBtnXP::bkRetry)));
        QCOMPARE(b.modalResult(), 4);
    }

    void clickHandsModalResultToDialog()
    {
        QDialog dialog;
        auto *ok = new TBitBtnXP(&dialog);
        ok->setKind(TBitBtnXP::bkOK);
        dialog.show();
        QSignalSpy clicked(ok, &QAbstractButton::clicked);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(TBitBtnXP::mrOk));

        // A handler that takes the result back keeps the dialog open.
        dialog.show();
        dialog.setResult(0);
        connect(ok, &QAbstractButton::clicked, &dialog, [&dialog] { dialog.setResult(0); });
        QTest::mouseClick(ok, Qt::LeftButton);
        QCoreApplication::processEvents(); // runs the dialog's deferred close
        QVERIFY(dialog.isVisible());
    }

    void escapePressesCancelButton()
    {
        QDialog dialog;
        auto *layout = new QVBoxLayout(&dialog);
        auto *edit = new QLineEdit(&dialog);
        auto *cancel = new TBitBtnXP(&dialog);
        layout->addWidget(edit);
        layout->addWidget(cancel);
        cancel->setKind(TBitBtnXP::bkCancel);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(TBitBtnXP::mrCancel)); // not the plain rejection, 0
    }

    void closeKindClosesItsWindow()
    {
        QWidget window;
        auto *close = new TBitBtnXP(&window);
        close->setKind(TBitBtnXP::bkClose);
        window.show();
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!window.isVisible());

        QDialog dialog;
        auto *inDialog = new TBitBtnXP(&dialog);
        inDialog->setKind(TBitBtnXP::bkClose);
        inDialog->setModalResult(4); // reads custom now, still closes
        dialog.show();
        QTest::mouseClick(inDialog, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }

    void helpKindFindsContextUpTheParents()
    {
        QDialog dialog;
        auto *panel = new QWidget(&dialog);
        panel->setProperty("HelpContext", 42);
        auto *help = new TBitBtnXP(panel);
        help->setKind(TBitBtnXP::bkHelp);
        dialog.show();
        QSignalSpy spy(help, &TBitBtnXP::helpRequested);
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 42);

        // No context anywhere: an ordinary click.
        panel->setProperty("HelpContext", 0);
        help->setModalResult(5);
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), 5);
    }

    // Close and Help do their own job instead of the ordinary click, however
    // the button is pressed: the application's click handlers do not run.
    void specialKindsReplaceTheClick()
    {
        auto tryEveryPress = [](TBitBtnXP *button, QWidget *window, const std::function<void()> &expectJob) {
            int handlerRuns = 0;
            QObject::connect(button, &QAbstractButton::clicked, button, [&handlerRuns] { ++handlerRuns; });
            const QList<std::function<void()>> presses{
                [&] { QTest::mouseClick(button, Qt::LeftButton); },
                [&] {
                    button->setFocus();
                    QTest::keyClick(button, Qt::Key_Space);
                },
                [&] {
                    button->setFocus();
                    QTest::keyClick(button, Qt::Key_Return);
                },
                [&] { QTest::keyClick(window, button->text().at(1).toLatin1(), Qt::AltModifier); },
                [&] { button->click(); },
            };
            for (const auto &press : presses) {
                window->show();
                QVERIFY(QTest::qWaitForWindowActive(window));
                press();
                expectJob(); // waits for it: an access key clicks a moment later
                QCOMPARE(handlerRuns, 0);
            }
            QObject::disconnect(button, &QAbstractButton::clicked, button, nullptr);
            // The block on clicked() ends with the press: a button made custom
            // reports its clicks again.
            button->setKind(TBitBtnXP::bkCustom);
            button->setModalResult(0);
            int later = 0;
            QObject::connect(button, &QAbstractButton::clicked, button, [&later] { ++later; });
            window->show();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(later, 1);
        };

        QWidget window;
        auto *wl = new QVBoxLayout(&window);
        auto *close = new TBitBtnXP(&window);
        wl->addWidget(close);
        close->setKind(TBitBtnXP::bkClose);
        tryEveryPress(close, &window, [&] { QTRY_VERIFY(!window.isVisible()); });

        QWidget helpWindow;
        helpWindow.setProperty("HelpContext", 7);
        auto *hl = new QVBoxLayout(&helpWindow);
        auto *help = new TBitBtnXP(&helpWindow);
        hl->addWidget(help);
        help->setKind(TBitBtnXP::bkHelp);
        QSignalSpy asked(help, &TBitBtnXP::helpRequested);
        int expected = 0;
        tryEveryPress(help, &helpWindow, [&] {
            ++expected;
            QTRY_COMPARE(asked.count(), expected);
            QVERIFY(helpWindow.isVisible());
        });
    }

    // Enter with Shift, Ctrl or Alt held presses no button, neither the
    // focused one nor the dialog's default.
    void enterWithModifiersPressesNothing()
    {
        QDialog dialog;
        auto *layout = new QVBoxLayout(&dialog);
        auto *edit = new QLineEdit(&dialog);
        auto *ok = new TBitBtnXP(&dialog);
        auto *other = new TBitBtnXP(&dialog);
        layout->addWidget(edit);
        layout->addWidget(ok);
        layout->addWidget(other);
        ok->setKind(TBitBtnXP::bkOK);
        other->setText(QStringLiteral("Other"));
        QSignalSpy okClicks(ok, &QAbstractButton::clicked);
        QSignalSpy otherClicks(other, &QAbstractButton::clicked);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (Qt::KeyboardModifier m : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
                other->setFocus();
                QTest::keyClick(other, key, m);
                edit->setFocus();
                QTest::keyClick(edit, key, m);
            }
        }
        QCOMPARE(otherClicks.count(), 0);
        QCOMPARE(okClicks.count(), 0);
        QVERIFY(dialog.isVisible());
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(otherClicks.count(), 1);
    }

    // Two buttons made default in one dialog: the frame goes to the one the
    // active-look rule picks, the one Enter presses, and to that one only.
    void twoDefaultButtonsOneFrame()
    {
        QDialog dialog;
        auto *layout = new QVBoxLayout(&dialog);
        auto *edit = new QLineEdit(&dialog);
        auto *yes = new TBitBtnXP(&dialog);
        auto *ok = new TBitBtnXP(&dialog);
        layout->addWidget(edit);
        layout->addWidget(yes);
        layout->addWidget(ok);
        yes->setKind(TBitBtnXP::bkYes);
        ok->setKind(TBitBtnXP::bkOK); // made default last
        yes->setFixedSize(80, 26);
        ok->setFixedSize(80, 26);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
        QVERIFY(ok->activeLook() != yes->activeLook());
        TBitBtnXP *framed = ok->activeLook() ? ok : yes;
        TBitBtnXP *plain = framed == ok ? yes : ok;
        const QColor frame = dialog.palette().color(QPalette::WindowText);
        QCOMPARE(framed->grab().toImage().pixelColor(0, 0), frame);
        QVERIFY(plain->grab().toImage().pixelColor(0, 0) != frame);
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), framed->modalResult());
    }

    void doubleClickIsTwoClicks()
    {
        QWidget window;
        auto *b = new TBitBtnXP(&window);
        b->setText(QStringLiteral("Go"));
        window.show();
        QSignalSpy clicked(b, &QAbstractButton::clicked);
        // What the desktop sends for a double click: press, release, the
        // second press as a double-click event, release.
        QTest::mouseClick(b, Qt::LeftButton);
        QTest::mouseDClick(b, Qt::LeftButton);
        QTest::mouseRelease(b, Qt::LeftButton);
        QCOMPARE(clicked.count(), 2);
    }

    void activeLookFollowsFocus()
    {
        QDialog dialog;
        auto *layout = new QVBoxLayout(&dialog);
        auto *edit = new QLineEdit(&dialog);
        auto *ok = new TBitBtnXP(&dialog);
        auto *other = new TBitBtnXP(&dialog);
        layout->addWidget(edit);
        layout->addWidget(ok);
        layout->addWidget(other);
        ok->setKind(TBitBtnXP::bkOK);
        other->setText(QStringLiteral("Other"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        other->setFocus();
        QVERIFY(other->activeLook());
        QVERIFY(!ok->activeLook());
        edit->setFocus();
        QVERIFY(ok->activeLook());
        QVERIFY(!other->activeLook());
        QTest::keyClick(edit, Qt::Key_Return); // Enter presses the active one
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), 1);

        // The same rule in an ordinary window.
        QWidget window;
        auto *wl = new QVBoxLayout(&window);
        auto *wedit = new QLineEdit(&window);
        auto *wok = new TBitBtnXP(&window);
        auto *wother = new TBitBtnXP(&window);
        wl->addWidget(wedit);
        wl->addWidget(wok);
        wl->addWidget(wother);
        wok->setDefault(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        wedit->setFocus();
        QVERIFY(wok->activeLook());
        wother->setFocus();
        QVERIFY(!wok->activeLook());
        QVERIFY(wother->activeLook());
    }
};

QTEST_MAIN(TstBitBtnXP)
#include "tst_bitbtnxp.moc"
