// The reminder dialog driven with real key and mouse events: tab order,
// where the focus starts, which keys answer from which control, and the
// answer codes. Also one check run through the dialog end to end.
#include "reminders/DescriptionMemo.h"
#include "reminders/HeadingPanel.h"
#include "reminders/ReminderCheck.h"
#include "reminders/ReminderHeading.h"
#include "reminders/TerminFUnit.h"
#include "controls/ButtonsXP.h"
#include "controls/KindTable.h"
#include "reminders/TerminFormAnswers.h"
#include "reminders/TerminFormOnDemand.h"
#include "support/FixedClock.h"
#include "store/DateTimeValue.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// Shows the dialog modally and runs `script` once it is active and, as a
// person sees it, takes answers: its buttons are enabled. If the script
// leaves the dialog open, it is closed with -1 so a test that fails cannot
// hang in the modal loop.
int showAndRun(TTerminForm &form, const std::function<void()> &script, bool waitForAnswers = true)
{
    QTimer::singleShot(0, &form, [&] {
        if (QTest::qWaitForWindowActive(&form)
            && (!waitForAnswers || QTest::qWaitFor([&] { return form.RemindLaterBtn()->isEnabled(); })))
            script();
        else
            qWarning("reminder dialog never became active or never took answers");
        if (form.isVisible())
            form.done(-1);
    });
    return form.ShowModal();
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

// A key press as the user makes it: to whichever control has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget *w = focused();
    if (!w) { // the dialog closed early; the caller's checks will say why
        QTest::qFail("no control has the focus", __FILE__, __LINE__);
        return;
    }
    QTest::keyClick(w, key, mods);
}

} // namespace

