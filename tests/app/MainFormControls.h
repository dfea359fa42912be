#pragma once
// The main window's controls, timers and tray menu as tests reach them: by
// the names they carry, as a person's tools do, never through the window's
// own fields. Also the tray's mouse messages and a click through the window
// system.

#include "app/MainUnit.h"
#include "app/SpinEdit.h"
#include "controls/ButtonsXP.h"
#include "controls/ImageBtnUnit.h"
#include "navigation/DateTreeModel.h"
#include "platform/desktop/TrayIcon.h"
#include "reminders/HeadingPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

// The window's controls, found as a person's tools find them: by the name
// each carries. A missing or retyped control stops the test at once.
template <class W>
W *control(const QObject &form, const char *name)
{
    W *w = form.findChild<W *>(QLatin1String(name));
    if (!w)
        qFatal("The main window has no %s named %s", W::staticMetaObject.className(), name);
    return w;
}

// The options page makes its fields when a person first chooses it; a test
// reaches them the same way: a click on its tab, and one back to the page
// shown before.
inline void reachOptionsPage(const QObject &form)
{
    auto *tabs = control<QTabWidget>(form, "PageControl1");
    QTabBar *bar = tabs->tabBar();
    const int shown = tabs->currentIndex();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(shown).center());
}
template <class W>
W *optionsControl(const QObject &form, const char *name)
{
    if (!form.findChild<W *>(QLatin1String(name)))
        reachOptionsPage(form);
    return control<W>(form, name);
}

#define KALVIX_CONTROL(Type, Name) \
    inline Type *Name(const TMainForm &form) \
    { \
        return control<Type>(form, #Name); \
    }
KALVIX_CONTROL(QTabWidget, PageControl1)
KALVIX_CONTROL(HeadingPanel, ListHeading)
KALVIX_CONTROL(TBitBtnXP, AddTerminBtn)
KALVIX_CONTROL(TBitBtnXP, DelTerminBtn)
KALVIX_CONTROL(TBitBtnXP, UpBtn)
KALVIX_CONTROL(QTreeView, TreeView1)
KALVIX_CONTROL(QSplitter, Splitter1)
KALVIX_CONTROL(QTreeView, ListView1)
KALVIX_CONTROL(QTabWidget, PageControl2)
KALVIX_CONTROL(QLineEdit, NameEd)
KALVIX_CONTROL(TSpinEdit, hour)
KALVIX_CONTROL(TSpinEdit, min)
KALVIX_CONTROL(QPlainTextEdit, DescEd)
KALVIX_CONTROL(TSpinEdit, day1)
KALVIX_CONTROL(TSpinEdit, hour1)
KALVIX_CONTROL(TSpinEdit, min1)
KALVIX_CONTROL(TSpinEdit, day2)
KALVIX_CONTROL(TSpinEdit, hour2)
KALVIX_CONTROL(TSpinEdit, min2)
KALVIX_CONTROL(QCheckBox, doneCheck)
KALVIX_CONTROL(QLabel, LastLabel)
KALVIX_CONTROL(QPushButton, ClearLastBtn)
#define KALVIX_OPTIONS_CONTROL(Type, Name) \
    inline Type *Name(const TMainForm &form) \
    { \
        return optionsControl<Type>(form, #Name); \
    }
KALVIX_OPTIONS_CONTROL(TSpinEdit, gmin)
KALVIX_OPTIONS_CONTROL(TSpinEdit, gsec)
KALVIX_OPTIONS_CONTROL(TBitBtnXP, ManTerminsBtn)
KALVIX_OPTIONS_CONTROL(QCheckBox, MinimiertCheck)
#undef KALVIX_OPTIONS_CONTROL
KALVIX_CONTROL(QToolButton, wwwBtn)
KALVIX_CONTROL(TBitBtnXP, MinimizeBtn)
KALVIX_CONTROL(TImageBtn, ueberbtn)
KALVIX_CONTROL(TImageBtn, EndeBtn)
KALVIX_CONTROL(QStatusBar, StatusBar1)
#undef KALVIX_CONTROL

inline DateTreeModel *TreeModel(const TMainForm &form)
{
    auto *model = qobject_cast<DateTreeModel *>(TreeView1(form)->model());
    if (!model)
        qFatal("The date tree shows no date model");
    return model;
}

// The tray menu: a window of its own, so that a modal dialog blocking the
// main window leaves it usable; found among the application's windows.
inline QMenu *trayMenu(const TMainForm &)
{
    QMenu *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *menu = qobject_cast<QMenu *>(w);
        if (!menu || menu->objectName() != QLatin1String("PopupMenu1"))
            continue;
        if (found)
            qFatal("more than one tray menu");
        found = menu;
    }
    if (!found)
        qFatal("no tray menu");
    return found;
}

// The tray menu's first entry, "Show" or "Hide".
inline QAction *Anzeigen1(const TMainForm &form)
{
    return control<QAction>(*trayMenu(form), "Anzeigen1");
}

// The three timers, and their ticks as the timers deliver them: through the
// timeout signal, to whatever the window connected.
inline QTimer &saveTimer(const TMainForm &form)
{
    return *control<QTimer>(form, "Timer1");
}
inline QTimer &checkTimer(const TMainForm &form)
{
    return *control<QTimer>(form, "Timer2");
}
inline QTimer &startMinimizedTimer(const TMainForm &form)
{
    return *control<QTimer>(form, "Timer3");
}

// Real input through the window system, where modality applies (the
// widget overloads of QTest hand the event to the widget directly).
inline void clickThroughWindow(QWidget *w, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget *top = w->window();
    QTest::mouseClick(top->windowHandle(), button, {}, w->mapTo(top, w->rect().center()));
}

// Opens the tray menu as a right click on the icon does and chooses the
// entry captioned `text` with the arrow keys and Enter.
inline void chooseFromTrayMenu(TMainForm &form, const QString &text)
{
    form.WMUser(TrayIcon::RightButtonUp);
    QMenu *menu = trayMenu(form);
    QVERIFY(menu->isVisible());
    for (int i = 0; i < menu->actions().size() && (!menu->activeAction() || menu->activeAction()->text() != text); ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    QVERIFY(menu->activeAction() && menu->activeAction()->text() == text);
    QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(!menu->isVisible());
}

inline void tick(QTimer &timer)
{
    QVERIFY(QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection));
}
inline void saveTick(const TMainForm &form)
{
    tick(saveTimer(form));
}
inline void checkTick(const TMainForm &form)
{
    tick(checkTimer(form));
}
