#include "EditingDay.h"

#include "app/ShownTermin.h"
#include "app/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <limits>

using NodeCode::Encode;

using namespace EditingDay;

namespace {

// One notch of the wheel over the field's own area (its arrows), handed to
// the window as the mouse's are.
void turnWheelOver(TMainForm &form, QWidget *field)
{
    const QPoint at(field->width() - 4, field->height() / 2);
    QVERIFY(!field->childAt(at));
    const QPoint inWindow = field->mapTo(&form, at);
    QWheelEvent wheel(inWindow, form.mapToGlobal(inWindow), QPoint(), QPoint(0, QWheelEvent::DefaultDeltasPerStep),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.windowHandle(), &wheel);
}

} // namespace

class TstEditing : public QObject {
    Q_OBJECT
private slots:
    void editEveryField()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        selectRows(*form, {0});
        NameEd(*form)->setText(QStringLiteral("Dentist \u00e4"));
        QCOMPARE(listText(*form, 0, 1), QStringLiteral("Dentist \u00e4"));
        DescEd(*form)->setPlainText(QStringLiteral("line 1\nline 2"));
        doneCheck(*form)->setChecked(true);
        hour(*form)->setValue(9);
        min(*form)->setValue(45);
        day1(*form)->setValue(1);
        hour1(*form)->setValue(2);
        min1(*form)->setValue(30);
        day2(*form)->setValue(0);
        hour2(*form)->setValue(6);
        min2(*form)->setValue(15);
        TTermin &t = recordAt(*form, Y, M, D, 0);
        QCOMPARE(t.Name, std::string("Dentist \xe4"));
        QCOMPARE(t.Description, std::string("line 1\r\nline 2")); // line breaks as the file has them
        QVERIFY(t.Done);
        QCOMPARE(t.Time, DateTimeValue::EncodeTime(9, 45));
        QCOMPARE(t.FirstRemind, 1 + 2.5 / 24);
        QCOMPARE(t.RepeatInterval, DateTimeValue::EncodeTime(6, 15));
        QVERIFY(saveTimer(*form).isActive());

        t.LastReminded = DateTimeValue::EncodeDate(2031, 5, 1) + 0.75;
        QTest::mouseClick(ClearLastBtn(*form), Qt::LeftButton);
        QCOMPARE(t.LastReminded, 0.0);
        QCOMPARE(LastLabel(*form)->text(), QStringLiteral("Reminded: never"));

