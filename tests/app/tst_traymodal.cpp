// The tray during modal windows. On X11 the tray icon is a top-level window
// of its own; a stand-in window plays it here, clicked with real mouse
// input while each kind of modal window is open. The tray's menu is opened
// through the icon's platform callback and driven with keys.
#include "MainFormHarness.h"

#include "app/AboutBoxUnit.h"
#include "reminders/TerminFUnit.h"
#include "reminders/TerminFormAnswers.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>

namespace {

// Runs `whileOpen` once the modal window opened by `open` is up, then
// closes that window with Escape (as a person would).
void duringModal(const std::function<void()> &open, const std::function<void(QWidget *modal)> &whileOpen)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QVERIFY(QTest::qWaitForWindowExposed(modal));
        whileOpen(modal);
        ran = true;
        // A reminder takes no answer in its first moment: Escape once its
        // buttons are enabled.
        for (const QPushButton *b : QApplication::activeModalWidget()->findChildren<QPushButton *>())
            QTRY_VERIFY(b->isEnabled());
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    open();
    QVERIFY(ran);
}

// Tomorrow at noon, reminded from three days ahead: due whatever the hour.
void addDueTomorrow(DayGrid &grid, const char *name)
{
    const QDate d = QDate::currentDate().addDays(1);
    TTermin *t = grid.AddRecord(grid.Slot(d.year(), d.month(), d.day()));
    t->Name = name;
    t->Time = 0.5;
    t->FirstRemind = 3;
}

QSystemTrayIcon *platformIcon(TMainForm &form)
{
    return form.findChild<QSystemTrayIcon *>();
}

} // namespace

class TstTrayModal : public QObject {
    Q_OBJECT
private slots:
    // The stand-in takes clicks while the main window does not, for every
    // kind of modal window the program opens.
    void otherWindowsStayUsableWhileTheMainWindowIsBlocked_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("question") << "question";
        QTest::newRow("error report") << "error report";
        QTest::newRow("about box") << "about";
        QTest::newRow("reminder") << "reminder";
    }
    void otherWindowsStayUsableWhileTheMainWindowIsBlocked()
    {
        QFETCH(QString, kind);
        MainFormHarness h;
        Dialogs::SetHook({}); // real boxes
        auto form = h.make();
        TTerminForm dialog;
        TerminFormAnswers answers(dialog);
        form->setAnswerProvider(&answers, &dialog);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        if (kind == QLatin1String("reminder"))
            addDueTomorrow(form->grid(), "Dentist");

        QPushButton trayStandIn(QStringLiteral("tray"));
        trayStandIn.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trayStandIn));
        int trayClicks = 0;
        connect(&trayStandIn, &QPushButton::clicked, [&] { ++trayClicks; });
        int minimizes = 0;
        connect(MinimizeBtn(*form), &QPushButton::clicked, [&] { ++minimizes; });

        duringModal(
            [&] {
                if (kind == QLatin1String("question"))
                    form->FormCloseQuery();
                else if (kind == QLatin1String("error report"))
                    Dialogs::ShowErrorReport(QStringLiteral("Disk full"));
                else if (kind == QLatin1String("about"))
                    QTest::mouseClick(ueberbtn(*form), Qt::LeftButton);
                else
                    checkTick(*form);
            },
            [&](QWidget *modal) {
                clickThroughWindow(&trayStandIn);
                clickThroughWindow(MinimizeBtn(*form));
                // Tied to the main window: stacked with it, blocking it only.
                QWidget *chainEnd = modal;
                while (chainEnd->parentWidget())
                    chainEnd = chainEnd->parentWidget()->window();
                QCOMPARE(chainEnd, form.get());
                QCOMPARE(modal->windowModality(), Qt::WindowModal);
            });
        QCOMPARE(trayClicks, 1);
        QCOMPARE(minimizes, 0);
        QVERIFY(form->isVisible());
        QVERIFY(!dialog.isVisible());
    }

    // The tray's right-button callback opens its menu during a reminder, and
    // "About the program..." chosen from it opens the about box on top.
    void trayMenuWorksDuringAReminder()
    {
        MainFormHarness h;
        Dialogs::SetHook({});
        auto form = h.make();
        TTerminForm dialog;
        TerminFormAnswers answers(dialog);
        form->setAnswerProvider(&answers, &dialog);
        addDueTomorrow(form->grid(), "Dentist");
        QSystemTrayIcon *icon = platformIcon(*form);
        QVERIFY(icon);

        bool aboutSeen = false;
        duringModal([&] { checkTick(*form); },
                    [&](QWidget *modal) {
                        QCOMPARE(modal, &dialog);
                        emit icon->activated(QSystemTrayIcon::Context);
                        QTRY_VERIFY(trayMenu(*form)->isVisible());
                        QCOMPARE(Anzeigen1(*form)->text(), QStringLiteral("Show"));
                        QTimer::singleShot(0, [&] {
                            auto *about = qobject_cast<TAboutBox *>(QApplication::activeModalWidget());
                            aboutSeen = about && about->isVisible();
                            if (about)
                                about->reject();
                        });
                        // Up twice from the menu's end: "About the program...".
                        QTest::keyClick(trayMenu(*form), Qt::Key_Up);
                        QTest::keyClick(trayMenu(*form), Qt::Key_Up);
                        QTest::keyClick(trayMenu(*form), Qt::Key_Return);
                        QTRY_VERIFY(!trayMenu(*form)->isVisible());
                    });
        QVERIFY(aboutSeen);
        QVERIFY(!dialog.isVisible());
    }

    // A double click arrives as a press then a double click; during the
    // about box it still hides and shows the window, and showing brings the
    // about box back from its minimised state.
    void doubleClickDuringTheAboutBoxTogglesAndBringsItBack()
    {
        MainFormHarness h;
        Dialogs::SetHook({});
        auto form = h.make();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QSystemTrayIcon *icon = platformIcon(*form);
        QVERIFY(icon);
        duringModal([&] { QTest::mouseClick(ueberbtn(*form), Qt::LeftButton); },
                    [&](QWidget *about) {
                        emit icon->activated(QSystemTrayIcon::Trigger);
                        emit icon->activated(QSystemTrayIcon::DoubleClick);
                        QVERIFY(!form->isVisible());
                        QVERIFY(!saveTimer(*form).isActive());
                        about->showMinimized();
                        emit icon->activated(QSystemTrayIcon::Trigger);
                        emit icon->activated(QSystemTrayIcon::DoubleClick);
                        QVERIFY(form->isVisible());
                        QVERIFY(!about->isMinimized());
                        // Asking for the about box again brings the open one back.
                        about->showMinimized();
                        trayMenu(*form)->actions().at(5)->trigger();
                        QVERIFY(!about->isMinimized());
                        QCOMPARE(form->findChildren<TAboutBox *>().size(), 1);
                    });
    }
};

QTEST_MAIN(TstTrayModal)
#include "tst_traymodal.moc"
