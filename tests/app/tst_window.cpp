// The window frame: about box, status gauge, layout facts.
#include "MainFormHarness.h"

#include "app/AboutBoxUnit.h"
#include "app/StatusGauge.h"

#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

class TstWindow : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxShowsThisYearAndItsPicture()
    {
        QCOMPARE(TAboutBox::yearLine(2031), QStringLiteral("Copyright \u00a9 2000-2031 Brontal Software"));
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("Info"));
        QCOMPARE(box.size(), QSize(664, 453));
        QVERIFY(box.Label1->text().contains(QString::number(QDate::currentDate().year())));
        QVERIFY(!box.Label1->text().contains(QStringLiteral("XXXX")));
        QVERIFY(!box.Image1->pixmap().isNull());
        QCOMPARE(box.Image1->pixmap().size(), QSize(306, 322));
        QCOMPARE(box.OKBtn->kind(), TBitBtnXP::bkOK);
        QCOMPARE(box.OKBtn->size(), QSize(181, 37));
    }

    void aboutBoxOkCloses()
    {
        TAboutBox box;
        QTimer::singleShot(0, box.OKBtn, &QPushButton::click);
        QCOMPARE(box.exec(), int(TBitBtnXP::mrOk));
    }

    void gaugeFillsItsShareInNavy()
    {
        QCOMPARE(StatusGauge::barRect(QRect(0, 0, 50, 19), 0).width(), 0);
        QCOMPARE(StatusGauge::barRect(QRect(10, 2, 50, 19), 50), QRect(10, 2, 25, 19));
        QCOMPARE(StatusGauge::barRect(QRect(0, 0, 50, 19), 150).width(), 50);

        StatusGauge gauge;
        gauge.resize(50, 19);
        QImage empty = gauge.grab().toImage();
        QVERIFY(empty.pixelColor(10, 9) != QColor(0, 0, 128));
        gauge.setPercent(40);
        const QImage filled = gauge.grab().toImage();
        QCOMPARE(filled.pixelColor(10, 9), QColor(0, 0, 128));
        QVERIFY(filled.pixelColor(30, 9) != QColor(0, 0, 128));
    }

    void frame()
    {
        MainFormHarness h;
        auto form = h.make();
        QCOMPARE(form->PageControl1->tabText(0), QStringLiteral("Manage dates"));
        QCOMPARE(form->PageControl1->tabText(1), QStringLiteral("Options"));
        QVERIFY(!form->PageControl1->tabIcon(0).isNull());
        QCOMPARE(form->AddTerminBtn->size(), QSize(177, 25));
        QCOMPARE(form->UpBtn->size(), QSize(145, 25));
        QCOMPARE(form->ManTerminsBtn->text(), QStringLiteral("Check for deadlines now!"));
        QCOMPARE(form->ManTerminsBtn->kind(), TBitBtnXP::bkAll);
        QCOMPARE(form->EndeBtn->size(), QSize(101, 30));
        QCOMPARE(form->EndeBtn->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form->EndeBtn->toolTip(), QStringLiteral("Hereby you leave the program"));
        QCOMPARE(form->ueberbtn->toolTip(), QStringLiteral("Information about the program"));
        QCOMPARE(form->wwwBtn->toolTip(), QStringLiteral("Go to the Brontal homepage..."));
        QVERIFY(form->wwwBtn->text().startsWith(QStringLiteral("http://")));
        QCOMPARE(form->StatusBar1->height(), 19);
    }

    void minimizeHidesAndShowsAgainFromTheTray()
    {
        MainFormHarness h;
        auto form = h.make();
        form->show();
        form->MinimizeBtn->click();
        QVERIFY(!form->isVisible());
        form->Anzeigen1Click();
        QVERIFY(form->isVisible());
        // minimised with its own box still counts as visible: the toggle hides it
        form->showMinimized();
        form->Anzeigen1Click();
        QVERIFY(!form->isVisible());
    }

    void exitButtonAsksTheCloseQuestion()
    {
        MainFormHarness h;
        auto form = h.make();
        form->show();
        h.answer = QMessageBox::Cancel;
        QTest::mouseClick(form->EndeBtn, Qt::LeftButton);
        QCOMPARE(h.boxes.size(), 1);
        QCOMPARE(h.boxes[0].caption, QStringLiteral("Quit program"));
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
