// `kalvix list` of every day over 100,000 appointments against the plainest
// lister of the same file (this benchmark started again as a process of its
// own: the file read at once, one line of date, time and name printed per
// appointment), both writing to a pipe that is read to the end. The
// program is copied beside its own data file in a temporary folder, and
// runs without a display.

#include "BenchUtil.h"
#include "PlainStore.h"
#include "SampleStore.h"

#include "store/TerminFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

// Processor time of the children that ended so far, in ms.
double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) * 1000 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Runs the program to its end; the bytes it wrote, or -1 when it failed.
// `cpuMs` receives the processor time it took: the machine is shared, and
// the work is what is compared.
qint64 run(const QString &program, const QStringList &args, const QProcessEnvironment &env, double &cpuMs)
{
    const double before = childrenCpuMs();
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    qint64 bytes = 0;
    while (p.state() != QProcess::NotRunning || p.bytesAvailable()) {
        p.waitForReadyRead(100);
        bytes += p.readAllStandardOutput().size();
    }
    p.waitForFinished();
    cpuMs = childrenCpuMs() - before;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 ? bytes : -1;
}

// The plain lister: what `kalvix list` prints, without its checks, its
// locale or its code page.
int plainList(const QString &path)
{
    bench::PlainStore store;
    if (!bench::plainRead(path, store))
        return 1;
    size_t day = 0;
    for (int y = DayGrid::FirstYear; y <= DayGrid::LastYear; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1, n = DayGrid::DaysInMonth(y, m); d <= n; ++d)
                for (const bench::PlainRecord &r : store.days[day++]) {
                    const int minutes = static_cast<int>(r.numbers[0] * 1440 + 0.5);
                    std::printf("%04d-%02d-%02d %02d:%02d\t%.*s\n", y, m, d, minutes / 60 % 24, minutes % 60,
                                static_cast<int>(r.name.size()), r.name.data());
                }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--plain-list") == 0)
        return plainList(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("kalvix"));
    if (!QFile::copy(QStringLiteral(KALVIX_EXE), exe)) {
        std::printf("bench_list: cannot copy the program\n");
        return 1;
    }
    DayGrid grid;
    bench::FillSpread(grid, 100000, 3.0);
    const QString dat = TerminFile::PathIn(dir.path());
    if (!SaveTermins(dat, grid, TSettings()).ok) {
        std::printf("bench_list: cannot write the store\n");
        return 1;
    }
    // No display: the command must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());

    qint64 listed = 0, plainListed = 0;
    std::vector<double> list, plain;
    for (int i = 0; i < 5; ++i) { // alternating, so load changes hit both
        double ms = 0;
        plainListed = run(QCoreApplication::applicationFilePath(), {QStringLiteral("--plain-list"), dat}, env, ms);
        plain.push_back(ms);
        listed = run(exe, {QStringLiteral("list"), QStringLiteral("2000-01-01"), QStringLiteral("2100-12-31")}, env,
                     ms);
        list.push_back(ms);
    }
    if (listed <= 0 || plainListed <= 0) {
        std::printf("bench_list: kalvix list wrote %lld bytes, the plain lister %lld\n", listed, plainListed);
        return 1;
    }
    std::printf("kalvix list printed %lld bytes for 100,000 appointments, the plain lister %lld\n", listed,
                plainListed);
    std::sort(list.begin(), list.end());
    std::sort(plain.begin(), plain.end());
    // The command also checks the whole file and converts every text from
    // the store's code page.
    return bench::report("kalvix list 100,000, CPU (vs plain lister)", list[2], plain[2], 5) ? 0 : 1;
}
