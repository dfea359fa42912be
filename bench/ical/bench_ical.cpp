// iCalendar export and import of 100,000 appointments, each against what
// libical alone takes for the same file in the same run: export against
// libical writing the calendar (parsed beforehand) out to a file, import
// against libical reading the file into its components. Memory while
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

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr int Appointments = 100000;
constexpr int Runs = 5;

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

// libical alone: the file read and parsed into its components.
icalcomponent *libicalRead(const QString &path)
{
    return icalparser_parse_string(readFile(path).constData());
}

// libical alone: the calendar written out as text, then to the file.
bool libicalWrite(icalcomponent *calendar, const QString &path)
{
    char *text = icalcomponent_as_ical_string_r(calendar);
    const bool ok = text && writeFile(path, QByteArray::fromRawData(text, static_cast<qsizetype>(std::strlen(text))));
    std::free(text);
    return ok;
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

    // Export: build the file and write it, against libical writing out the
    // same calendar. The programs take turns, so load changes hit both.
    std::vector<double> exportMs, writeMs, importMs, parseMs;
    Ical::ExportOptions eo;
    eo.now = now;
    ok = writeFile(ics, Ical::Export(grid, eo).bytes) && ok;
    icalcomponent *calendar = libicalRead(ics);
    const QString libicalOut = dir.filePath(QStringLiteral("libical.ics"));
    for (int round = 0; round < Runs; ++round) {
        exportMs.push_back(bench::medianMs(1, [&] { ok = writeFile(ics, Ical::Export(grid, eo).bytes) && ok; }));
        writeMs.push_back(bench::medianMs(1, [&] { ok = libicalWrite(calendar, libicalOut) && ok; }));
    }
    icalcomponent_free(calendar);
    ok = bench::report("ical export 100,000 (vs libical writing it)", bench::median(exportMs), bench::median(writeMs),
                       3.0)
        && ok;

    // Import: read and parse the file, add to an empty store, against
    // libical reading the same file.
    size_t imported = 0;
    for (int round = 0; round < Runs; ++round) {
        parseMs.push_back(bench::medianMs(1, [&] {
            icalcomponent *c = libicalRead(ics);
            ok = c && ok;
            icalcomponent_free(c);
        }));
        importMs.push_back(bench::medianMs(1, [&] {
            DayGrid g;
            Ical::ImportOptions o;
            o.now = now;
            Ical::ParseResult r = Ical::Parse(readFile(ics), o);
            Ical::Merge(r.appointments, g, r.report);
            imported = g.RecordCount();
            ok = r.ok && ok;
        }));
    }
    if (imported != static_cast<size_t>(Appointments)) {
        std::printf("import gave %zu appointments, not %d\n", imported, Appointments);
        ok = false;
    }
    ok = bench::report("ical import 100,000 (vs libical reading it)", bench::median(importMs), bench::median(parseMs),
                       2.0)
        && ok;

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
