#pragma once
// Builds main windows on a temporary program directory, answers their
// message boxes and reminders from a script, and selects tree nodes.

#include "MainFormControls.h"

#include "app/Dialogs.h"
#include "app/MainUnit.h"
#include "app/SpinEdit.h"
#include "controls/ButtonsXP.h"
#include "controls/ImageBtnUnit.h"
#include "navigation/DateTreeModel.h"
#include "reminders/HeadingPanel.h"
#include "navigation/NodeCode.h"
#include "platform/desktop/TrayIcon.h"
#include "store/DateTimeValue.h"
#include "store/TerminFile.h"
#include "support/ScriptedAnswers.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

struct Box {
    QString caption, text;
};

// The shared scripted answers, noting also whether the main window was
// visible at each question.
class WindowAnswers : public ScriptedAnswers {
public:
    QList<bool> windowVisible;
    QWidget *window = nullptr;

    int Ask(const QString &heading, const QString &name, const QString &description) override
    {
        const int answer = ScriptedAnswers::Ask(heading, name, description);
        windowVisible << (window && window->isVisible());
        return answer;
    }
};

inline void selectNode(TMainForm &form, int code);

class MainFormHarness {
public:
    QTemporaryDir dir;
    QList<Box> boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    WindowAnswers reminders;

    MainFormHarness()
    {
        // The ordinary desktop has a notification area; the test display
        // does not, so it is granted here (tests without one say so).
        TrayIcon::OverrideAvailability(true);
        Dialogs::SetHook([this](const QString &caption, const QString &text) {
            boxes.append({caption, text});
            return answer;
        });
    }
    ~MainFormHarness()
    {
        Dialogs::SetHook({});
        TrayIcon::OverrideAvailability(std::nullopt);
    }

    QString dataPath() const { return TerminFile::PathIn(dir.path()); }

    void writeStore(const DayGrid &grid, const TSettings &settings = TSettings())
    {
        QVERIFY(SaveTermins(dataPath(), grid, settings).ok);
    }

    std::unique_ptr<TMainForm> make()
    {
        auto form = std::make_unique<TMainForm>(dir.path());
        reminders.window = form.get();
        form->setAnswerProvider(&reminders, nullptr);
        return form;
    }

    // A window shown on the desktop, ready for real input.
    std::unique_ptr<TMainForm> makeShown()
    {
        auto form = make();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return nullptr;
        return form;
    }

    // A window on `day`, which holds appointments named `names`, each at
    // noon, first reminded three days ahead and again every day. With
    // `shown` the window is on the desktop before the day is selected.
    std::unique_ptr<TMainForm> makeOnDay(const QDate &day, const std::vector<std::string> &names, bool shown)
    {
        DayGrid grid;
        for (const std::string &n : names) {
            TTermin *t = grid.AddRecord(grid.Slot(day.year(), day.month(), day.day()));
            t->Name = n;
            t->Time = 0.5;
            t->FirstRemind = 3;
            t->RepeatInterval = 1;
        }
        writeStore(grid);
        auto form = shown ? makeShown() : make();
        if (form)
            selectNode(*form, NodeCode::Encode(day.year(), day.month(), day.day()));
        return form;
    }

    std::unique_ptr<TMainForm> makeOnDay(const QDate &day, const QStringList &names, bool shown)
    {
        std::vector<std::string> stored;
        for (const QString &n : names)
            stored.push_back(n.toStdString());
        return makeOnDay(day, stored, shown);
    }

