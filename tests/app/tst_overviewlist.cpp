// The overview list as a view over the day's records: many rows selected
// and deleted at once with the mouse and the keyboard, edits shown in
// place, long names shortened.
#include "MainFormHarness.h"

#include "navigation/OverviewModel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using NodeCode::Encode;

namespace {
const int Y = 2031, M = 5, D = 14;

std::unique_ptr<TMainForm> withRows(MainFormHarness &h, int count, const std::string &firstName = "0")
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(i == 0 ? firstName : std::to_string(i));
    return h.makeOnDay(QDate(Y, M, D), names, true);
}

QStringList namesOf(const DayGrid &grid)
{
    return namesOn(grid, QDate(Y, M, D));
}

QStringList namesInFile(MainFormHarness &h)
{
    DayGrid back;
    TSettings s;
    const QByteArray bytes = h.fileBytes();
    if (!TerminFile::Parse(bytes.constData(), static_cast<size_t>(bytes.size()), back, s).isEmpty())
        return {QStringLiteral("unreadable")};
    return namesOf(back);
}
} // namespace

class TstOverviewList : public QObject {
    Q_OBJECT
private slots:
    void selectAllAndDeleteEmptiesTheDay()
    {
        MainFormHarness h;
        auto form = withRows(h, 5000);
        QVERIFY(form);
        QCOMPARE(listRows(*form), 5000);
        clickRow(*form, 10);
        QTest::keyClick(ListView1(*form), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(rowSelected(*form, 0));
        QVERIFY(rowSelected(*form, 4999));
        // the first selected row fills the editors
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("0"));
        h.answer = QMessageBox::Yes;
        QTest::keyClick(ListView1(*form), Qt::Key_Delete);
        QCOMPARE(h.boxes.size(), 1);
        QCOMPARE(form->grid().Slot(Y, M, D).records.Count(), 0u);
        QCOMPARE(listRows(*form), 1);
        QCOMPARE(listText(*form, 0, 1), QStringLiteral("No appointments..."));
        QVERIFY(namesInFile(h).isEmpty());
        QVERIFY(!DelTerminBtn(*form)->isEnabled());
        QVERIFY(!PageControl2(*form)->isVisible());
    }

    void rangesAndSingleRowsGoTogetherAndTheRestKeepsItsOrder()
    {
        MainFormHarness h;
        auto form = withRows(h, 10);
        QVERIFY(form);
        // 2..5 by Shift+click from the bottom up, 8 by Ctrl+click, then 4
        // taken out again by Ctrl+click: 2, 3, 5 and 8 go.
        clickRow(*form, 5);
        clickRow(*form, 2, Qt::ShiftModifier);
        clickRow(*form, 8, Qt::ControlModifier);
        clickRow(*form, 4, Qt::ControlModifier);
        QVERIFY(!rowSelected(*form, 4));
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("2")); // first selected in list order
        h.answer = QMessageBox::Yes;
        QTest::mouseClick(DelTerminBtn(*form), Qt::LeftButton);
        const QStringList left{"0", "1", "4", "6", "7", "9"};
        QCOMPARE(namesOf(form->grid()), left);
        QCOMPARE(namesInFile(h), left);
        QCOMPARE(listRows(*form), 6);
        QCOMPARE(listText(*form, 2, 1), QStringLiteral("4"));
        QVERIFY(noRowSelected(*form));
    }

    void keyboardSelectionToTheEndAndNoKeepsEverything()
    {
        MainFormHarness h;
        auto form = withRows(h, 300);
        QVERIFY(form);
        // all, then the last row alone
        clickRow(*form, 0);
        QTest::keyClick(ListView1(*form), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(rowSelected(*form, 150));
        QTest::keyClick(ListView1(*form), Qt::Key_End);
        QVERIFY(rowSelected(*form, 299));
        QVERIFY(!rowSelected(*form, 0));
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("299"));

        clickRow(*form, 250);
        QTest::keyClick(ListView1(*form), Qt::Key_End, Qt::ShiftModifier);
        QVERIFY(rowSelected(*form, 299));
        QVERIFY(!rowSelected(*form, 249));
        h.answer = QMessageBox::No;
        QTest::keyClick(ListView1(*form), Qt::Key_Delete);
        QCOMPARE(form->grid().Slot(Y, M, D).records.Count(), 300u);
        h.answer = QMessageBox::Yes;
        QTest::keyClick(ListView1(*form), Qt::Key_Delete);
        QCOMPARE(form->grid().Slot(Y, M, D).records.Count(), 250u);
        QCOMPARE(listText(*form, 249, 1), QStringLiteral("249"));
    }

    void typedNameAndTimeShowInTheRowAtOnce()
    {
        MainFormHarness h;
        auto form = withRows(h, 3);
        QVERIFY(form);
        clickRow(*form, 1);
        NameEd(*form)->setFocus();
        NameEd(*form)->selectAll();
        QTest::keyClicks(NameEd(*form), QStringLiteral("Dentist"));
        QCOMPARE(listText(*form, 1, 1), QStringLiteral("Dentist"));
        QCOMPARE(listText(*form, 0, 1), QStringLiteral("0"));
        // the row is painted from the record, so it changes in place and keeps its position
        QCOMPARE(listRows(*form), 3);
        QVERIFY(rowSelected(*form, 1));
    }

    void aLongMultiLineNameShowsItsFirstLineShortened()
    {
        MainFormHarness h;
        const std::string longName = "Call the office\r\nabout " + std::string(2 * 1000 * 1000, 'x');
        auto form = withRows(h, 2, longName);
        QVERIFY(form);
        QCOMPARE(listText(*form, 0, 1), QStringLiteral("Call the office..."));
        // shown, the record keeps every byte
        QCOMPARE(form->grid().Slot(Y, M, D).records.At(0).Name.size(), longName.size());
    }
};

QTEST_MAIN(TstOverviewList)
#include "tst_overviewlist.moc"
