// The date tree and the overview list driven with the mouse and the
// keyboard: whatever the selection becomes, heading, list, detail panel and
// buttons show it, and the editors act on the record shown and no other.
#include "MainFormHarness.h"

#include "app/SpinEdit.h"
#include "reminders/HeadingPanel.h"

#include <QLineEdit>
#include <QTabWidget>

using NodeCode::Encode;

namespace {
const int Y = 2031, M = 5, D = 14, E = 15;

// 14 May 2031 holds A1..A4, 15 May B1..B4; the window shows 14 May.
std::unique_ptr<TMainForm> twoDays(MainFormHarness &h)
{
    DayGrid grid;
    for (int day : {D, E}) {
        for (int i = 1; i <= 4; ++i) {
            TTermin *t = grid.AddRecord(grid.Slot(Y, M, day));
            t->Name = QStringLiteral("%1%2").arg(day == D ? 'A' : 'B').arg(i).toStdString();
            t->Time = DateTimeValue::EncodeTime(8 + i, day == D ? 0 : 30);
        }
    }
    h.writeStore(grid);
    auto form = h.make();
    selectNode(*form, Encode(Y, M, D));
    return form;
}

QStringList names(TMainForm &form, int day)
{
    return namesOn(form.grid(), QDate(Y, M, day));
}

// The record an edit reaches now, or null: a marker goes into the name
// editor, the two days are searched for it, and the editor's text is put
// back (which puts the name back too).
TTermin *editedRecord(TMainForm &form)
{
    QLineEdit *name = NameEd(form);
    const QString before = name->text();
    name->setText(QStringLiteral("marker"));
    TTermin *hit = nullptr;
    for (int day : {D, E}) {
        TTerminDay &slot = form.grid().Slot(Y, M, day);
        for (uint32_t i = 0; i < slot.records.Count(); ++i)
            if (slot.records.At(i).Name == "marker")
                hit = form.grid().RecordAt(slot, int(i));
    }
    name->setText(before);
    return hit;
}

const QStringList As{"A1", "A2", "A3", "A4"};
const QStringList Bs{"B1", "B2", "B3", "B4"};
} // namespace

class TstSelection : public QObject {
    Q_OBJECT
private slots:
    void clickOnAnotherDayShowsItAndEditsOnlyWhatIsShown()
    {
        MainFormHarness h;
        auto form = twoDays(h);
        QVERIFY(showActive(*form));
        clickRow(*form, 3);
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("A4"));

        clickNode(*form, Encode(Y, M, E));
        QCOMPARE(selectedNode(*form), Encode(Y, M, E));
        QCOMPARE(ListHeading(*form)->text(), QStringLiteral("Th 15.May 2031"));
        QCOMPARE(listTexts(*form, 1), Bs);
        QVERIFY(ListView1(*form)->selectionModel()->selectedIndexes().isEmpty());
        QVERIFY(!PageControl2(*form)->isVisible());
        QVERIFY(!DelTerminBtn(*form)->isEnabled());
        QVERIFY(AddTerminBtn(*form)->isEnabled());
        QVERIFY(UpBtn(*form)->isEnabled());
        QVERIFY(!editedRecord(*form));

