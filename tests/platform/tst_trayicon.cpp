// The notification-area icon docks from the event loop, so that the first
// window need not wait for the desktop; whatever happens to it before the
// loop runs must still hold once it does.
#include "platform/desktop/TrayIcon.h"

#include <QSystemTrayIcon>
#include <QtTest>

class TstTrayIcon : public QObject {
    Q_OBJECT
private slots:
    void dockedOnceTheLoopRuns_data()
    {
        QTest::addColumn<int>("adds");
        QTest::addColumn<bool>("removedBeforeTheLoop");
        QTest::addColumn<int>("iconsShown");
        QTest::newRow("added") << 1 << false << 1;
        QTest::newRow("added twice") << 2 << false << 1;
        QTest::newRow("removed before the loop") << 1 << true << 0;
        QTest::newRow("added again after removal") << 2 << true << 1;
    }

    void dockedOnceTheLoopRuns()
    {
        QFETCH(int, adds);
        QFETCH(bool, removedBeforeTheLoop);
        QFETCH(int, iconsShown);
        TrayIcon tray;
        const QIcon icon(QPixmap(16, 16));
        tray.Add(icon, QStringLiteral("Appointment"));
        if (removedBeforeTheLoop)
            tray.Remove();
        for (int i = 1; i < adds; ++i)
            tray.Add(icon, QStringLiteral("Appointment"));
        QCoreApplication::processEvents();
        const QList<QSystemTrayIcon *> icons = tray.findChildren<QSystemTrayIcon *>();
        QCOMPARE(int(icons.size()), iconsShown);
        for (const QSystemTrayIcon *shown : icons) {
            QVERIFY(shown->isVisible());
            QCOMPARE(shown->toolTip(), QStringLiteral("Appointment"));
        }
        QCOMPARE(tray.isAdded(), iconsShown > 0);
    }
};

QTEST_MAIN(TstTrayIcon)
#include "tst_trayicon.moc"
