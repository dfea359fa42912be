// What the detail panel's editors make of a person's input: the mouse
// wheel over a field, an hour typed with its minutes, characters the file
// cannot store. Keys go through the window to whatever has the focus.
#include "EditingDay.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QWheelEvent>

using namespace EditingDay;

namespace {

void showPage(TMainForm &form, int page)
{
    QTabBar *tabs = PageControl2(form)->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    QCOMPARE(PageControl2(form)->currentIndex(), page);
}

// One notch of the wheel where the pointer rests over the field's own area
// (its arrows), handed to the window as the mouse's are.
void turnWheelOver(TMainForm &form, QWidget *field)
{
    const QPoint at(field->width() - 4, field->height() / 2);
    QVERIFY(!field->childAt(at));
    const QPoint inWindow = field->mapTo(&form, at);
    QWheelEvent wheel(inWindow, form.mapToGlobal(inWindow), QPoint(), QPoint(0, QWheelEvent::DefaultDeltasPerStep),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.windowHandle(), &wheel);
}

// Types as a keyboard does, each character to the focused widget.
void typeKeys(TMainForm &form, const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c == U'\n')
            QTest::keyClick(form.windowHandle(), Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, form.windowHandle(), Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
    }
}

const TTermin &record(TMainForm &form)
{
    return recordAt(form, Y, M, D, 0);
}

} // namespace

class TstEditorInput : public QObject {
    Q_OBJECT
private slots:
    void theWheelTurnsOnlyAFocusedField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("page");
        QTest::newRow("hour") << QStringLiteral("hour") << 0;
        QTest::newRow("minute") << QStringLiteral("min") << 0;
        QTest::newRow("first reminder days") << QStringLiteral("day1") << 1;
        QTest::newRow("repeat minutes") << QStringLiteral("min2") << 1;
    }

    void theWheelTurnsOnlyAFocusedField()
    {
        QFETCH(QString, field);
        QFETCH(int, page);
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(showActive(*form));
        clickRow(*form, 0);
        showPage(*form, page);
        auto *spin = form->findChild<TSpinEdit *>(field);
        const int before = spin->value();
        const TTermin stored = record(*form);

        turnWheelOver(*form, spin); // scrolling past: the field was never clicked
        QCOMPARE(spin->value(), before);
        QCOMPARE(record(*form).Time, stored.Time);
        QCOMPARE(record(*form).FirstRemind, stored.FirstRemind);
        QCOMPARE(record(*form).RepeatInterval, stored.RepeatInterval);

        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 3, spin->height() / 2));
        QVERIFY(spin->hasFocus());
        turnWheelOver(*form, spin);
        QCOMPARE(spin->value(), before + 1);
    }

    void anHourTypedWithItsMinutes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("minutesField");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::newRow("7:30") << QStringLiteral("hour") << QStringLiteral("7:30") << QStringLiteral("min") << 7 << 30;
        QTest::newRow("7.30") << QStringLiteral("hour") << QStringLiteral("7.30") << QStringLiteral("min") << 7 << 30;
        QTest::newRow("07:5") << QStringLiteral("hour") << QStringLiteral("07:5") << QStringLiteral("min") << 7 << 5;
        QTest::newRow("reminder 2:15") << QStringLiteral("hour1") << QStringLiteral("2:15") << QStringLiteral("min1")
                                       << 2 << 15;
    }

    void anHourTypedWithItsMinutes()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, minutesField);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(showActive(*form));
        clickRow(*form, 0);
        auto *spin = form->findChild<TSpinEdit *>(field);
        showPage(*form, field == QLatin1String("hour") ? 0 : 1);
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 3, spin->height() / 2));
        QTest::keyClick(form->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        typeKeys(*form, typed);
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
        QCOMPARE(spin->value(), hours);
        QCOMPARE(form->findChild<TSpinEdit *>(minutesField)->value(), minutes);
        const double value = DateTimeValue::EncodeTime(hours, minutes);
        if (field == QLatin1String("hour"))
            QCOMPARE(record(*form).Time, value);
        else
            QCOMPARE(record(*form).FirstRemind, 3 + value);
    }

    void whatCannotBeStoredShowsAsStored_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inserted"); // after one Left
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("Greek in the name")
            << QStringLiteral("NameEd") << QStringLiteral("ab") << QStringLiteral("\u03a9") << QStringLiteral("a?b")
            << 2 << QByteArray("a?b");
        QTest::newRow("emoji in the name")
            << QStringLiteral("NameEd") << QStringLiteral("ab") << QStringLiteral("\U0001F600x")
            << QStringLiteral("a?xb") << 3 << QByteArray("a?xb");
        QTest::newRow("Greek in the description")
            << QStringLiteral("DescEd") << QStringLiteral("x\ny") << QStringLiteral("\u03bb\u20ac")
            << QStringLiteral("x\n?\u20acy") << 4 << QByteArray("x\r\n?\x80y");
        QTest::newRow("code page only") << QStringLiteral("NameEd") << QStringLiteral("ab")
                                        << QStringLiteral("\u20ac\u2026") << QStringLiteral("a\u20ac\u2026b") << 3
                                        << QByteArray(
                                               "a\x80\x85"
                                               "b");
    }

    void whatCannotBeStoredShowsAsStored()
    {
        QFETCH(QString, editor);
        QFETCH(QString, typed);
        QFETCH(QString, inserted);
        QFETCH(QString, shown);
        QFETCH(int, cursor);
        QFETCH(QByteArray, stored);
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(showActive(*form));
        clickRow(*form, 0);
        QWidget *field = form->findChild<QWidget *>(editor);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() / 2, field->height() / 2));
        QTest::keyClick(form->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        typeKeys(*form, typed);
        QTest::keyClick(form->windowHandle(), Qt::Key_Left);
        typeKeys(*form, inserted);

        const bool name = editor == QLatin1String("NameEd");
        QCOMPARE(name ? NameEd(*form)->text() : DescEd(*form)->toPlainText(), shown);
        QCOMPARE(name ? NameEd(*form)->cursorPosition() : DescEd(*form)->textCursor().position(), cursor);
        const TTermin &t = record(*form);
        QCOMPARE(QByteArray::fromStdString(name ? t.Name.str() : t.Description.str()), stored);
        const bool replaced = shown.contains(QLatin1Char('?'));
        QCOMPARE(StatusBar1(*form)->currentMessage(),
                 replaced ? QStringLiteral("Stored as \"?\": the data file's character set (Windows-1252) has no "
                                           "such character")
                          : QString());
    }
};

QTEST_MAIN(TstEditorInput)
#include "tst_editorinput.moc"