    QByteArray fileBytes() const
    {
        QFile f(dataPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// An hour from now, today: an appointment at that time with a lead of one
// day is due at once. Null near midnight, when no such time exists today.
inline QDateTime dueSoon()
{
    const QDateTime soon = QDateTime::currentDateTime().addSecs(3600);
    return soon.date() == QDate::currentDate() ? soon : QDateTime();
}

// The names of a day's appointments, in order.
inline QStringList namesOn(const DayGrid &grid, const QDate &day)
{
    QStringList names;
    const TTerminDay &slot = grid.Slot(day.year(), day.month(), day.day());
    for (uint32_t i = 0; i < slot.records.Count(); ++i)
        names << QString::fromStdString(slot.records.At(i).Name);
    return names;
}

inline TTerminDay &dayOf(DayGrid &grid, const QDateTime &when)
{
    return grid.Slot(when.date().year(), when.date().month(), when.date().day());
}

// Adds an appointment at `when` that is due now.
inline TTermin *addDue(DayGrid &grid, const QDateTime &when, const char *name)
{
    TTermin *t = grid.AddRecord(dayOf(grid, when));
    t->Name = name;
    t->Time = DateTimeValue::EncodeTime(when.time().hour(), when.time().minute());
    t->FirstRemind = 1;
    return t;
}

inline void selectNode(TMainForm &form, int code)
{
    const QModelIndex index = TreeModel(form)->indexForCode(code);
    QVERIFY(index.isValid());
    TreeView1(form)->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

inline int selectedNode(TMainForm &form)
{
    const QModelIndexList sel = TreeView1(form)->selectionModel()->selectedIndexes();
    return sel.isEmpty() ? -1 : DateTreeModel::codeOf(sel.first());
}

// The overview list as the user sees it.
inline int listRows(TMainForm &form)
{
    return ListView1(form)->model()->rowCount();
}

inline QString listText(TMainForm &form, int row, int column)
{
    return ListView1(form)->model()->index(row, column).data().toString();
}

inline bool rowSelected(TMainForm &form, int row)
{
    return ListView1(form)->selectionModel()->isRowSelected(row);
}

inline bool noRowSelected(TMainForm &form)
{
    return !ListView1(form)->selectionModel()->hasSelection();
}

// Where a row of the list is on screen, scrolled into view; the window is
// shown first so the list has its size.
inline QPoint rowPoint(TMainForm &form, int row)
{
    if (!form.isVisible()) {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return {};
    }
    const QModelIndex index = ListView1(form)->model()->index(row, 1);
    ListView1(form)->scrollTo(index);
    return ListView1(form)->visualRect(index).center();
}

inline void clickRow(TMainForm &form, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPoint at = rowPoint(form, row);
    QVERIFY(!at.isNull());
    QTest::mouseClick(ListView1(form)->viewport(), Qt::LeftButton, modifiers, at);
}

// Through the window, as the window system delivers it: press, release,
// press, double click, release.
inline void doubleClickRow(TMainForm &form, int row)
{
    const QPoint at = rowPoint(form, row);
    QVERIFY(!at.isNull());
    QVERIFY(form.windowHandle());
    const QPoint inWindow = ListView1(form)->viewport()->mapTo(&form, at);
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
}

// Selects exactly `rows` as a person does: a click on the first, a
// Ctrl+click on each further one.
inline void selectRows(TMainForm &form, std::initializer_list<int> rows)
{
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (int r : rows) {
        clickRow(form, r, modifiers);
        modifiers = Qt::ControlModifier;
    }
}

inline TTermin &recordAt(TMainForm &form, int y, int m, int d, int i)
{
    return *form.grid().RecordAt(form.grid().Slot(y, m, d), i);
}

// Real input: the window is shown and active, and clicks land where a
// person would click, at the centre of the node as the tree draws it.

inline bool showActive(TMainForm &form)
{
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

inline void clickNode(TMainForm &form, int code, Qt::KeyboardModifiers modifiers = {})
{
    const QModelIndex index = TreeModel(form)->indexForCode(code);
    QVERIFY(index.isValid());
    TreeView1(form)->scrollTo(index); // as a person scrolls to it
    const QRect rect = TreeView1(form)->visualRect(index);
    QVERIFY(!rect.isEmpty());
    QTest::mouseClick(TreeView1(form)->viewport(), Qt::LeftButton, modifiers, rect.center());
}

// Clicks into a widget and types over its whole text, as a person does
// with Ctrl+A.
inline void typeInto(QWidget *field, const QString &text)
{
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() / 2, field->height() / 2));
    QVERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

inline QStringList listTexts(TMainForm &form, int column)
{
    QStringList texts;
    for (int r = 0; r < listRows(form); ++r)
        texts << listText(form, r, column);
    return texts;
}
