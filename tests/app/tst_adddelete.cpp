// Adding and deleting appointments with the buttons and the Delete key:
// what is added, what the question lets through, and that the file is
// written at once.
#include "EditingDay.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using NodeCode::Encode;

using namespace EditingDay;

class TstAddDelete : public QObject {
    Q_OBJECT
private slots:
    void addToAnEmptyDay()
    {
        MainFormHarness h;
        auto form = withDay(h, {});
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(listText(*form, 0, 1), QStringLiteral("No appointments..."));
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        QCOMPARE(listRows(*form), 1);
        QVERIFY(rowSelected(*form, 0));
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("No name"));
        QVERIFY(NameEd(*form)->hasFocus());
        QVERIFY(PageControl2(*form)->isVisible());
        QVERIFY(DelTerminBtn(*form)->isEnabled());
        const TTermin &t = recordAt(*form, Y, M, D, 0);
        QCOMPARE(t.Name, std::string("No name"));
        QCOMPARE(t.Description, std::string());
        QCOMPARE(t.FirstRemind, 3.0);
        QCOMPARE(t.RepeatInterval, 1.0);
        QCOMPARE(t.LastReminded, 0.0);
        QCOMPARE(t.Time, 0.5);
        QVERIFY(!t.Done);
        // written at once
        DayGrid back;
        TSettings s;
        const QByteArray bytes = h.fileBytes();
        QVERIFY(TerminFile::Parse(bytes.constData(), bytes.size(), back, s).isEmpty());
        QCOMPARE(back.Slot(Y, M, D).records.Count(), 1u);
        QCOMPARE(LastLabel(*form)->text(), QStringLiteral("Reminded: never"));
    }

    void deleteFirstAndThirdOfFour()
    {
        MainFormHarness h;
        auto form = withDay(h, {"1", "2", "3", "4"});
        selectRows(*form, {0, 2});
        h.answer = QMessageBox::Yes;
        QTest::mouseClick(DelTerminBtn(*form), Qt::LeftButton);
        QCOMPARE(h.boxes.size(), 1);
        QCOMPARE(h.boxes[0].caption, QStringLiteral("Delete appointment"));
        QCOMPARE(h.boxes[0].text, QStringLiteral("Do you really want to delete the selected appointments?"));
        QCOMPARE(namesOfDay(*form), (QStringList{"2", "4"}));
        QCOMPARE(listRows(*form), 2);
        QVERIFY(noRowSelected(*form));
        QVERIFY(!DelTerminBtn(*form)->isEnabled());
        DayGrid back;
        TSettings s;
        const QByteArray bytes = h.fileBytes();
        QVERIFY(TerminFile::Parse(bytes.constData(), bytes.size(), back, s).isEmpty());
        QCOMPARE(back.Slot(Y, M, D).records.Count(), 2u);
    }

    void noAndCancelChangeNothing()
    {
        for (auto answer : {QMessageBox::No, QMessageBox::Cancel}) {
            MainFormHarness h;
            auto form = withDay(h, {"1", "2"});
            const QByteArray before = h.fileBytes();
            selectRows(*form, {0});
            h.answer = answer;
            QTest::keyClick(ListView1(*form), Qt::Key_Delete);
            QCOMPARE(h.boxes.size(), 1);
            QCOMPARE(namesOfDay(*form), (QStringList{"1", "2"}));
            QCOMPARE(h.fileBytes(), before);
        }
    }

    void deleteKeyOnAMonthDoesNothing()
    {
        MainFormHarness h;
        auto form = withDay(h, {"1"});
        selectNode(*form, Encode(Y, M));
        selectRows(*form, {0});
        h.answer = QMessageBox::Yes;
        QTest::keyClick(ListView1(*form), Qt::Key_Delete);
        QVERIFY(h.boxes.isEmpty());
        QCOMPARE(namesOfDay(*form), QStringList{"1"});
    }

    void deleteOnTheEmptyRowAsksAndRemovesNothing()
    {
        MainFormHarness h;
        auto form = withDay(h, {});
        QVERIFY(!QFile::exists(h.dataPath() + "x"));
        QFile::remove(h.dataPath());
        selectRows(*form, {0});
        h.answer = QMessageBox::Yes;
        QTest::keyClick(ListView1(*form), Qt::Key_Delete); // the button is off on the empty row
        QCOMPARE(h.boxes.size(), 1);
        QCOMPARE(listText(*form, 0, 1), QStringLiteral("No appointments..."));
        QVERIFY(QFile::exists(h.dataPath())); // written all the same
    }

    void aNameTypedAfterAddReplacesNoName()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(showActive(*form));
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        QVERIFY(NameEd(*form)->hasFocus());
        QCOMPARE(NameEd(*form)->selectedText(), QStringLiteral("No name"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Dentist"));
        QCOMPARE(namesOfDay(*form), (QStringList{"a", "Dentist"}));
        QCOMPARE(listText(*form, 1, 1), QStringLiteral("Dentist"));
    }
};

QTEST_MAIN(TstAddDelete)
#include "tst_adddelete.moc"
