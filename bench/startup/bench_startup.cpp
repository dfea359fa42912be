// Startup time (process start until the main window is mapped) and resident
// memory once it is shown, for an empty store and for one of 100,000
// appointments, next to a program that shows one empty Qt main window.
// Everything runs on a private Xvfb; trayer, when installed, hosts the tray
// icon as on a desktop. Each figure is the median of KALVIX_BENCH_RUNS runs
// (default 7), the three programs taking turns within each round.

#include "BenchUtil.h"
#include "KalvixProduct.h"
#include "SampleStore.h"
#include "Process.h"
#include "XDisplay.h"

#include "store/DayGrid.h"
#include "store/Settings.h"
#include "store/TerminFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#ifndef KALVIX_EXE
#error "KALVIX_EXE must name the program under test"
#endif

namespace {

using namespace std::chrono;

constexpr auto MapTimeout = seconds(60);
// Time after the map for the first paint to finish before memory is read.
constexpr auto SettleTime = milliseconds(1500);

struct Subject {
    const char *label;
    std::string exe;
    QByteArray title;
    std::vector<double> ms;
    std::vector<double> mb;
};

// 100,000 appointments spread over the calendar, none of them due: the
// reminder window of each opens only at the appointment itself.
QByteArray storeBytes(int count)
{
    DayGrid grid;
    bench::FillSpread(grid, count, 0);
    return TerminFile::Serialize(grid, TSettings{});
}

// A program folder as a user has it: the executable, the libraries built
// beside it, and the data file.
bool makeProgramDir(const QString &dir, const QByteArray &data)
{
    const QFileInfo exe(QString::fromLocal8Bit(KALVIX_EXE));
    if (!QFile::copy(exe.filePath(), dir + "/" + exe.fileName()))
        return false;
    for (const QFileInfo &lib : exe.dir().entryInfoList({"libkalvixtheme*.so*"}, QDir::Files))
        QFile::copy(lib.filePath(), dir + "/" + lib.fileName());
    QFile f(TerminFile::PathIn(dir));
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

bool measure(Subject &s, MapWatcher &watcher, const QByteArray &display)
{
    watcher.Drain();
    const auto start = steady_clock::now();
    const pid_t pid = SpawnProcess({s.exe}, display.constData());
    if (pid <= 0 || !watcher.WaitMapped(s.title, MapTimeout)) {
        std::fprintf(stderr, "%s: main window \"%s\" never appeared\n", s.label, s.title.constData());
        if (pid > 0)
            StopProcess(pid);
        return false;
    }
    s.ms.push_back(duration<double, std::milli>(steady_clock::now() - start).count());
    std::this_thread::sleep_for(SettleTime);
    const long kib = ResidentKiB(pid);
    StopProcess(pid);
    if (kib < 0)
        return false;
    s.mb.push_back(static_cast<double>(kib) / 1024.0);
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool reportMemory(const char *name, double mb, double baselineMb, double maxExtraMb)
{
    const bool ok = mb - baselineMb <= maxExtraMb;
    std::printf("%-44s %10.1f MB  baseline %10.1f MB  extra %+7.1f MB  target <= +%.0f MB  %s\n", name, mb, baselineMb,
                mb - baselineMb, maxExtraMb, ok ? "OK" : "MISSED");
    std::fflush(stdout);
    return ok;
}

} // namespace

int main()
{
    if (std::system("command -v Xvfb >/dev/null 2>&1") != 0) {
        std::printf("startup: skipped, Xvfb is not installed (tools/install-deps.sh test installs it)\n");
        return 0;
    }
    const char *runsEnv = std::getenv("KALVIX_BENCH_RUNS");
    const int runs = std::max(5, runsEnv ? std::atoi(runsEnv) : 7);

    XServer x;
    QString error;
    if (!x.Start(&error)) {
        std::fprintf(stderr, "startup: %s\n", qPrintable(error));
        return 1;
    }
    MapWatcher watcher(x.Display());
    if (!watcher.Connected()) {
        std::fprintf(stderr, "startup: cannot connect to %s\n", x.Display().constData());
        return 1;
    }
    pid_t tray = -1;
    if (std::system("command -v trayer >/dev/null 2>&1") == 0) {
        tray = SpawnProcess({"trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24"},
                            x.Display().constData());
        for (int i = 0; i < 600 && !watcher.SelectionOwned("_NET_SYSTEM_TRAY_S0"); ++i)
            std::this_thread::sleep_for(milliseconds(50));
    }

    QTemporaryDir emptyDir, fullDir;
    if (!emptyDir.isValid() || !fullDir.isValid() || !makeProgramDir(emptyDir.path(), storeBytes(0))
        || !makeProgramDir(fullDir.path(), storeBytes(100000))) {
        std::fprintf(stderr, "startup: could not prepare the program folders\n");
        return 1;
    }
    const std::string exeName = QFileInfo(QString::fromLocal8Bit(KALVIX_EXE)).fileName().toStdString();
    Subject baseline{"baseline", BASELINE_EXE, "Kalvix baseline", {}, {}};
    Subject empty{"empty store", emptyDir.path().toStdString() + "/" + exeName, KALVIX_FULL_TITLE, {}, {}};
    Subject full{"100,000 appointments", fullDir.path().toStdString() + "/" + exeName, KALVIX_FULL_TITLE, {}, {}};

    // One unmeasured start of each warms the file cache and font caches.
    Subject *all[] = {&baseline, &empty, &full};
    for (Subject *s : all) {
        if (!measure(*s, watcher, x.Display()))
            return 1;
        s->ms.clear();
        s->mb.clear();
    }
    for (int r = 0; r < runs; ++r)
        for (Subject *s : all)
            if (!measure(*s, watcher, x.Display()))
                return 1;
    if (tray > 0)
        StopProcess(tray);

    std::printf("startup: median of %d starts each, trayer %s\n", runs,
                tray > 0 ? "hosting the tray" : "not installed");
    const double b = median(baseline.ms), bm = median(baseline.mb);
    bool ok = true;
    ok &= bench::report("startup to mapped window, empty store", median(empty.ms), b, 1.3);
    ok &= bench::report("startup to mapped window, 100,000 appointments", median(full.ms), b, 1.6);
    ok &= reportMemory("resident memory shown, empty store", median(empty.mb), bm, 10);
    ok &= reportMemory("resident memory shown, 100,000 appointments", median(full.mb), bm, 40);
    return ok ? 0 : 1;
}
