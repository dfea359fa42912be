// iCalendar export and import of 100,000 appointments, each against what
// the store itself takes for the same appointments in the same run: export
// against saving the data file, import against reading it. Memory while
// importing is measured as the peak resident growth against the size of
// the .ics file.

#include "BenchUtil.h"
#include "SampleStore.h"

#include "store/DateTimeValue.h"
#include "store/TerminFile.h"
#include "store/ical/Ical.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int Appointments = 100000;
constexpr int Runs = 3;

// A field of /proc/self/status in kB, 0 when unreadable.
long statusKb(const char *field)
{
    std::ifstream f("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(f, line))
        if (line.compare(0, key.size(), key) == 0)
            return std::stol(line.substr(key.size()));
    return 0;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

// Imports `path` and prints how far the resident size rose above what it
// was before, in kB.
int importPeak(const QString &path)
{
    const long before = statusKb("VmRSS");
    DayGrid g;
    Ical::ImportOptions o;
    o.now = DateTimeValue::EncodeDate(2026, 12, 1);
    Ical::ParseResult r = Ical::Parse(readFile(path), o);
    Ical::Merge(r.appointments, g, r.report);
    const long peak = statusKb("VmHWM");
    if (!r.ok || !before || !peak)
        return 1;
    std::printf("%ld\n", peak - before);
    return 0;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--import-peak")
        return importPeak(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("appointments.dat"));
    const QString ics = dir.filePath(QStringLiteral("appointments.ics"));
    const double now = DateTimeValue::EncodeDate(2026, 12, 1) + DateTimeValue::EncodeTime(10, 0);

    DayGrid grid;
    bench::FillSpread(grid, Appointments, 3.0);
    TSettings settings;
    bool ok = true;

    // Export: build the file and write it, against the store's own save.
    double save = 0, exportMs = 0;
    for (int round = 0; round < Runs; ++round) { // alternate, so load changes hit both
        save += bench::medianMs(1, [&] { ok = SaveTermins(dat, grid, settings).ok && ok; });
        exportMs += bench::medianMs(1, [&] {
            Ical::ExportOptions o;
            o.now = now;
            ok = writeFile(ics, Ical::Export(grid, o).bytes) && ok;
        });
    }
    ok = bench::report("ical export 100,000 (vs store save)", exportMs / Runs, save / Runs, 20) && ok;

    // Import: read and parse the file, add to an empty store, against the
    // store reading its data file.
    double read = 0, importMs = 0;
    size_t imported = 0;
    for (int round = 0; round < Runs; ++round) {
        read += bench::medianMs(1, [&] {
            DayGrid g;
            TSettings s;
            ok = OpenTermins(dat, g, s).ok && ok;
        });
        importMs += bench::medianMs(1, [&] {
            DayGrid g;
            Ical::ImportOptions o;
            o.now = now;
            Ical::ParseResult r = Ical::Parse(readFile(ics), o);
            Ical::Merge(r.appointments, g, r.report);
            imported = g.RecordCount();
            ok = r.ok && ok;
        });
    }
    if (imported != static_cast<size_t>(Appointments)) {
        std::printf("import gave %zu appointments, not %d\n", imported, Appointments);
        ok = false;
    }
    ok = bench::report("ical import 100,000 (vs store read)", importMs / Runs, read / Runs, 40) && ok;

    // Memory: peak growth while importing, in a fresh process so the heap
    // left by the runs above does not hide it.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--import-peak"), ics});
    child.waitForFinished(-1);
    bool measured = false;
    const double peakMb = child.readAllStandardOutput().trimmed().toDouble(&measured) / 1024.0;
    if (measured && child.exitCode() == 0) {
        ok = bench::report("ical import peak memory (vs .ics size)", peakMb,
                           static_cast<double>(QFileInfo(ics).size()) / 1048576.0, 3, "MB")
            && ok;
    } else {
        std::printf("ical import peak memory: not measured (%s)\n", child.readAllStandardError().constData());
        ok = false;
    }
    return ok ? 0 : 1;
}