        // selecting the row again shows the stored values
        ListView1(*form)->clearSelection();
        QVERIFY(!PageControl2(*form)->isVisible());
        selectRows(*form, {0});
        QCOMPARE(day1(*form)->value(), 1);
        QCOMPARE(hour1(*form)->value(), 2);
        QCOMPARE(min1(*form)->value(), 30);
        QCOMPARE(hour(*form)->value(), 9);
        QCOMPARE(min(*form)->value(), 45);
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("Dentist \u00e4"));
    }

    void selectingAnotherAppointmentRestartsTheSaveTimer()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a", "b"});
        recordAt(*form, Y, M, D, 1).Time = DateTimeValue::EncodeTime(8, 0);
        selectRows(*form, {0});
        saveTimer(*form).stop();
        selectRows(*form, {1});
        QCOMPARE(hour(*form)->value(), 8);
        QVERIFY(saveTimer(*form).isActive());
        // and the records keep their own values
        QCOMPARE(recordAt(*form, Y, M, D, 0).Time, 0.5);
        QCOMPARE(recordAt(*form, Y, M, D, 1).Time, DateTimeValue::EncodeTime(8, 0));
        QCOMPARE(recordAt(*form, Y, M, D, 1).Name, std::string("b"));
        // the same values again run no handler
        saveTimer(*form).stop();
        selectRows(*form, {1});
        QVERIFY(!saveTimer(*form).isActive());
    }

    void lastReminderLabel()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        recordAt(*form, Y, M, D, 0).LastReminded = DateTimeValue::EncodeDate(2031, 5, 1)
            + DateTimeValue::EncodeTime(7, 8, 9);
        selectRows(*form, {0});
        QVERIFY(LastLabel(*form)->text().startsWith(QStringLiteral("Reminded: ")));
        QVERIFY(LastLabel(*form)->text().contains(QStringLiteral("; ")));
        QVERIFY(LastLabel(*form)->text().contains(QStringLiteral("08")));

        // A damaged value has no date to show.
        recordAt(*form, Y, M, D, 0).LastReminded = std::numeric_limits<double>::quiet_NaN();
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        clickRow(*form, 0);
        QCOMPARE(LastLabel(*form)->text(), QStringLiteral("Reminded: (invalid)"));
    }

    // An answer to a reminder changes its record; the open record shows
    // the change, and showing it stores nothing. The reminder of a record
    // being typed into waits until the typing is over.
    void aReminderAnswerShowsInTheOpenRecord()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(showActive(*form));
        clickRow(*form, 0);
        QVERIFY(!doneCheck(*form)->isChecked());
        PageControl2(*form)->setCurrentIndex(1);       // the "Reminder" page
        typeInto(day1(*form), QStringLiteral("3000")); // due from now on
        h.reminders.script = {ReminderAnswer::Ignore};
        // While the keys come, its reminder waits; a click on the list, away
        // from the editors, brings it.
        checkTick(*form);
        QVERIFY(h.reminders.asked.isEmpty());
        clickRow(*form, 0);
        QTRY_COMPARE(h.reminders.asked, QStringList{QStringLiteral("a")});
        const TTermin &t = recordAt(*form, Y, M, D, 0);
        QVERIFY(t.Done);
        QVERIFY(doneCheck(*form)->isChecked());
        QVERIFY(LastLabel(*form)->text() != QStringLiteral("Reminded: never"));
        QVERIFY(LastLabel(*form)->text() != QStringLiteral("Reminded: (invalid)"));
        QCOMPARE(t.FirstRemind, 3000.0);
        QCOMPARE(day1(*form)->value(), 3000);
    }

    void saveTimerRewritesTheFileAfterAnEdit()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        selectRows(*form, {0});
        NameEd(*form)->setText(QStringLiteral("renamed"));
        QVERIFY(saveTimer(*form).isActive());
        QCOMPARE(saveTimer(*form).interval(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(h.fileBytes().contains("renamed"), 5000);
        // it keeps running: a file removed behind its back comes back
        QVERIFY(saveTimer(*form).isActive());
        QFile::remove(h.dataPath());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(h.dataPath()), 5000);
    }

    void typedHourOutOfRangeNeverReachesTheRecord()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        selectRows(*form, {0});
        hour(*form)->setFocus();
        hour(*form)->selectAll();
        QTest::keyClicks(hour(*form), QStringLiteral("25"));
        QCOMPARE(hour(*form)->value(), 25);
        // "2" on the way was a valid hour; 25 never is
        QCOMPARE(recordAt(*form, Y, M, D, 0).Time, DateTimeValue::EncodeTime(2, 0));
        NameEd(*form)->setFocus(); // leaving clamps to the bound, which is a change
        QCOMPARE(hour(*form)->value(), 23);
        QCOMPARE(recordAt(*form, Y, M, D, 0).Time, DateTimeValue::EncodeTime(23, 0));
        // arrows stop at the bounds
        hour(*form)->stepUp();
        QCOMPARE(hour(*form)->value(), 23);
    }

    void aFailingSaveIsReportedOnceAtATime()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(showActive(*form));
        // Turn the data file into a directory so every save fails.
        QFile::remove(h.dataPath());
        QVERIFY(QDir().mkdir(h.dataPath() + QStringLiteral(".saving")));
        int nested = 0;
        Dialogs::SetHook([&](const QString &, const QString &) {
            ++nested;
            saveTick(*form); // a tick while the report is open
            return QMessageBox::Yes;
        });
        saveTick(*form); // the tick says it in the status bar, where it takes no keys
        QCOMPARE(nested, 0);
        QVERIFY(StatusBar1(*form)->currentMessage().startsWith(QLatin1String("Not saved")));
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton); // so does Add: the name is typed next
        QCOMPARE(nested, 0);
        clickRow(*form, 0);
        QTest::mouseClick(DelTerminBtn(*form), Qt::LeftButton); // the question, then the report
        QCOMPARE(nested, 2);
        clickRow(*form, 0);
        QTest::mouseClick(DelTerminBtn(*form), Qt::LeftButton); // reported again while the failure lasts
        QCOMPARE(nested, 4);
        QVERIFY(namesOfDay(*form).isEmpty()); // in memory, all the same
        QDir().rmdir(h.dataPath() + QStringLiteral(".saving"));
        Dialogs::SetHook([](const QString &, const QString &) { return QMessageBox::Ok; });
    }

    // -- with real input ---------------------------------------------------

    void dayFieldsHaveNoBounds()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        recordAt(*form, Y, M, D, 0).FirstRemind = -1;
        recordAt(*form, Y, M, D, 0).RepeatInterval = -2.5; // -2 days, 12 hours
        QVERIFY(showActive(*form));
        clickRow(*form, 0);
        QCOMPARE(day1(*form)->value(), -1);
        QCOMPARE(day2(*form)->value(), -2);
        QCOMPARE(hour2(*form)->value(), 12);
        QCOMPARE(recordAt(*form, Y, M, D, 0).FirstRemind, -1.0);
        QCOMPARE(recordAt(*form, Y, M, D, 0).RepeatInterval, -2.5);

        PageControl2(*form)->setCurrentIndex(1); // the "Reminder" page
        typeInto(day1(*form), QStringLiteral("-4"));
        QCOMPARE(recordAt(*form, Y, M, D, 0).FirstRemind, -4.0);
        QTest::keyClick(day1(*form), Qt::Key_Down); // the arrows have no floor either
        QCOMPARE(recordAt(*form, Y, M, D, 0).FirstRemind, -5.0);
        typeInto(day2(*form), QStringLiteral("3000000"));
        QTest::keyClick(day2(*form), Qt::Key_Tab); // leaving keeps it
        QCOMPARE(day2(*form)->value(), 3000000);
        QCOMPARE(recordAt(*form, Y, M, D, 0).RepeatInterval, 3000000.5);
    }

    void showingARecordNeverChangesIt()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a", "b"});
        TTermin &odd = recordAt(*form, Y, M, D, 0);
        std::string longName(40000, 'x');
        longName += "\xe4\xa0\xff end";
        odd.Name = longName;
        std::string description = "CR LF\r\nlone CR\rlone LF\nno-break\xa0space\r\n\r\n";
        for (int c = 1; c < 256; ++c)
            description += static_cast<char>(c);
        odd.Description = description;
        odd.Time = DateTimeValue::EncodeTime(23, 45, 36);
        odd.FirstRemind = 1 + DateTimeValue::EncodeTime(2, 30, 15);
        odd.RepeatInterval = 1e12; // more days than the field can show
        odd.LastReminded = DateTimeValue::EncodeDate(2031, 5, 1) + 0.25;
        const TTermin before = odd;
        QVERIFY(showActive(*form));

        for (int row : {0, 1, 0, 1}) {
            saveTimer(*form).stop();
            clickRow(*form, row);
            QVERIFY(saveTimer(*form).isActive()); // filling ran the handlers
        }
        clickRow(*form, 0);
        QCOMPARE(NameEd(*form)->text().size(), qsizetype(longName.size()));
        QCOMPARE(odd.Name, before.Name);
        QCOMPARE(odd.Description, before.Description);
        QCOMPARE(odd.Time, before.Time);
        QCOMPARE(odd.FirstRemind, before.FirstRemind);
        QCOMPARE(odd.RepeatInterval, before.RepeatInterval);
        QCOMPARE(odd.LastReminded, before.LastReminded);
        QCOMPARE(recordAt(*form, Y, M, D, 1).Name, std::string("b"));
        QCOMPARE(recordAt(*form, Y, M, D, 1).Time, 0.5);

        // Changing one field stores that field only.
        typeInto(min(*form), QStringLiteral("50"));
        QCOMPARE(odd.Time, DateTimeValue::EncodeTime(23, 50));
        QCOMPARE(odd.Description, before.Description);
        QCOMPARE(odd.FirstRemind, before.FirstRemind);
    }

    // Texts longer than the editors can lay out quickly come from other
    // writers or damage: they are shown cut short and read-only, and
    // neither showing nor typing nor saving shortens them.
    void tooLongTextsAreShownCutAndKeptWhole()
    {
        MainFormHarness h;
        auto form = withDay(h, {"long", "many lines", "short"});
        const QChar ellipsis(0x2026);
        const std::string longName(EditableLength::Name + 5, 'n');
        const std::string longLine = "first\r\n" + std::string(EditableLength::DescriptionLine + 10, 'd') + "\r\nlast";
        std::string manyLines;
        while (manyLines.size() <= std::size_t(EditableLength::Description) * 11 / 10)
            manyLines += "twenty-eight characters\r\n";
        recordAt(*form, Y, M, D, 0).Name = longName;
        recordAt(*form, Y, M, D, 0).Description = longLine;
        recordAt(*form, Y, M, D, 1).Description = manyLines;
        QVERIFY(showActive(*form));

        clickRow(*form, 0);
        QVERIFY(NameEd(*form)->isReadOnly());
        QCOMPARE(NameEd(*form)->text().size(), EditableLength::Name);
        QVERIFY(NameEd(*form)->text().endsWith(ellipsis));
        QVERIFY(DescEd(*form)->isReadOnly());
        const QStringList lines = DescEd(*form)->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[1].size(), EditableLength::DescriptionLine);
        QVERIFY(lines[1].endsWith(ellipsis));
        QCOMPARE(lines[2], QStringLiteral("last"));
        QTest::mouseClick(NameEd(*form), Qt::LeftButton);
        QTest::keyClick(NameEd(*form), Qt::Key_End);
        QTest::keyClick(NameEd(*form), Qt::Key_Backspace);
        QTest::keyClicks(NameEd(*form), QStringLiteral("x"));
        QTest::mouseClick(DescEd(*form)->viewport(), Qt::LeftButton);
        QTest::keyClick(DescEd(*form), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(DescEd(*form), Qt::Key_Delete);

        clickRow(*form, 1);
        QVERIFY(!NameEd(*form)->isReadOnly());
        QVERIFY(DescEd(*form)->isReadOnly());
        QCOMPARE(DescEd(*form)->toPlainText().size(), EditableLength::Description);
        QVERIFY(DescEd(*form)->toPlainText().endsWith(ellipsis));

        // An ordinary record is editable again.
        clickRow(*form, 2);
        QVERIFY(!DescEd(*form)->isReadOnly());
        QVERIFY(NameEd(*form)->toolTip().isEmpty());
        QTest::mouseClick(NameEd(*form), Qt::LeftButton);
        QTest::keyClick(NameEd(*form), Qt::Key_End);
        QTest::keyClicks(NameEd(*form), QStringLiteral("!"));
        QCOMPARE(recordAt(*form, Y, M, D, 2).Name, std::string("short!"));

        saveTick(*form);
        DayGrid saved;
        TSettings settings;
        QVERIFY(OpenTermins(h.dataPath(), saved, settings).ok);
        QCOMPARE(saved.RecordAt(saved.Slot(Y, M, D), 0)->Name, longName);
        QCOMPARE(saved.RecordAt(saved.Slot(Y, M, D), 0)->Description, longLine);
        QCOMPARE(saved.RecordAt(saved.Slot(Y, M, D), 1)->Description, manyLines);
    }

    // The wheel over a field never clicked changes nothing; once clicked
    // it turns the field. An hour typed as "7:30" goes on into the minutes.
    void aTimeByWheelAndKeys_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored"); // Time, or FirstRemind
        QTest::newRow("7:30") << QStringLiteral("hour") << QStringLiteral("7:30") << 7.5 / 24;
        QTest::newRow("7.30") << QStringLiteral("hour") << QStringLiteral("7.30") << 7.5 / 24;
        QTest::newRow("reminder 2:15") << QStringLiteral("hour1") << QStringLiteral("2:15") << 3 + 2.25 / 24;
    }

    void aTimeByWheelAndKeys()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(double, stored);
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(showActive(*form));
        clickRow(*form, 0);
        auto *spin = form->findChild<TSpinEdit *>(field);
        QTabBar *tabs = PageControl2(*form)->tabBar();
        if (!spin->isVisible()) // on the "Reminder" page
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        const int before = spin->value();
        const TTermin &t = recordAt(*form, Y, M, D, 0);
        const double time = t.Time, first = t.FirstRemind;
        turnWheelOver(*form, spin);
        QCOMPARE(spin->value(), before);
        QCOMPARE(t.Time, time);
        QCOMPARE(t.FirstRemind, first);
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 3, spin->height() / 2));
        turnWheelOver(*form, spin);
        QCOMPARE(spin->value(), before + 1);

        // Keys as a keyboard sends them, each to the focused widget.
        QTest::keyClick(form->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : typed)
            QTest::keyClick(form->windowHandle(), c.toLatin1());
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
        QCOMPARE(field == QLatin1String("hour") ? t.Time : t.FirstRemind, stored);
    }

    void anEditedDescriptionKeepsCrLf()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        recordAt(*form, Y, M, D, 0).Description = "one\r\ntwo";
        QVERIFY(showActive(*form));
        clickRow(*form, 0);
        QCOMPARE(DescEd(*form)->toPlainText(), QStringLiteral("one\ntwo"));
        QTest::mouseClick(DescEd(*form)->viewport(), Qt::LeftButton);
        QTest::keyClick(DescEd(*form), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(DescEd(*form), Qt::Key_Return);
        QTest::keyClicks(DescEd(*form), QStringLiteral("three"));
        QCOMPARE(recordAt(*form, Y, M, D, 0).Description, std::string("one\r\ntwo\r\nthree"));
    }
};

QTEST_MAIN(TstEditing)
#include "tst_editing.moc"
