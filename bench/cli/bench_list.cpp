// `kalvix list` of every day over 100,000 appointments against `cat` of the
// data file they are stored in, both as separate processes writing to a
// pipe that is read to the end. The program is copied beside its own data
// file in a temporary folder, and runs without a display.

#include "BenchUtil.h"
#include "SampleStore.h"

#include "store/TerminFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Runs the program to its end; the bytes it wrote, or -1 when it failed.
qint64 run(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    qint64 bytes = 0;
    while (p.state() != QProcess::NotRunning || p.bytesAvailable()) {
        p.waitForReadyRead(100);
        bytes += p.readAllStandardOutput().size();
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 ? bytes : -1;
}

} // namespace

int main(int argc, char **argv)
{
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

    qint64 listed = 0, catted = 0;
    double list = 0, cat = 0;
    const int rounds = 3;
    for (int i = 0; i < rounds; ++i) { // alternating, so load changes hit both
        cat += bench::medianMs(1, [&] { catted = run(QStringLiteral("cat"), {dat}, env); });
        list += bench::medianMs(1, [&] {
            listed = run(exe, {QStringLiteral("list"), QStringLiteral("2000-01-01"), QStringLiteral("2100-12-31")},
                         env);
        });
    }
    if (listed <= 0 || catted != QFile(dat).size()) {
        std::printf("bench_list: kalvix list wrote %lld bytes, cat %lld\n", listed, catted);
        return 1;
    }
    std::printf("kalvix list printed %lld bytes for 100,000 appointments\n", listed);
    // No target is set for this one; 100 times cat is where it would start to feel slow.
    return bench::report("kalvix list 100,000 (vs cat of the data file)", list / rounds, cat / rounds, 100) ? 0 : 1;
}
