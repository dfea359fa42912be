#include "MainFormHarness.h"

#include "app/SpinEdit.h"
#include "reminders/HeadingPanel.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

using NodeCode::Encode;
Q_DECLARE_METATYPE(TSettings)

class TstMainForm : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithoutFile()
    {
        MainFormHarness h;
        {
            auto form = h.make();
            const QDate today = QDate::currentDate();
            QCOMPARE(selectedNode(*form), Encode(today.year(), today.month(), today.day()));
            QVERIFY(TreeView1(*form)->isExpanded(TreeModel(*form)->indexForCode(Encode(today.year(), today.month()))));
            QVERIFY(
                !TreeView1(*form)->isExpanded(TreeModel(*form)->indexForCode(Encode(today.year(), today.month(), 1))));
            QVERIFY(ListHeading(*form)->text().endsWith(QString::number(today.year())));
            QCOMPARE(gmin(*form)->value(), 0);
            QCOMPARE(gsec(*form)->value(), 30);
            QVERIFY(!saveTimer(*form).isActive());
            QVERIFY(checkTimer(*form).isActive());
            QCOMPARE(checkTimer(*form).interval(), 30000);
            QVERIFY(!QFile::exists(h.dataPath()));
            QCOMPARE(form->windowTitle(), QStringLiteral("Brontal Kalvix 1.0"));
        }
        // destruction saved the empty store with the default settings
        QCOMPARE(h.fileBytes(), TerminFile::Serialize(DayGrid(), TSettings()));
        QCOMPARE(h.fileBytes().size(), 147572);
        QVERIFY(h.boxes.isEmpty());
    }

    void storedSettingsRunTheirHandlers()
    {
        MainFormHarness h;
        DayGrid grid;
        grid.AddRecord(grid.Slot(2030, 3, 3))->Name = "kept";
        h.writeStore(grid, TSettings{2, 5, true});
        auto form = h.make();
        QCOMPARE(gmin(*form)->value(), 2);
        QCOMPARE(gsec(*form)->value(), 5);
        QVERIFY(MinimiertCheck(*form)->isChecked());
        QCOMPARE(checkTimer(*form).interval(), 125000);
        QVERIFY(saveTimer(*form).isActive());
        QCOMPARE(recordAt(*form, 2030, 3, 3, 0).Name, std::string("kept"));
    }

    // The settings are the window's whether or not its options page was
    // ever shown: they go back to the file as read, brought into what the
    // fields can hold.
    void settingsKeptWithoutTheOptionsPage_data()
    {
        QTest::addColumn<TSettings>("stored");
        QTest::addColumn<TSettings>("saved");
        QTest::newRow("as read") << TSettings{2, 5, true} << TSettings{2, 5, true};
        QTest::newRow("seconds beyond 59") << TSettings{0, 75, false} << TSettings{0, 59, false};
        QTest::newRow("negative minutes") << TSettings{-3, 10, true} << TSettings{0, 10, true};
    }
    void settingsKeptWithoutTheOptionsPage()
    {
        QFETCH(TSettings, stored);
        QFETCH(TSettings, saved);
        MainFormHarness h;
        h.writeStore(DayGrid(), stored);
        {
            auto form = h.make();
            QVERIFY(form && showActive(*form));
            QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton); // saves at once
            QVERIFY(!form->findChild<TSpinEdit *>(QStringLiteral("gmin")));
        }
        DayGrid grid;
        TSettings read;
        QVERIFY(OpenTermins(h.dataPath(), grid, read).ok);
        QCOMPARE(read, saved);
    }

    void defaultSettingsInFileStartNoSaveTimer()
    {
        MainFormHarness h;
        h.writeStore(DayGrid());
        auto form = h.make();
        QVERIFY(!saveTimer(*form).isActive());
    }

    void damagedFileIsReportedAndKept()
    {
        MainFormHarness h;
        QFile f(h.dataPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1000, '\x7f'));
        f.close();
        {
            auto form = h.make();
            QCOMPARE(h.boxes.size(), 1);
            QCOMPARE(h.boxes[0].caption, QStringLiteral("Error"));
            QVERIFY(h.boxes[0].text.contains(QStringLiteral("appointments.dat.bad")));
            QCOMPARE(form->grid().RecordCount(), size_t(0));
        }
        QFile kept(h.dataPath() + QStringLiteral(".bad"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray(1000, '\x7f'));
    }

    void upButtonFollowsTheSelection()
    {
        MainFormHarness h;
        auto form = h.make();
        selectNode(*form, 0);
        QVERIFY(!UpBtn(*form)->isEnabled());
        QCOMPARE(ListHeading(*form)->text(), QStringLiteral("All years"));
        selectNode(*form, Encode(2024, 1, 5));
        QVERIFY(UpBtn(*form)->isEnabled());
        QCOMPARE(ListHeading(*form)->text(), QStringLiteral("Fr 5.January 2024"));
        QVERIFY(AddTerminBtn(*form)->isEnabled());
        QVERIFY(!DelTerminBtn(*form)->isEnabled());
        QTest::mouseClick(UpBtn(*form), Qt::LeftButton);
        QCOMPARE(selectedNode(*form), Encode(2024, 1));
        QCOMPARE(ListHeading(*form)->text(), QStringLiteral("January 2024"));
        QVERIFY(!AddTerminBtn(*form)->isEnabled());
        QTest::mouseClick(UpBtn(*form), Qt::LeftButton);
        QCOMPARE(ListHeading(*form)->text(), QStringLiteral("Year 2024"));
        QTest::mouseClick(UpBtn(*form), Qt::LeftButton);
        QCOMPARE(selectedNode(*form), 0);
        QVERIFY(!UpBtn(*form)->isEnabled());
        QTest::mouseClick(UpBtn(*form), Qt::LeftButton); // nothing above the root
        QCOMPARE(selectedNode(*form), 0);
    }

    void doubleClickDrillsDown()
    {
        MainFormHarness h;
        DayGrid grid;
        grid.AddRecord(grid.Slot(2024, 3, 9))->Name = "x";
        h.writeStore(grid);
        auto form = h.make();
        selectNode(*form, Encode(2024));
        QCOMPARE(listRows(*form), 1);
        QCOMPARE(listText(*form, 0, 0), QStringLiteral("March"));
        QCOMPARE(listText(*form, 0, 1), QStringLiteral("1 Appointment"));
        QVERIFY(noRowSelected(*form));
        doubleClickRow(*form, 0);
        QCOMPARE(selectedNode(*form), Encode(2024, 3));
        QCOMPARE(listText(*form, 0, 0), QStringLiteral("9. Sa"));
        doubleClickRow(*form, 0);
        QCOMPARE(selectedNode(*form), Encode(2024, 3, 9));
        QCOMPARE(listText(*form, 0, 1), QStringLiteral("x"));
        // an appointment row has no target
        doubleClickRow(*form, 0);
        QCOMPARE(selectedNode(*form), Encode(2024, 3, 9));
    }

    void closeQuestion()
    {
        MainFormHarness h;
        auto form = h.make();
        form->show();
        h.answer = QMessageBox::Cancel;
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(h.boxes.size(), 1);
        QCOMPARE(h.boxes[0].caption, QStringLiteral("Quit program"));
        QCOMPARE(h.boxes[0].text, QStringLiteral("The program can't remind you any more if you quit!"));
        QVERIFY(!QFile::exists(h.dataPath()));

        h.answer = QMessageBox::Ok;
        QVERIFY(form->close());
        QVERIFY(QFile::exists(h.dataPath())); // saved on the way out
    }

    void firstShowingRemindsBeforeTheWindowAppears()
    {
        MainFormHarness h;
        DayGrid grid;
        const QDateTime soon = dueSoon();
        if (!soon.isValid())
            QSKIP("too close to midnight to place an appointment later today");
        addDue(grid, soon, "due");
        h.writeStore(grid);

        auto form = h.make();
        QVERIFY(h.reminders.asked.isEmpty()); // creating does not check
        form->FormShow();
        form->show();
        QCOMPARE(h.reminders.asked, QStringList{QStringLiteral("due")});
        QCOMPARE(h.reminders.windowVisible, QList<bool>{false});
        QVERIFY(dayOf(form->grid(), soon).records.At(0).LastReminded > 0);
        form->hide();
        form->show(); // acts only once
        QCOMPARE(h.reminders.asked.size(), 1);
        QVERIFY(!startMinimizedTimer(*form).isActive());
    }

    void startMinimizedHidesAfterTheFirstShowing()
    {
        MainFormHarness h;
        h.writeStore(DayGrid(), TSettings{0, 30, true});
        auto form = h.make();
        form->FormShow();
        form->show();
        QVERIFY(startMinimizedTimer(*form).isActive());
        QCOMPARE(startMinimizedTimer(*form).interval(), 500);
        QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), 5000);
        QVERIFY(!startMinimizedTimer(*form).isActive());
    }

    void aSecondStartDuringTheFirstRemindersKeepsTheWindow()
    {
        MainFormHarness h;
        DayGrid grid;
        const QDateTime soon = dueSoon();
        if (!soon.isValid())
            QSKIP("too close to midnight to place an appointment later today");
        addDue(grid, soon, "due");
        h.writeStore(grid, TSettings{0, 30, true});
        auto form = h.make();
        h.reminders.whileOpen = [&] { form->ShowAndRaise(); };
        form->FormShow();
        QCOMPARE(h.reminders.asked.size(), 1);
        QVERIFY(form->isVisible());
        QVERIFY(!startMinimizedTimer(*form).isActive());
    }

    void checkIntervalFollowsTheFields()
    {
        MainFormHarness h;
        auto form = h.make();
        gmin(*form)->setValue(1);
        QCOMPARE(checkTimer(*form).interval(), 90000);
        QVERIFY(saveTimer(*form).isActive());
        gmin(*form)->setValue(0);
        gsec(*form)->setValue(0);
        QVERIFY(!checkTimer(*form).isActive());
        gsec(*form)->setValue(1);
        QVERIFY(checkTimer(*form).isActive());
        QCOMPARE(checkTimer(*form).interval(), 1000);
    }

    void trayMessages()
    {
        MainFormHarness h;
        auto form = h.makeShown(); // on the screen, as the user sees it
        QVERIFY(form);
        form->WMUser(TrayIcon::LeftButtonDown);
        QVERIFY(saveTimer(*form).isActive());
        form->WMUser(TrayIcon::LeftDoubleClick);
        QVERIFY(!saveTimer(*form).isActive());
        QVERIFY(!form->isVisible());
        form->WMUser(TrayIcon::LeftButtonDown);
        form->WMUser(TrayIcon::LeftDoubleClick);
        QVERIFY(!saveTimer(*form).isActive());
        QVERIFY(form->isVisible());
        form->WMUser(516); // anything else is ignored
        QVERIFY(form->isVisible());
        QVERIFY(!saveTimer(*form).isActive());
    }

    void trayMenu()
    {
        MainFormHarness h;
        auto form = h.make();
        QStringList texts;
        for (QAction *a : ::trayMenu(*form)->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts,
                 (QStringList{"Show", "-", "No action", "-", "Got to the Brontal homepage...", "About the program...",
                              "-", "Quit"}));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->WMUser(TrayIcon::RightButtonUp);
        QCOMPARE(Anzeigen1(*form)->text(), QStringLiteral("Hide"));
        ::trayMenu(*form)->close();
        Anzeigen1(*form)->trigger();
        QVERIFY(!form->isVisible());
        form->WMUser(TrayIcon::RightButtonUp);
        QCOMPARE(Anzeigen1(*form)->text(), QStringLiteral("Show"));
        ::trayMenu(*form)->close();
    }
};

QTEST_MAIN(TstMainForm)
#include "tst_mainform.moc"
