// Startup time (process start until the main window is mapped), processor
// time and resident memory once it is shown, for an empty store and for one
// of 100,000 appointments, next to the floor of any Qt tray program (a
// window with a label, a one-row list and a tray icon). Everything runs on
// a private Xvfb with a session bus of its own, as on a desktop; trayer,
// when installed, hosts the tray icon. The programs take turns within each
// of KALVIX_BENCH_RUNS rounds (default 15); a time is compared as the
// median of each round's own ratio to the floor, memory as medians. Then
// the program's start is broken into its steps (the notes of StartupTrace,
// from further starts of both stores and of the floor).
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

#include <csignal>

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

using bench::median;
using namespace std::chrono;

constexpr auto MapTimeout = seconds(60);
// Time after the map for the first paint to finish before memory is read.
constexpr auto SettleTime = milliseconds(1500);

struct Subject {
    const char *label;
    std::string exe;
    QByteArray title;
    std::vector<double> ms;
    std::vector<double> cpu;
    std::vector<double> mb;
    std::string argument = {}; // passed to the program when not empty
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
    for (const QFileInfo &lib : exe.dir().entryInfoList({"libkalvix*.so*"}, QDir::Files))
        QFile::copy(lib.filePath(), dir + "/" + lib.fileName());
    QFile f(TerminFile::PathIn(dir));
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// A session bus of the benchmark's own, so that every program finds one as
// on a desktop (without one, the bus library would start one itself).
struct SessionBus {
    pid_t pid = -1;
    std::string address;
    bool Start()
    {
        FILE *p = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
        if (!p)
            return false;
        char line[512] = {};
        if (std::fgets(line, sizeof line, p))
            address = QByteArray(line).trimmed().toStdString();
        if (std::fgets(line, sizeof line, p))
            pid = std::atoi(line);
        pclose(p);
        return pid > 0 && !address.empty();
    }
    ~SessionBus()
    {
        if (pid > 0)
            ::kill(pid, SIGTERM);
    }
};

struct Run {
    MapWatcher &watcher;
    QByteArray display;
    std::vector<std::string> env;
};

bool measure(Subject &s, Run &run, const char *errorPath = nullptr, double *spawnedNs = nullptr)
{
    run.watcher.Drain();
    const auto start = steady_clock::now();
    std::vector<std::string> command{s.exe};
    if (!s.argument.empty())
        command.push_back(s.argument);
    const pid_t pid = SpawnProcess(command, run.display.constData(), run.env, errorPath);
    if (spawnedNs)
        *spawnedNs = static_cast<double>(duration_cast<nanoseconds>(start.time_since_epoch()).count());
    if (pid <= 0 || !run.watcher.WaitMapped(s.title, MapTimeout)) {
        std::fprintf(stderr, "%s: main window \"%s\" never appeared\n", s.label, s.title.constData());
        if (pid > 0)
            StopProcess(pid);
        return false;
    }
    s.ms.push_back(duration<double, std::milli>(steady_clock::now() - start).count());
    std::this_thread::sleep_for(SettleTime);
    const long kib = ResidentKiB(pid);
    const double cpu = CpuMs(pid);
    StopProcess(pid);
    if (kib < 0 || cpu < 0)
        return false;
    s.mb.push_back(static_cast<double>(kib) / 1024.0);
    s.cpu.push_back(cpu);
    return true;
}

bool reportMemory(const char *name, double mb, double baselineMb, double maxExtraMb)
{
    const bool ok = mb - baselineMb <= maxExtraMb;
    std::printf("%-52s %10.1f MB  baseline %10.1f MB  extra %+7.1f MB  target <= +%.0f MB  %s\n", name, mb, baselineMb,
                mb - baselineMb, maxExtraMb, ok ? "PASS" : "MISS");
    std::fflush(stdout);
    return ok;
}

// The steps of the start, in the order the program notes them, each with
// the median of the time it took (from the previous note; the first from
// the moment the process was started) and of the processor time it used,
// which the load of a shared machine disturbs much less.
struct Breakdown {
    std::vector<std::string> steps;
    std::vector<std::vector<double>> ms, cpu;

    void Add(const QString &errorFile, double spawnedNs)
    {
        QFile f(errorFile);
        if (!f.open(QIODevice::ReadOnly))
            return;
        double previous = spawnedNs, previousCpu = 0;
        size_t i = 0;
        for (const QByteArray &line : f.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() < 4 || fields[0] != "kalvix.startup")
                continue;
            const std::string step = fields.mid(1, fields.size() - 3).join(' ').toStdString();
            const double ns = fields[fields.size() - 2].toDouble(), cpuNs = fields.back().toDouble();
            if (i == steps.size()) {
                steps.push_back(step);
                ms.emplace_back();
                cpu.emplace_back();
            }
            if (steps[i] == step) {
                ms[i].push_back((ns - previous) / 1e6);
                cpu[i].push_back((cpuNs - previousCpu) / 1e6);
            }
            previous = ns;
            previousCpu = cpuNs;
            ++i;
        }
    }
    void Print(const char *label) const
    {
        std::printf("start of %s, by step (medians; the first step from the process's start to main()):\n", label);
        double total = 0, totalCpu = 0;
        for (size_t i = 0; i < steps.size(); ++i) {
            const double m = median(ms[i]), c = median(cpu[i]);
            total += m;
            totalCpu += c;
            std::printf("  %-22s %7.1f ms (%6.1f from the start)   processor %6.1f ms (%6.1f)\n", steps[i].c_str(), m,
                        total, c, totalCpu);
        }
        std::fflush(stdout);
    }
};

} // namespace

