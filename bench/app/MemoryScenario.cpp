// Resident memory of the window holding a big store, each store in a fresh
// process so that nothing measured before it counts: the process warms up
// on an empty store, then the window opens the big one and shows it.
#include "BenchUtil.h"
#include "OverviewBench.h"

#include "app/MainUnit.h"
#include "navigation/DateTreeModel.h"
#include "navigation/NodeCode.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <cstdio>

namespace bench {

namespace {

const double MB = 1024.0 * 1024.0;

void settle(QWidget &w)
{
    QCoreApplication::processEvents();
    w.repaint();
    QCoreApplication::processEvents();
}

bool runChild(const QString &self, const QString &scenario, const QString &dir, QByteArray &out)
{
    QProcess child;
    child.start(self, {QStringLiteral("--memory"), scenario, dir});
    if (!child.waitForFinished(600000) || child.exitCode() != 0) {
        std::printf("memory scenario %s failed: %s\n", qPrintable(scenario), child.readAllStandardError().constData());
        return false;
    }
    out = child.readAllStandardOutput();
    return true;
}

} // namespace

// Child side: prints "<before> <loaded> <shown> <selected>" in bytes.
int MemoryScenario(const QString &scenario, const QString &dir)
{
    {
        QTemporaryDir warm;
        TMainForm form(warm.path());
        form.resize(800, 600);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return 1;
        settle(form);
    }
    const qint64 before = ResidentBytes();
    TMainForm form(dir);
    form.resize(800, 600);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    settle(form);
    const qint64 loaded = ResidentBytes();
    SelectNode(form, NodeCode::Encode(BigDay.year(), BigDay.month(), BigDay.day()));
    settle(form);
    const qint64 shown = ResidentBytes();
    qint64 selected = shown;
    if (scenario == QLatin1String("name")) {
        // The row as a person selects it: the editors fill with the record.
        QAbstractItemView &list = List(form);
        const QRect row = list.visualRect(list.model()->index(0, 1));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        settle(form);
        selected = ResidentBytes();
    }
    std::printf("%lld %lld %lld %lld\n", before, loaded, shown, selected);
    return 0;
}

// Parent side: writes the stores and prints the figures.
bool MemoryFigures(const QString &self)
{
    bool ok = true;
    {
        // Spread over the years as a long-kept calendar is: a record on
        // nearly every day, short texts.
        QTemporaryDir dir;
        WriteSpread(dir.path(), 1000000, 19);
        const double file = static_cast<double>(FileSize(dir.path())) / MB;
        QByteArray out;
        if (!runChild(self, QStringLiteral("spread"), dir.path(), out))
            return false;
        const QList<QByteArray> v = out.trimmed().split(' ');
        const double loaded = static_cast<double>(v[1].toLongLong() - v[0].toLongLong()) / MB;
        std::printf("1,000,000 spread over the years: file %.1f MB; opened and shown +%.1f MB\n", file, loaded);
        ok = report("memory: 1,000,000 over the years opened and shown", loaded, file, 2.0, "MB") && ok;
    }
    {
        QTemporaryDir dir;
        WriteDay(dir.path(), BigDay, 1000000, 19, 100);
        const double file = static_cast<double>(FileSize(dir.path())) / MB;
        QByteArray out;
        if (!runChild(self, QStringLiteral("day"), dir.path(), out))
            return false;
        const QList<QByteArray> v = out.trimmed().split(' ');
        const double loaded = static_cast<double>(v[1].toLongLong() - v[0].toLongLong()) / MB;
        const double shown = static_cast<double>(v[2].toLongLong() - v[1].toLongLong()) / MB;
        std::printf("day of 1,000,000: file %.1f MB; opening it +%.1f MB; showing the day +%.1f MB\n", file, loaded,
                    shown);
        ok = report("memory: day of 1,000,000 opened and shown", loaded + shown, file, 2.0, "MB") && ok;
    }
    {
        QTemporaryDir dir;
        WriteDay(dir.path(), BigDay, 1, 100 * 1000 * 1000, 10);
        const double file = static_cast<double>(FileSize(dir.path())) / MB;
        QByteArray out;
        if (!runChild(self, QStringLiteral("name"), dir.path(), out))
            return false;
        const QList<QByteArray> v = out.trimmed().split(' ');
        const double loaded = static_cast<double>(v[1].toLongLong() - v[0].toLongLong()) / MB;
        const double shown = static_cast<double>(v[2].toLongLong() - v[1].toLongLong()) / MB;
        const double selected = static_cast<double>(v[3].toLongLong() - v[2].toLongLong()) / MB;
        std::printf(
            "one 100 MB name: file %.1f MB; opening it +%.1f MB; showing its day +%.1f MB; "
            "selecting it into the editors +%.1f MB\n",
            file, loaded, shown, selected);
        ok = report("memory: 100 MB name opened and listed", loaded + shown, file, 2.0, "MB") && ok;
        ok = report("memory: 100 MB name in the editors", loaded + shown + selected, file, 2.0, "MB") && ok;
    }
    return ok;
}

} // namespace bench
