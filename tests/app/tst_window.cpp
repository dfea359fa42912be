// The window frame: about box, status gauge, layout facts.
#include "MainFormHarness.h"

#include "app/AboutBoxUnit.h"
#include "app/SpinEdit.h"
#include "app/StatusGauge.h"
#include "app/Theme.h"
#include "controls/ImageBtnUnit.h"
#include "controls/LazyPictureLabel.h"
#include "reminders/DescriptionMemo.h"
#include "reminders/TerminFUnit.h"

#include <QAccessible>
#include <QFontInfo>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPainter>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabBar>
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
        QCOMPARE(PageControl1(*form)->tabText(0), QStringLiteral("Manage dates"));
        QCOMPARE(PageControl1(*form)->tabText(1), QStringLiteral("Options"));
        QVERIFY(!PageControl1(*form)->tabIcon(0).isNull());
        QCOMPARE(AddTerminBtn(*form)->size(), QSize(177, 25));
        QCOMPARE(UpBtn(*form)->size(), QSize(145, 25));
        QCOMPARE(ManTerminsBtn(*form)->text(), QStringLiteral("Check for deadlines now!"));
        QCOMPARE(ManTerminsBtn(*form)->kind(), TBitBtnXP::bkAll);
        QCOMPARE(EndeBtn(*form)->size(), QSize(101, 30));
        QCOMPARE(EndeBtn(*form)->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(EndeBtn(*form)->toolTip(), QStringLiteral("Hereby you leave the program"));
        QCOMPARE(ueberbtn(*form)->toolTip(), QStringLiteral("Information about the program"));
        QCOMPARE(wwwBtn(*form)->toolTip(), QStringLiteral("Go to the Brontal homepage..."));
        QVERIFY(wwwBtn(*form)->text().startsWith(QStringLiteral("http://")));
        QCOMPARE(StatusBar1(*form)->height(), 19);
    }

    // Shown and laid out: the image buttons keep their pictures' size, the
    // status panels show sunken bevels, the dialogs have no minimise or
    // maximise box.
    void shownFrame()
    {
        MainFormHarness h;
        auto form = h.make();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(EndeBtn(*form)->size(), QSize(101, 30));
        QCOMPARE(ueberbtn(*form)->size(), QSize(101, 30));
        QCOMPARE(EndeBtn(*form)->picture().deviceIndependentSize().toSize(), QSize(101, 30));
        // Without a window manager there is no frame: the whole size is inside.
        QCOMPARE(form->frameGeometry().size(), QSize(638, 512));

        const QList<QWidget *> panels = StatusBar1(*form)->findChildren<QWidget *>(QString(),
                                                                                   Qt::FindDirectChildrenOnly);
        int bevelled = 0;
        for (QWidget *panel : panels) {
            if (panel->width() != 250 && panel->width() != 50)
                continue;
            const QImage img = panel->grab().toImage();
            const QColor face = img.pixelColor(img.width() / 2, img.height() / 2);
            const QColor top = img.pixelColor(img.width() / 2, 0);
            const QColor bottom = img.pixelColor(img.width() / 2, img.height() - 1);
            QVERIFY2(top.lightness() < face.lightness() && bottom.lightness() > top.lightness(),
                     qPrintable(QStringLiteral("panel %1 wide").arg(panel->width())));
            ++bevelled;
        }
        QCOMPARE(bevelled, 2);

        TAboutBox box;
        for (Qt::WindowType hint : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
            QVERIFY(!box.windowFlags().testFlag(hint));
        QVERIFY(box.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }

    // Every control a person can use is found by a screen reader under a
    // name and a role, and About and Exit are reached with Tab; the detail
    // panel's once an appointment is selected.
    void namedForScreenReadersAndReachedByTab()
    {
        MainFormHarness h;
        auto form = h.makeOnDay(QDate::currentDate().addDays(30), QStringList{QStringLiteral("Named")}, false);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        clickRow(*form, 0);
        reachOptionsPage(*form);
        int checked = 0;
        for (QWidget *w : form->findChildren<QWidget *>()) {
            const bool editor = qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w)
                || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QAbstractButton *>(w)
                || qobject_cast<TImageBtn *>(w);
            if (!editor || qobject_cast<QLineEdit *>(w->parentWidget())
                || qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
                continue; // a spin box's own line edit is part of it
            if (w->inherits("QTabBar") || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a);
            QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), w->metaObject()->className());
            QVERIFY2(a->role() != QAccessible::Client, w->metaObject()->className());
            ++checked;
        }
        QVERIFY(checked >= 20);
        QCOMPARE(QAccessible::queryAccessibleInterface(day1(*form))->text(QAccessible::Name),
                 QStringLiteral("First time to remind: days"));
        QCOMPARE(QAccessible::queryAccessibleInterface(NameEd(*form))->text(QAccessible::Name),
                 QStringLiteral("Appointment:"));
        QCOMPARE(QAccessible::queryAccessibleInterface(EndeBtn(*form))->text(QAccessible::Name),
                 QStringLiteral("Exit"));
        QCOMPARE(QAccessible::queryAccessibleInterface(ueberbtn(*form))->role(), QAccessible::Button);

        // Tab from "Minimize" goes to About, then to Exit; Return on Exit asks
        // the close question.
        MinimizeBtn(*form)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ueberbtn(*form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), EndeBtn(*form));
        h.answer = QMessageBox::Cancel;
        QTest::keyClick(EndeBtn(*form), Qt::Key_Return);
        QCOMPARE(h.boxes.size(), 1);
        QCOMPARE(h.boxes[0].caption, QStringLiteral("Quit program"));
    }

    // Tests and tools reach the controls by the names the window's
    // definition gives them; each name is carried by one object of its kind
    // (the detail panel's and the options page's once a person reached them).
    void everyControlCarriesItsWrittenName()
    {
        MainFormHarness h;
        auto form = h.makeOnDay(QDate::currentDate().addDays(30), QStringList{QStringLiteral("Names")}, true);
        QVERIFY(form && showActive(*form));
        clickRow(*form, 0);
        reachOptionsPage(*form);
        const QList<std::pair<const char *, const char *>> controls = {
            {"PageControl1", "QTabWidget"}, {"ListHeading", "HeadingPanel"},
            {"AddTerminBtn", "TBitBtnXP"},  {"DelTerminBtn", "TBitBtnXP"},
            {"UpBtn", "TBitBtnXP"},         {"TreeView1", "QTreeView"},
            {"Splitter1", "QSplitter"},     {"ListView1", "OverviewList"},
            {"PageControl2", "QTabWidget"}, {"NameEd", "QLineEdit"},
            {"hour", "TSpinEdit"},          {"min", "TSpinEdit"},
            {"DescEd", "QPlainTextEdit"},   {"day1", "TSpinEdit"},
            {"hour1", "TSpinEdit"},         {"min1", "TSpinEdit"},
            {"day2", "TSpinEdit"},          {"hour2", "TSpinEdit"},
            {"min2", "TSpinEdit"},          {"doneCheck", "QCheckBox"},
            {"LastLabel", "QLabel"},        {"ClearLastBtn", "QPushButton"},
            {"gmin", "TSpinEdit"},          {"gsec", "TSpinEdit"},
            {"ManTerminsBtn", "TBitBtnXP"}, {"MinimiertCheck", "QCheckBox"},
            {"wwwBtn", "QToolButton"},      {"MinimizeBtn", "TBitBtnXP"},
            {"ueberbtn", "TImageBtn"},      {"EndeBtn", "TImageBtn"},
            {"StatusBar1", "QStatusBar"},   {"Timer1", "QTimer"},
            {"Timer2", "QTimer"},           {"Timer3", "QTimer"}};
        for (const auto &[name, kind] : controls) {
            const QList<QObject *> found = form->findChildren<QObject *>(QLatin1String(name));
            QVERIFY2(found.size() == 1, name);
            QVERIFY2(found[0]->inherits(kind), name);
        }
        QVERIFY(Anzeigen1(*form)->inherits("QAction"));
        QCOMPARE(saveTimer(*form).interval(), 1000);
        QCOMPARE(startMinimizedTimer(*form).interval(), 500);
    }

    // Tab walks the controls in the order a person meets them on screen,
    // on each page of the window and of the detail panel.
    void tabVisitsTheControlsInScreenOrder()
    {
        MainFormHarness h;
        DayGrid grid;
        const QDate today = QDate::currentDate();
        grid.AddRecord(grid.Slot(today.year(), today.month(), today.day()))->Name = "Tab";
        h.writeStore(grid);
        auto form = h.make();
        QVERIFY(showActive(*form));
        clickRow(*form, 0);
        // The control a focused widget belongs to: a tab bar by its page
        // control, a spin box's own line edit by the spin box.
        auto focused = [&form] {
            QWidget *w = QApplication::focusWidget();
            if (qobject_cast<QTabBar *>(w))
                return w->parentWidget()->objectName() + QStringLiteral(" tabs");
            while (w && w != form.get()
                   && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
                w = w->parentWidget();
            return w ? w->objectName() : QString();
        };
        auto walk = [&](QWidget *from, int steps) {
            from->setFocus(Qt::TabFocusReason);
            QStringList seen{focused()};
            for (int i = 0; i < steps; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << focused();
            }
            return seen;
        };
        QCOMPARE(walk(AddTerminBtn(*form), 15),
                 (QStringList{"AddTerminBtn", "DelTerminBtn", "UpBtn", "TreeView1", "ListView1", "PageControl2 tabs",
                              "NameEd", "hour", "min", "DescEd", "wwwBtn", "MinimizeBtn", "ueberbtn", "EndeBtn",
                              "PageControl1 tabs", "AddTerminBtn"}));

        QTabBar *detailTabs = PageControl2(*form)->tabBar();
        QTest::mouseClick(detailTabs, Qt::LeftButton, {}, detailTabs->tabRect(1).center());
        QCOMPARE(walk(day1(*form), 8),
                 (QStringList{"day1", "hour1", "min1", "day2", "hour2", "min2", "doneCheck", "ClearLastBtn",
                              "wwwBtn"}));

        QTabBar *pages = PageControl1(*form)->tabBar();
        QTest::mouseClick(pages, Qt::LeftButton, {}, pages->tabRect(1).center());
        QCOMPARE(walk(gmin(*form), 4), (QStringList{"gmin", "gsec", "ManTerminsBtn", "MinimiertCheck", "wwwBtn"}));
    }

    // Hidden with "Minimize" or minimised with the title bar's box, the
    // window is out of sight: the tray menu reads "Show", and both "Show"
    // and a double click bring it back on screen, no longer minimised.
    void minimizeHidesAndShowsAgainFromTheTray_data()
    {
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("hidden, Show") << false << false;
        QTest::newRow("hidden, double click") << false << true;
        QTest::newRow("minimised, Show") << true << false;
        QTest::newRow("minimised, double click") << true << true;
    }
    void minimizeHidesAndShowsAgainFromTheTray()
    {
        QFETCH(bool, minimised);
        QFETCH(bool, doubleClick);
        MainFormHarness h;
        auto form = h.makeShown();
        QVERIFY(form);
        if (minimised)
            form->showMinimized();
        else
            QTest::mouseClick(MinimizeBtn(*form), Qt::LeftButton);
        form->WMUser(TrayIcon::RightButtonUp);
        QCOMPARE(Anzeigen1(*form)->text(), QStringLiteral("Show"));
        QTest::keyClick(trayMenu(*form), Qt::Key_Escape);
        if (doubleClick) {
            QSystemTrayIcon *icon = form->findChild<QSystemTrayIcon *>();
            QVERIFY(icon);
            emit icon->activated(QSystemTrayIcon::Trigger);
            emit icon->activated(QSystemTrayIcon::DoubleClick);
        } else {
            chooseFromTrayMenu(*form, QStringLiteral("Show"));
        }
        QTRY_VERIFY(form->isVisible() && !form->isMinimized() && form->windowHandle()->isExposed());
        chooseFromTrayMenu(*form, QStringLiteral("Hide"));
        QVERIFY(!form->isVisible());
    }

    // A screen reader finds the reminder's two fields by name, the date
    // tree's header by what it heads, and the tray menu's entries among the
    // main window's children, where it can press them.
    void reminderFieldsTreeHeaderAndTrayMenuAreNamed()
    {
        TTerminForm reminder;
        QCOMPARE(QAccessible::queryAccessibleInterface(reminder.NameEdit())->text(QAccessible::Name),
                 QStringLiteral("Appointment"));
        QCOMPARE(QAccessible::queryAccessibleInterface(reminder.DescriptionField())->text(QAccessible::Name),
                 QStringLiteral("Description"));

        MainFormHarness h;
        auto form = h.makeShown();
        QVERIFY(form);
        QStringList headers;
        QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(TreeView1(*form));
        for (int i = 0; i < tree->childCount(); ++i)
            if (tree->child(i)->role() == QAccessible::ColumnHeader)
                headers << tree->child(i)->text(QAccessible::Name);
        QCOMPARE(headers, QStringList{QStringLiteral("Dates")});

        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.get());
        QAccessibleInterface *menu = nullptr;
        for (int i = 0; i < window->childCount(); ++i)
            if (window->child(i)->object() == trayMenu(*form))
                menu = window->child(i);
        QVERIFY(menu);
        QCOMPARE(window->indexOfChild(menu), window->childCount() - 1);
        QStringList entries;
        for (int i = 0; i < menu->childCount(); ++i)
            entries << menu->child(i)->text(QAccessible::Name);
        QVERIFY2(entries.contains(QStringLiteral("Hide")) && entries.contains(QStringLiteral("Quit")),
                 qPrintable(entries.join(QLatin1Char('|'))));
        QAccessibleInterface *hide = menu->child(int(entries.indexOf(QStringLiteral("Hide"))));
        hide->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!form->isVisible());
    }

    // Every page appears when a person reaches it, by a click on its tab or
    // by Ctrl+Tab from inside its page control, and its controls take keys.
    // The options page's picture is read only then, in the room it was
    // given from the start.
    void everyPageAppearsAndWorksWhenReached_data()
    {
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("byKeys");
        QTest::newRow("options, click") << "PageControl1" << 1 << "gmin" << false;
        QTest::newRow("options, Ctrl+Tab") << "PageControl1" << 1 << "gsec" << true;
        QTest::newRow("reminder, click") << "PageControl2" << 1 << "day1" << false;
        QTest::newRow("reminder, Ctrl+Tab") << "PageControl2" << 1 << "min2" << true;
        QTest::newRow("general, back by click") << "PageControl2" << 0 << "hour" << false;
    }
    void everyPageAppearsAndWorksWhenReached()
    {
        QFETCH(QString, tabs);
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(bool, byKeys);
        MainFormHarness h;
        auto form = h.makeOnDay(QDate::currentDate().addDays(30), QStringList{QStringLiteral("Pages")}, true);
        QVERIFY(form && showActive(*form));
        // The detail panel and the options page's fields are made when first reached.
        QVERIFY(!form->findChild<QTabWidget *>(QStringLiteral("PageControl2")));
        QVERIFY(!form->findChild<TSpinEdit *>(QStringLiteral("gmin")));
        QVERIFY(!form->findChild<QLabel *>(QStringLiteral("OptionsTitle")));
        clickRow(*form, 0);
        auto *picture = form->findChild<LazyPictureLabel *>(QStringLiteral("OptionsPicture"));
        QVERIFY(picture && !picture->pictureRead());
        const QSize room = picture->sizeHint(), least = picture->minimumSizeHint();

        auto *pages = control<QTabWidget>(*form, qPrintable(tabs));
        if (page == 0) // the page shown first: come back to it from the other
            QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(1).center());
        if (byKeys) {
            QWidget *inside = pages == PageControl1(*form) ? static_cast<QWidget *>(TreeView1(*form)) : NameEd(*form);
            inside->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        } else {
            QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(page).center());
        }
        QCOMPARE(pages->currentIndex(), page);
        auto *spin = pages->currentWidget()->findChild<TSpinEdit *>(field);
        QVERIFY(spin);
        QTRY_VERIFY(spin->isVisible() && form->windowHandle()->isExposed());
        QCOMPARE(picture->pictureRead(), pages == PageControl1(*form));
        if (pages == PageControl1(*form)) {
            auto *title = picture->findChild<QLabel *>(QStringLiteral("OptionsTitle"));
            QVERIFY(title && title->isVisible());
            QCOMPARE(title->text(), QStringLiteral("Program options..."));
            QVERIFY(title->font().bold());
        }
        QCOMPARE(picture->sizeHint(), room);
        QCOMPARE(picture->minimumSizeHint(), least);

        QTest::mouseClick(spin, Qt::LeftButton);
        const int before = spin->value();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(spin->value(), before + 1);
    }

    // The window's fonts name one installed family, the one the whole list
    // of wanted families would have come to.
    void fontsComeToTheFamilyTheirListWould_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::newRow("window") << QStringList{"MS Sans Serif", "Microsoft Sans Serif"};
        QTest::newRow("options title") << QStringList{"Arial Black"};
        QTest::newRow("about title") << QStringList{"Arial Narrow", "Liberation Sans Narrow"};
        QTest::newRow("none installed") << QStringList{"No Such Family Here"};
    }
    void fontsComeToTheFamilyTheirListWould()
    {
        QFETCH(QStringList, families);
        const QFont chosen = Theme::font(families, 11, true);
        QFont listed = chosen;
        listed.setFamilies(families
                           + QStringList{"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans", "Sans Serif"});
        QCOMPARE(QFontInfo(chosen).family(), QFontInfo(listed).family());
        QCOMPARE(QFontInfo(chosen).pixelSize(), 11);
        QVERIFY(QFontInfo(chosen).bold());
    }

    void exitButtonAsksTheCloseQuestion()
    {
        MainFormHarness h;
        auto form = h.make();
        form->show();
        h.answer = QMessageBox::Cancel;
        QTest::mouseClick(EndeBtn(*form), Qt::LeftButton);
        QCOMPARE(h.boxes.size(), 1);
        QCOMPARE(h.boxes[0].caption, QStringLiteral("Quit program"));
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