int main()
{
    if (std::system("command -v Xvfb >/dev/null 2>&1") != 0) {
        std::printf("startup: skipped, Xvfb is not installed (tools/install-deps.sh test installs it)\n");
        return 0;
    }
    const char *runsEnv = std::getenv("KALVIX_BENCH_RUNS");
    const int runs = std::max(5, runsEnv ? std::atoi(runsEnv) : 15);

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
    SessionBus bus;
    Run run{watcher, x.Display(), {}};
    if (bus.Start())
        run.env.push_back("DBUS_SESSION_BUS_ADDRESS=" + bus.address);
    pid_t tray = -1;
    if (std::system("command -v trayer >/dev/null 2>&1") == 0) {
        tray = SpawnProcess({"trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24"},
                            x.Display().constData(), run.env);
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
    Subject floor{"floor", BASELINE_EXE, "Kalvix baseline", {}, {}, {}};
    Subject empty{"empty store", emptyDir.path().toStdString() + "/" + exeName, KALVIX_FULL_TITLE, {}, {}, {}};
    Subject full{"100,000 appointments", fullDir.path().toStdString() + "/" + exeName, KALVIX_FULL_TITLE, {}, {}, {}};
    // What the start with a big store is held against: the floor reading
    // the same file before its window, the plainest way. Against the empty
    // floor, the cost of taking the store's memory from the system, which
    // swings with the host, would weigh on one side only.
    Subject floorFull{"floor, 100,000",
                      BASELINE_EXE,
                      "Kalvix baseline",
                      {},
                      {},
                      {},
                      TerminFile::PathIn(fullDir.path()).toStdString()};

    // One unmeasured start of each warms the file cache and font caches.
    Subject *all[] = {&floor, &empty, &full, &floorFull};
    for (Subject *s : all) {
        if (!measure(*s, run))
            return 1;
        *s = Subject{s->label, s->exe, s->title, {}, {}, {}, s->argument};
    }
    for (int r = 0; r < runs; ++r)
        for (Subject *s : all)
            if (!measure(*s, run))
                return 1;

    // The same starts again with the notes of each step written out.
    Breakdown steps, fullSteps, floorSteps, floorFullSteps;
    Run traced = run;
    traced.env.push_back("QT_LOGGING_RULES=kalvix.startup.debug=true");
    Subject noted{empty.label, empty.exe, empty.title, {}, {}, {}};
    Subject fullNoted{full.label, full.exe, full.title, {}, {}, {}};
    Subject floorNoted{floor.label, floor.exe, floor.title, {}, {}, {}};
    Subject floorFullNoted{floorFull.label, floorFull.exe, floorFull.title, {}, {}, {}, floorFull.argument};
    const std::pair<Subject *, Breakdown *> noting[] = {{&noted, &steps},
                                                        {&fullNoted, &fullSteps},
                                                        {&floorNoted, &floorSteps},
                                                        {&floorFullNoted, &floorFullSteps}};
    const QString notes = emptyDir.filePath(QStringLiteral("startup-notes"));
    for (int r = 0; r < std::max(5, runs / 2); ++r) {
        for (auto [subject, breakdown] : noting) {
            double spawned = 0;
            if (!measure(*subject, traced, QFile::encodeName(notes).constData(), &spawned))
                return 1;
            breakdown->Add(notes, spawned);
        }
    }
    if (tray > 0)
        StopProcess(tray);

    std::printf("startup: median of %d starts each, trayer %s, session bus %s\n", runs,
                tray > 0 ? "hosting the tray" : "not installed", bus.pid > 0 ? "of its own" : "none");
    steps.Print("the program, empty store");
    std::printf("  (window mapped, seen from outside in the same starts: %.1f ms)\n", median(noted.ms));
    fullSteps.Print("the program, 100,000 appointments");
    std::printf("  (window mapped, seen from outside in the same starts: %.1f ms)\n", median(fullNoted.ms));
    floorSteps.Print("the floor program");
    std::printf("  (window mapped, seen from outside in the same starts: %.1f ms)\n", median(floorNoted.ms));
    floorFullSteps.Print("the floor program reading 100,000 appointments");
    std::printf("  (window mapped, seen from outside in the same starts: %.1f ms)\n", median(floorFullNoted.ms));
    std::printf("floor program: %.1f ms to its window, %.1f ms of processor time, %.1f MB resident\n", median(floor.ms),
                median(floor.cpu), median(floor.mb));
    const double bm = median(floor.mb);
    std::printf("the program, medians: %.1f ms to its window, %.1f ms of processor time; 100,000: %.1f ms\n",
                median(empty.ms), median(empty.cpu), median(full.ms));
    std::printf(
        "floor reading 100,000: %.1f ms to its window; the program with 100,000 against the empty floor: "
        "%.2f (for comparison with earlier runs)\n",
        median(floorFull.ms), bench::medianRatio(full.ms, floor.ms));
    bool ok = true;
    ok &= bench::reportPaired("startup to mapped window, empty store (vs floor)", empty.ms, floor.ms, 1.1);
    ok &= bench::reportPaired("startup processor time, empty store (vs floor)", empty.cpu, floor.cpu, 1.2);
    ok &= reportMemory("resident memory shown, empty store (vs floor)", median(empty.mb), bm, 5);
    ok &= bench::reportPaired("startup to mapped window, 100,000 (vs floor, same file)", full.ms, floorFull.ms, 1.1);
    ok &= reportMemory("resident memory shown, 100,000 (vs floor)", median(full.mb), bm, 40);
    return ok ? 0 : 1;
}
