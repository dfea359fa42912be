// Saving and reading the data file, for an empty store and for one of
// 100,000 appointments, each next to the plainest code doing the same kind
// of work on the same file: a reader that checks and fingerprints it and
// splits it into a vector of records per day (texts pointing into the bytes
// read), and a writer that
// builds the same bytes from those records and writes them as safely (a
// temporary file, synced, renamed, the folder synced).

#include "BenchUtil.h"
#include "PlainStore.h"
#include "SampleStore.h"
#include "store/TerminFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using bench::plainRead;
using bench::PlainRecord;
using bench::PlainStore;

bool check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "failed: %s\n", what);
        std::exit(1);
    }
    return ok;
}

void put(std::string &out, int32_t v)
{
    out.append(reinterpret_cast<const char *>(&v), 4);
}

// The same bytes built from the records, written to a temporary file,
// synced, renamed over the file, and the folder synced.
void plainSave(const QString &path, const PlainStore &store)
{
    std::string out;
    for (const auto &day : store.days) {
        put(out, static_cast<int32_t>(day.size()));
        for (const PlainRecord &r : day) {
            out.append(reinterpret_cast<const char *>(r.numbers), sizeof r.numbers);
            out += static_cast<char>(r.done);
            for (std::string_view text : {r.name, r.description}) {
                put(out, static_cast<int32_t>(text.size()));
                out.append(text);
            }
        }
    }
    for (int32_t v : store.settings)
        put(out, v);
    const QByteArray target = QFile::encodeName(path), temp = target + ".base";
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    check(fd >= 0, "baseline open");
    check(::write(fd, out.data(), out.size()) == static_cast<ssize_t>(out.size()), "baseline write");
    check(::fsync(fd) == 0, "baseline sync");
    ::close(fd);
    check(::rename(temp.constData(), target.constData()) == 0, "baseline rename");
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    check(dir >= 0 && ::fsync(dir) == 0, "baseline folder sync");
    ::close(dir);
}

bool run(const char *label, int records, int runs)
{
    QTemporaryDir dir;
    check(dir.isValid(), "temporary directory");
    const QString path = TerminFile::PathIn(dir.path());
    const QString basePath = dir.filePath(QStringLiteral("baseline.dat"));
    DayGrid grid;
    bench::FillSpread(grid, records, 3);
    const TSettings settings{2, 30, false};
    const QByteArray bytes = TerminFile::Serialize(grid, settings);
    std::printf("-- %s: %d appointments, %lld bytes\n", label, records, static_cast<long long>(bytes.size()));

    // The baseline works on the same bytes, as its own reader sees them.
    check(SaveTermins(path, grid, settings).ok, "SaveTermins");
    PlainStore plain;
    check(plainRead(path, plain), "baseline read");
    plainSave(basePath, plain);
    check(QFile(basePath).size() == bytes.size(), "baseline writes the same bytes");

    // Interleave the two so both see the same state of the machine.
    std::vector<double> save, saveBase;
    for (int i = 0; i < runs; ++i) {
        save.push_back(bench::medianMs(1, [&] { check(SaveTermins(path, grid, settings).ok, "SaveTermins"); }));
        saveBase.push_back(bench::medianMs(1, [&] { plainSave(basePath, plain); }));
    }
    check(QFile(path).size() == bytes.size(), "saved size");

    // Both read into what they read into before, as the window does when
    // the file changes under it.
    DayGrid loaded;
    TSettings loadedSettings;
    PlainStore again;
    std::vector<double> read, readBase;
    for (int i = 0; i < runs; ++i) {
        read.push_back(bench::medianMs(1, [&] {
            check(OpenTermins(path, loaded, loadedSettings).ok && loaded.RecordCount() == size_t(records),
                  "OpenTermins");
        }));
        readBase.push_back(bench::medianMs(1, [&] { check(plainRead(basePath, again), "baseline read"); }));
    }

    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    bool ok = true;
    const std::string s = std::string("SaveTermins, ") + label + " (vs plain writer)";
    const std::string r = std::string("OpenTermins, ") + label + " (vs plain reader)";
    ok &= bench::report(s.c_str(), median(save), median(saveBase), 1.5);
    ok &= bench::report(r.c_str(), median(read), median(readBase), 3.0);
    return ok;
}

} // namespace

int main()
{
    bool ok = run("empty store", 0, 41);
    ok &= run("100,000 appointments", 100000, 15);
    return ok ? 0 : 1;
}