class TstTerminForm : public QObject {
    Q_OBJECT
private slots:
    void layoutAndTexts()
    {
        TTerminForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Appointment reminder"));
        QCOMPARE(form.minimumSize(), QSize(394, 215));
        QCOMPARE(form.maximumSize(), QSize(394, 215));
        QCOMPARE(form.Heading()->height(), 33);
        QCOMPARE(form.Heading()->color(), QColor(240, 202, 166));
        QVERIFY(form.Heading()->font().bold());
        QCOMPARE(form.DescriptionField()->size(), QSize(377, 113));
        QVERIFY(form.DescriptionField()->isReadOnly());
        QCOMPARE(form.DescriptionField()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(form.DescriptionField()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(form.DescriptionField()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        const QColor tip = form.palette().color(QPalette::ToolTipBase);
        QCOMPARE(form.NameEdit()->palette().color(QPalette::Base), tip);
        QCOMPARE(form.DescriptionField()->palette().color(QPalette::Base), tip);

        QCOMPARE(form.CancelAllBtn()->text(), QStringLiteral("Cancel all"));
        QCOMPARE(form.DontRemindBtn()->text(), QStringLiteral("Don't remind anymore"));
        QCOMPARE(form.RemindLaterBtn()->text(), QStringLiteral("Remind later"));
        QVERIFY(form.CancelAllBtn()->x() < form.DontRemindBtn()->x());
        QVERIFY(form.DontRemindBtn()->x() < form.RemindLaterBtn()->x());
        QVERIFY(form.RemindLaterBtn()->isDefault());
        for (QPushButton *b : {form.CancelAllBtn(), form.DontRemindBtn(), form.RemindLaterBtn()}) {
            QVERIFY(!b->icon().isNull());
            QVERIFY(form.rect().contains(b->geometry()));
        }
        // Each answer wears the glyph of its button kind (cancel, ignore, yes).
        auto picture = [](const QIcon &icon) { return icon.pixmap(QSize(18, 18)).toImage(); };
        QCOMPARE(picture(form.CancelAllBtn()->icon()), picture(KindTable::GlyphIcon(TBitBtnXP::bkCancel)));
        QCOMPARE(picture(form.DontRemindBtn()->icon()), picture(KindTable::GlyphIcon(TBitBtnXP::bkIgnore)));
        QCOMPARE(picture(form.RemindLaterBtn()->icon()), picture(KindTable::GlyphIcon(TBitBtnXP::bkYes)));
        QVERIFY(picture(form.DontRemindBtn()->icon()) != picture(form.CancelAllBtn()->icon()));
        // A dialog border: no minimise or maximise box.
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void descriptionShowsLinesWhateverTheBreaks()
    {
        TTerminForm form;
        form.SetDescription(QStringLiteral("one\r\ntwo\nthree\rfour"));
        QCOMPARE(form.DescriptionField()->blockCount(), 4);
        QCOMPARE(form.DescriptionField()->toPlainText(), QStringLiteral("one\ntwo\nthree\nfour"));
        form.SetDescription(QString());
        QVERIFY(form.DescriptionField()->toPlainText().isEmpty());
    }

    void firstShowingFocusesTheDescriptionWhichKeepsEnterAndEscape()
    {
        TTerminForm form;
        form.SetDescription(QStringLiteral("read me"));
        QWidget *start = nullptr;
        bool openAfterEnter = false, openAfterEscape = false, openAfterTyping = false;
        const int result = showAndRun(form, [&] {
            start = focused();
            press(Qt::Key_Return);
            openAfterEnter = form.isVisible();
            press(Qt::Key_Enter, Qt::KeypadModifier);
            press(Qt::Key_Escape);
            openAfterEscape = form.isVisible();
            press(Qt::Key_X);
            openAfterTyping = form.isVisible();
            QTest::mouseClick(form.DontRemindBtn(), Qt::LeftButton);
        });
        QCOMPARE(start, static_cast<QWidget *>(form.DescriptionField()));
        QVERIFY(openAfterEnter);
        QVERIFY(openAfterEscape);
        QVERIFY(openAfterTyping);
        QCOMPARE(form.DescriptionField()->toPlainText(), QStringLiteral("read me"));
        QCOMPARE(result, ReminderAnswer::Ignore);
    }

    void tabOrderRunsThroughEveryControl()
    {
        TTerminForm form;
        QList<QWidget *> forward, backward;
        showAndRun(form, [&] {
            for (int i = 0; i < 5; ++i) {
                press(Qt::Key_Tab);
                forward << focused();
            }
            press(Qt::Key_Backtab);
            backward << focused();
            press(Qt::Key_Backtab);
            backward << focused();
            form.done(ReminderAnswer::Cancel);
        });
        const QList<QWidget *> expected{form.RemindLaterBtn(), form.DontRemindBtn(), form.CancelAllBtn(),
                                        form.NameEdit(), form.DescriptionField()};
        QCOMPARE(forward, expected);
        QCOMPARE(backward, (QList<QWidget *>{form.NameEdit(), form.CancelAllBtn()}));
    }

    void enterOnAButtonPressesThatButton_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("answer");
        QTest::newRow("Remind later") << 1 << ReminderAnswer::Yes;
        QTest::newRow("Don't remind anymore") << 2 << ReminderAnswer::Ignore;
        QTest::newRow("Cancel all") << 3 << ReminderAnswer::Cancel;
    }
    void enterOnAButtonPressesThatButton()
    {
        QFETCH(int, tabs);
        QFETCH(int, answer);
        TTerminForm form;
        const int result = showAndRun(form, [&] {
            for (int i = 0; i < tabs; ++i)
                press(Qt::Key_Tab);
            press(Qt::Key_Return);
        });
        QCOMPARE(result, answer);
    }

    void escapeOnAButtonCancelsAll()
    {
        TTerminForm form;
        const int result = showAndRun(form, [&] {
            press(Qt::Key_Tab); // "Remind later", the default button
            press(Qt::Key_Escape);
        });
        QCOMPARE(result, ReminderAnswer::Cancel);
    }

    void nameFieldEnterRemindsLaterEscapeCancels()
    {
        TTerminForm form;
        int enter = showAndRun(form, [&] {
            QTest::mouseClick(form.NameEdit(), Qt::LeftButton);
            QTest::keyClicks(form.NameEdit(), "typed");
            press(Qt::Key_Return);
        });
        QCOMPARE(enter, ReminderAnswer::Yes);

        QWidget *start = nullptr;
        const int escape = showAndRun(form, [&] {
            start = focused();
            press(Qt::Key_Escape);
        });
        QCOMPARE(start, static_cast<QWidget *>(form.NameEdit()));
        QCOMPARE(escape, ReminderAnswer::Cancel);

        enter = showAndRun(form, [&] { press(Qt::Key_Enter, Qt::KeypadModifier); });
        QCOMPARE(enter, ReminderAnswer::Yes);
    }

    void focusIsKeptFromOneShowingToTheNext()
    {
        TTerminForm form;
        int first = showAndRun(form, [&] {
            press(Qt::Key_Tab);
            press(Qt::Key_Tab); // "Don't remind anymore"
            press(Qt::Key_Return);
        });
        QCOMPARE(first, ReminderAnswer::Ignore);

        QWidget *start = nullptr;
        const int again = showAndRun(form, [&] {
            start = focused();
            press(Qt::Key_Return);
        });
        QCOMPARE(start, static_cast<QWidget *>(form.DontRemindBtn()));
        QCOMPARE(again, ReminderAnswer::Ignore);

        // A mouse click moves the focus too, and that is kept as well.
        first = showAndRun(form, [&] { QTest::mouseClick(form.CancelAllBtn(), Qt::LeftButton); });
        QCOMPARE(first, ReminderAnswer::Cancel);
        showAndRun(form, [&] {
            start = focused();
            form.done(ReminderAnswer::Yes);
        });
        QCOMPARE(start, static_cast<QWidget *>(form.CancelAllBtn()));
    }

    // Keys typed for another window, a click or the close box in the first
    // moment after the dialog appears answer nothing, even with "Don't
    // remind anymore" focused from the last showing; once the buttons are
    // enabled that button has the focus again and answers.
    void nothingAnswersInTheFirstMoment_data()
    {
        QTest::addColumn<QString>("input");
        for (const char *input : {"space", "Return", "Escape", "click", "close box"})
            QTest::newRow(input) << QString::fromLatin1(input);
    }
    void nothingAnswersInTheFirstMoment()
    {
        QFETCH(QString, input);
        TTerminForm form;
        QCOMPARE(showAndRun(form, [&] { QTest::mouseClick(form.DontRemindBtn(), Qt::LeftButton); }),
                 ReminderAnswer::Ignore);
        // The test holds the moment open until it has given its input.
        auto *guard = form.findChild<QTimer *>(QStringLiteral("AnswerGuard"));
        QVERIFY(guard);
        guard->setInterval(3600 * 1000);
        bool open = false, buttonsDisabled = false;
        QWidget *after = nullptr;
        const int result = showAndRun(
            form,
            [&] {
                if (input == QLatin1String("space"))
                    press(Qt::Key_Space);
                else if (input == QLatin1String("Return"))
                    press(Qt::Key_Return);
                else if (input == QLatin1String("Escape"))
                    press(Qt::Key_Escape);
                else if (input == QLatin1String("click"))
                    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                                      form.DontRemindBtn()->geometry().center());
                else
                    form.close();
                open = form.isVisible();
                buttonsDisabled = !form.DontRemindBtn()->isEnabled() && !form.RemindLaterBtn()->isEnabled();
                guard->start(0); // the moment passes
                QTRY_VERIFY(form.DontRemindBtn()->isEnabled());
                after = focused();
                press(Qt::Key_Space);
            },
            false);
        QVERIFY(open);
        QVERIFY(buttonsDisabled);
        QCOMPARE(after, static_cast<QWidget *>(form.DontRemindBtn()));
        QCOMPARE(result, ReminderAnswer::Ignore);
    }

    void mouseClicksGiveEachAnswer()
    {
        TTerminForm form;
        QCOMPARE(showAndRun(form, [&] { QTest::mouseClick(form.RemindLaterBtn(), Qt::LeftButton); }),
                 ReminderAnswer::Yes);
        QCOMPARE(showAndRun(form, [&] { QTest::mouseClick(form.DontRemindBtn(), Qt::LeftButton); }),
                 ReminderAnswer::Ignore);
        QCOMPARE(showAndRun(form, [&] { QTest::mouseClick(form.CancelAllBtn(), Qt::LeftButton); }),
                 ReminderAnswer::Cancel);
    }

    void closeBoxCancelsAll()
    {
        TTerminForm form;
        QCOMPARE(showAndRun(form, [&] { form.close(); }), ReminderAnswer::Cancel);
    }

    // The dialog is made at the first reminder, for its owner, announced
    // once, and serves the later ones; each shows its own texts and takes a
    // click.
    void dialogMadeAtTheFirstReminderAndKept()
    {
        int made = 0;
        QDialog *announced = nullptr;
        QWidget owner;
        TerminFormOnDemand reminders(&owner, [&](QDialog &dialog) {
            ++made;
            announced = &dialog;
        });
        QVERIFY(!reminders.form());
        for (const QString &name : {QStringLiteral("Dentist"), QStringLiteral("Call Anna")}) {
            QString shown;
            QTimer::singleShot(0, [&] {
                TTerminForm *form = reminders.form();
                if (!form || !QTest::qWaitForWindowActive(form)
                    || !QTest::qWaitFor([&] { return form->CancelAllBtn()->isEnabled(); }))
                    return form ? form->done(-1) : void();
                shown = form->NameEdit()->text();
                QTest::mouseClick(form->CancelAllBtn(), Qt::LeftButton);
            });
            QCOMPARE(reminders.Ask(QStringLiteral("At noon"), name, QString()), ReminderAnswer::Cancel);
            QCOMPARE(shown, name);
        }
        QCOMPARE(made, 1);
        QCOMPARE(announced, static_cast<QDialog *>(reminders.form()));
        QCOMPARE(reminders.form()->parentWidget(), &owner);
    }

    void checkThroughTheDialogKeepsTheName()
    {
        DayGrid grid;
        TTermin *r = grid.AddRecord(grid.Slot(2024, 5, 10));
        r->Name = "Dentist";
        r->Description = "Bring the card";
        r->Time = DateTimeValue::EncodeTime(16, 0);
        r->FirstRemind = 1;
        r->RepeatInterval = 1;
        const double now = DateTimeValue::EncodeDate(2024, 5, 10) + DateTimeValue::EncodeTime(9, 0);
        FixedClock clock(now);
        TTerminForm form;
        TerminFormAnswers answers(form);
        ReminderCheck check(grid, clock, answers);

        QString heading, name, description;
        QTimer::singleShot(0, &form, [&] {
            if (!QTest::qWaitForWindowActive(&form)
                || !QTest::qWaitFor([&] { return form.RemindLaterBtn()->isEnabled(); }))
                return form.done(-1);
            heading = form.Heading()->text();
            name = form.NameEdit()->text();
            description = form.DescriptionField()->toPlainText();
            QTest::mouseClick(form.NameEdit(), Qt::LeftButton);
            press(Qt::Key_End);
            QTest::keyClicks(form.NameEdit(), " moved to Monday");
            press(Qt::Key_Return);
        });
        const ReminderCheck::Outcome o = check.CheckTermins();
        QCOMPARE(o.asked, 1);
        QVERIFY(!o.cancelled);
        QCOMPARE(heading, ReminderHeading(DateTimeValue::EncodeDate(2024, 5, 10) + r->Time));
        QCOMPARE(name, QStringLiteral("Dentist"));
        QCOMPARE(description, QStringLiteral("Bring the card"));
        QCOMPARE(r->Name, std::string("Dentist"));
        QCOMPARE(r->LastReminded, now);
        QVERIFY(!r->Done);
    }
};

QTEST_MAIN(TstTerminForm)
#include "tst_terminform.moc"
