// Desktops without a notification area: the window is minimised where it
// would have been hidden, and the tray's menu is the window's context menu.
#include "MainFormHarness.h"

#include <QMenu>
#include <QStatusBar>
#include <QSystemTrayIcon>

class TstNoTray : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TrayIcon::OverrideAvailability(std::nullopt); }

    void minimizeAndTheWindowMenuMinimiseInsteadOfHiding()
    {
        MainFormHarness h;
        TrayIcon::OverrideAvailability(false);
        auto form = h.makeShown();
        QVERIFY(form);
        clickThroughWindow(MinimizeBtn(*form));
        QVERIFY(form->isVisible());
        QVERIFY(form->isMinimized());

        form->showNormal();
        clickThroughWindow(StatusBar1(*form), Qt::RightButton);
        QVERIFY(trayMenu(*form)->isVisible());
        QCOMPARE(Anzeigen1(*form)->text(), QStringLiteral("Hide"));
        QTest::keyClick(trayMenu(*form), Qt::Key_Down);
        QTest::keyClick(trayMenu(*form), Qt::Key_Return);
        QVERIFY(form->isVisible());
        QVERIFY(form->isMinimized());

        // "Show" undoes it.
        form->WMUser(TrayIcon::RightButtonUp);
        QCOMPARE(Anzeigen1(*form)->text(), QStringLiteral("Show"));
        trayMenu(*form)->close();
        Anzeigen1(*form)->trigger();
        QVERIFY(form->isVisible());
        QVERIFY(!form->isMinimized());
    }

    void withATrayTheWindowHasNoMenuOfItsOwn()
    {
        MainFormHarness h;
        auto form = h.makeShown();
        QVERIFY(form);
        clickThroughWindow(StatusBar1(*form), Qt::RightButton);
        QVERIFY(!trayMenu(*form)->isVisible());
    }

    void startMinimizedMinimises()
    {
        MainFormHarness h;
        TSettings s;
        s.startMinimized = true;
        h.writeStore(DayGrid(), s);
        TrayIcon::OverrideAvailability(false);
        auto form = h.makeShown();
        QVERIFY(form);
        QVERIFY(startMinimizedTimer(*form).isActive());
        QTRY_VERIFY(form->isMinimized());
        QVERIFY(form->isVisible());
    }

    // Hidden into a tray that then goes away, the window would be lost.
    void hiddenWindowIsMinimisedWhenTheTrayGoes()
    {
        MainFormHarness h;
        auto form = h.makeShown();
        QVERIFY(form);
        auto *icon = form->findChild<QSystemTrayIcon *>();
        QVERIFY(icon);
        emit icon->activated(QSystemTrayIcon::Trigger);
        emit icon->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(!form->isVisible());
        TrayIcon::OverrideAvailability(false);
        QTRY_VERIFY_WITH_TIMEOUT(form->isVisible(), 10000);
        QVERIFY(form->isMinimized());
    }
};

QTEST_MAIN(TstNoTray)
#include "tst_notray.moc"
