// `kalvix import` as a person runs it, from the program's own folder into
// an empty store: 1,000,000 events against 100,000 in the same run (the
// time must grow linearly), and the peak resident size of the process
// against the size of the file, for those events and for one event with a
// 100 MB description. A file of 1,000 events repeating every second is
// refused, in a time set beside the 100,000.

#include "BenchUtil.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

const char Head[] = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n";
const char Tail[] = "END:VCALENDAR\r\n";

// `count` single events spread over 3,000 days from 2027 on.
bool writeEvents(const QString &path, int count)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(Head);
    const QDate first(2027, 1, 1);
    char line[256];
    for (int i = 0; i < count; ++i) {
        const QDate d = first.addDays(i % 3000);
        const int n = std::snprintf(line, sizeof line,
                                    "BEGIN:VEVENT\r\nUID:%d@bench\r\nDTSTAMP:20261201T000000Z\r\n"
                                    "DTSTART:%04d%02d%02dT%02d%02d00\r\nSUMMARY:Event %d\r\nEND:VEVENT\r\n",
                                    i, d.year(), d.month(), d.day(), i / 60 % 24, i % 60, i);
        f.write(line, n);
    }
    f.write(Tail);
    return f.error() == QFile::NoError;
}

// One event whose description is `mb` MB, folded as writers fold it.
bool writeLongDescription(const QString &path, int mb)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(Head);
    f.write(
        "BEGIN:VEVENT\r\nUID:long@bench\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20270101T100000\r\n"
        "SUMMARY:Long\r\nDESCRIPTION:start\r\n");
    const std::string fold = " " + std::string(73, 'd') + "\r\n";
    std::string block;
    for (int i = 0; i < 10000; ++i)
        block += fold;
    for (long long written = 0; written < mb * 1048576LL; written += static_cast<long long>(block.size()))
        f.write(block.data(), static_cast<qint64>(block.size()));
    f.write("END:VEVENT\r\n");
    f.write(Tail);
    return f.error() == QFile::NoError;
}

bool writeEverySecond(const QString &path, int count)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(Head);
    for (int i = 0; i < count; ++i)
        f.write(QStringLiteral("BEGIN:VEVENT\r\nUID:s%1@bench\r\nDTSTAMP:20261201T000000Z\r\n"
                               "DTSTART:20261201T100000\r\nRRULE:FREQ=SECONDLY\r\nSUMMARY:S%1\r\nEND:VEVENT\r\n")
                    .arg(i)
                    .toLatin1());
    f.write(Tail);
    return f.error() == QFile::NoError;
}

struct Outcome {
    int status = -1;
    double ms = 0;
    long peakKb = 0;
};

// Runs the program copied into a fresh folder (an empty store beside it)
// and waits for it: exit status, processor time and peak resident size.
Outcome import(const QString &program, const QString &ics)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("kalvix"));
    Outcome o;
    if (!QFile::copy(program, exe))
        return o;
    const QByteArray exeBytes = exe.toLocal8Bit(), icsBytes = ics.toLocal8Bit();
    char *argv[] = {const_cast<char *>(exeBytes.constData()), const_cast<char *>("import"),
                    const_cast<char *>(icsBytes.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) == 0 && wait4(pid, &status, 0, &usage) == pid
        && WIFEXITED(status)) {
        o.status = WEXITSTATUS(status);
        o.peakKb = usage.ru_maxrss;
        // Processor time rather than wall time: the build machine is shared,
        // and what has to grow linearly is the work.
        const auto ms = [](const timeval &t) {
            return static_cast<double>(t.tv_sec) * 1000 + static_cast<double>(t.tv_usec) / 1000.0;
        };
        o.ms = ms(usage.ru_utime) + ms(usage.ru_stime);
    }
    posix_spawn_file_actions_destroy(&actions);
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qputenv("XDG_RUNTIME_DIR", QTemporaryDir().path().toLocal8Bit()); // no running copy to talk to
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("100k.ics")), large = dir.filePath(QStringLiteral("1m.ics"));
    const QString longText = dir.filePath(QStringLiteral("long.ics")), seconds = dir.filePath(QStringLiteral("s.ics"));
    if (!writeEvents(small, 100000) || !writeEvents(large, 1000000) || !writeLongDescription(longText, 100)
        || !writeEverySecond(seconds, 1000)) {
        std::printf("bench_import: cannot write the files\n");
        return 1;
    }
    const QString program = QStringLiteral(KALVIX_EXE);
    bool ok = true;
    double smallMs = 0, largeMs = 0;
    long largePeak = 0;
    const int rounds = 3;
    for (int i = 0; i < rounds; ++i) { // alternating, so load changes hit both
        const Outcome s = import(program, small), l = import(program, large);
        ok = ok && s.status == 0 && l.status == 0;
        smallMs += s.ms;
        largeMs += l.ms;
        largePeak = std::max(largePeak, l.peakKb);
    }
    if (!ok)
        std::printf("bench_import: an import failed\n");
    ok = bench::report("import 1,000,000 events, CPU (vs 100,000)", largeMs / rounds, smallMs / rounds, 12) && ok;
    ok = bench::report("import 1,000,000 events, peak memory (vs file)", static_cast<double>(largePeak) / 1024.0,
                       static_cast<double>(QFile(large).size()) / 1048576.0, 3, "MB")
        && ok;
    const Outcome l = import(program, longText);
    ok = l.status == 0 && ok;
    ok = bench::report("import 100 MB description, peak memory (vs file)", static_cast<double>(l.peakKb) / 1024.0,
                       static_cast<double>(QFile(longText).size()) / 1048576.0, 3, "MB")
        && ok;
    const Outcome s = import(program, seconds);
    if (s.status != 1) {
        std::printf("bench_import: 1,000 events every second were not refused (status %d)\n", s.status);
        ok = false;
    }
    ok = bench::report("refusing 1,000 events every second, CPU (vs 100,000)", s.ms, smallMs / rounds, 1) && ok;
    return ok ? 0 : 1;
}
