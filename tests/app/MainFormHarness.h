#pragma once
// Builds main windows on a temporary program directory, answers their
// message boxes and reminders from a script, and selects tree nodes.

#include "app/Dialogs.h"
#include "app/MainUnit.h"
#include "controls/ButtonsXP.h"
#include "controls/ImageBtnUnit.h"
#include "navigation/DateTreeModel.h"
#include "navigation/NodeCode.h"
#include "platform/desktop/TrayIcon.h"
#include "reminders/ReminderAnswers.h"
#include "store/DateTimeValue.h"
#include "store/TerminFile.h"

#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

struct Box {
    QString caption, text;
};

class ScriptedAnswers : public ReminderAnswers {
public:
    QList<int> script;          // answers in order; Yes when it runs out
    QStringList asked;          // names asked about
    QList<bool> windowVisible;  // was the main window visible when asked?
    QWidget *window = nullptr;
    std::function<void()> whileAsking; // runs while a reminder is "open"

    int Ask(const QString &, const QString &name, const QString &) override
    {
        if (whileAsking)
            whileAsking();
        asked << name;
        windowVisible << (window && window->isVisible());
        return script.isEmpty() ? ReminderAnswer::Yes : script.takeFirst();
    }
};

class MainFormHarness {
public:
    QTemporaryDir dir;
    QList<Box> boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    ScriptedAnswers reminders;

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
    const QModelIndex index = form.TreeModel->indexForCode(code);
    QVERIFY(index.isValid());
    form.TreeView1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

inline int selectedNode(TMainForm &form)
{
    const QModelIndexList sel = form.TreeView1->selectionModel()->selectedIndexes();
    return sel.isEmpty() ? -1 : DateTreeModel::codeOf(sel.first());
}

inline void selectRows(TMainForm &form, std::initializer_list<int> rows)
{
    form.ListView1->clearSelection();
    for (int r : rows)
        form.ListView1->topLevelItem(r)->setSelected(true);
}

inline TTermin &recordAt(TMainForm &form, int y, int m, int d, int i)
{
    return *form.grid().RecordAt(form.grid().Slot(y, m, d), i);
}
