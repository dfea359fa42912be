#pragma once
// Stores written for the window benchmarks, and the process's resident
// memory.

#include "SampleStore.h"

#include "store/DayGrid.h"
#include "store/TerminFile.h"

#include <QAbstractItemView>
#include <QDate>
#include <QFile>
#include <QItemSelectionModel>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "navigation/DateTreeModel.h"

#include <string>

namespace bench {

// A day far from today, so the window does not show it on its own.
inline const QDate BigDay(2031, 5, 14);

// The window's parts, found by the names they carry.
template <class T>
T &Part(const QObject &window, const char *name)
{
    T *part = window.findChild<T *>(QLatin1String(name));
    if (!part)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return *part;
}
inline QAbstractItemView &List(const QObject &window)
{
    return Part<QAbstractItemView>(window, "ListView1");
}
inline QWidget &Button(const QObject &window, const char *name)
{
    return Part<QWidget>(window, name);
}
inline QTimer &SaveTimer(const QObject &window)
{
    return Part<QTimer>(window, "Timer1");
}

// Selects a node of the date tree by its code.
inline void SelectNode(const QObject &window, int code)
{
    auto &tree = Part<QAbstractItemView>(window, "TreeView1");
    auto *model = qobject_cast<DateTreeModel *>(tree.model());
    if (!model)
        qFatal("the date tree shows no date model");
    tree.selectionModel()->setCurrentIndex(model->indexForCode(code), QItemSelectionModel::ClearAndSelect);
}

// `count` appointments spread over the calendar (see FillSpread).
inline bool WriteSpread(const QString &dir, int count, size_t descriptionSize = 100)
{
    DayGrid grid;
    FillSpread(grid, count, 3, descriptionSize);
    return SaveTermins(TerminFile::PathIn(dir), grid, TSettings()).ok;
}

// `count` appointments on one day, names of `nameSize` bytes and
// descriptions of `descSize`.
inline bool WriteDay(const QString &dir, QDate date, int count, size_t nameSize, size_t descSize)
{
    DayGrid grid;
    TTerminDay &slot = grid.Slot(date.year(), date.month(), date.day());
    slot.records.Reserve(static_cast<size_t>(count));
    std::string name(nameSize, 'n');
    const std::string description(descSize, 'd');
    for (int i = 0; i < count; ++i) {
        TTermin *t = grid.AddRecord(slot);
        const std::string number = std::to_string(i);
        name.replace(0, std::min(number.size(), nameSize), number, 0, std::min(number.size(), nameSize));
        t->Name = name;
        t->Description = description;
        t->Time = (i % 1440) / 1440.0;
        t->FirstRemind = 1;
        t->RepeatInterval = 1;
    }
    return SaveTermins(TerminFile::PathIn(dir), grid, TSettings()).ok;
}

inline qint64 FileSize(const QString &dir)
{
    return QFile(TerminFile::PathIn(dir)).size();
}

// VmRSS of this process in bytes.
inline qint64 ResidentBytes()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = f.readLine(); !line.isEmpty(); line = f.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

} // namespace bench

namespace bench {
int MemoryScenario(const QString &scenario, const QString &dir);
bool MemoryFigures(const QString &self);
} // namespace bench