        // Typing goes into the record the list shows as selected.
        clickRow(*form, 1);
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("B2"));
        typeInto(NameEd(*form), QStringLiteral("Zed"));
        QCOMPARE(names(*form, E), (QStringList{"B1", "Zed", "B3", "B4"}));
        QCOMPARE(names(*form, D), As);
        QCOMPARE(listTexts(*form, 1), (QStringList{"B1", "Zed", "B3", "B4"}));

        // And Delete removes the row shown, of the day shown.
        clickRow(*form, 1);
        h.answer = QMessageBox::Yes;
        QTest::keyClick(ListView1(*form), Qt::Key_Delete);
        QCOMPARE(names(*form, E), (QStringList{"B1", "B3", "B4"}));
        QCOMPARE(names(*form, D), As);
    }

    void ctrlClickClearsTheSelectionAndEverythingShowsIt()
    {
        MainFormHarness h;
        auto form = twoDays(h);
        QVERIFY(showActive(*form));
        clickRow(*form, 3);
        QVERIFY(PageControl2(*form)->isVisible());

        clickNode(*form, Encode(Y, M, D), Qt::ControlModifier);
        QCOMPARE(selectedNode(*form), -1);
        QCOMPARE(ListHeading(*form)->text(), QStringLiteral("Nothing selected"));
        QCOMPARE(ListView1(*form)->model()->rowCount(), 0);
        QVERIFY(!PageControl2(*form)->isVisible());
        QVERIFY(!AddTerminBtn(*form)->isEnabled());
        QVERIFY(!DelTerminBtn(*form)->isEnabled());
        QVERIFY(!UpBtn(*form)->isEnabled());
        QVERIFY(!editedRecord(*form));
        // The keys a person might press next find nothing to act on.
        h.answer = QMessageBox::Yes;
        QTest::keyClick(ListView1(*form), Qt::Key_Delete);
        QVERIFY(h.boxes.isEmpty());
        QCOMPARE(names(*form, D), As);

        clickNode(*form, Encode(Y, M, D), Qt::ControlModifier);
        QCOMPARE(selectedNode(*form), Encode(Y, M, D));
        QCOMPARE(listTexts(*form, 1), As);
        QVERIFY(UpBtn(*form)->isEnabled());
        QVERIFY(AddTerminBtn(*form)->isEnabled());
    }

    void keyboardInTheTreeTakesTheSamePath()
    {
        MainFormHarness h;
        auto form = twoDays(h);
        QVERIFY(showActive(*form));
        clickNode(*form, Encode(Y, M, D));
        QVERIFY(TreeView1(*form)->hasFocus());
        QTest::keyClick(TreeView1(*form), Qt::Key_Down);
        QCOMPARE(selectedNode(*form), Encode(Y, M, E));
        QCOMPARE(listTexts(*form, 1), Bs);
        QTest::keyClick(TreeView1(*form), Qt::Key_Left); // to the month
        QCOMPARE(selectedNode(*form), Encode(Y, M));
        QCOMPARE(ListHeading(*form)->text(), QStringLiteral("May 2031"));
        QCOMPARE(listTexts(*form, 0), (QStringList{"14. We", "15. Th"}));
        QVERIFY(!AddTerminBtn(*form)->isEnabled());
        // "One folder up" with the mouse, as far as it goes.
        QTest::mouseClick(UpBtn(*form), Qt::LeftButton);
        QCOMPARE(ListHeading(*form)->text(), QStringLiteral("Year 2031"));
        QTest::mouseClick(UpBtn(*form), Qt::LeftButton);
        QTest::mouseClick(UpBtn(*form), Qt::LeftButton);
        QCOMPARE(selectedNode(*form), 0);
        QVERIFY(!UpBtn(*form)->isEnabled());
    }

    void listSelectionByMouseAndKeyboard()
    {
        MainFormHarness h;
        auto form = twoDays(h);
        QVERIFY(showActive(*form));
        clickRow(*form, 2);
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("A3"));
        clickRow(*form, 0, Qt::ControlModifier); // the first selected row counts
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("A1"));
        QCOMPARE(hour(*form)->value(), 9);
        clickRow(*form, 0, Qt::ControlModifier);
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("A3"));
        clickRow(*form, 2, Qt::ControlModifier); // nothing selected now
        QVERIFY(!PageControl2(*form)->isVisible());
        QVERIFY(!DelTerminBtn(*form)->isEnabled());
        QVERIFY(!editedRecord(*form));

        QTest::keyClick(ListView1(*form), Qt::Key_Down);
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("A4"));
        QVERIFY(DelTerminBtn(*form)->isEnabled());
        QTest::keyClick(ListView1(*form), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("A3"));
        QCOMPARE(editedRecord(*form), &recordAt(*form, Y, M, D, 2));
        // Nothing was edited by all this showing.
        QCOMPARE(names(*form, D), As);
        QCOMPARE(recordAt(*form, Y, M, D, 0).Time, DateTimeValue::EncodeTime(9, 0));
    }

    void todayIsInTheMiddleOfTheTreeWhenFirstShown()
    {
        MainFormHarness h;
        auto form = h.make();
        QVERIFY(showActive(*form));
        const QDate today = QDate::currentDate();
        const QModelIndex index = TreeModel(*form)->indexForCode(Encode(today.year(), today.month(), today.day()));
        const int middle = TreeView1(*form)->visualRect(index).center().y();
        const int height = TreeView1(*form)->viewport()->height();
        QVERIFY2(middle > height / 3 && middle < height * 2 / 3,
                 qPrintable(QStringLiteral("today's row at %1 of %2").arg(middle).arg(height)));
    }
};

QTEST_MAIN(TstSelection)
#include "tst_selection.moc"
