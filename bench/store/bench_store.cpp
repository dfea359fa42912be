// Saving and reading the data file, for an empty store and for one of
// 100,000 appointments, next to the plain file operations on the same
// number of bytes: one write, a sync and a rename; one read.

#include "BenchUtil.h"
#include "SampleStore.h"
#include "store/TerminFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

bool check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "failed: %s\n", what);
        std::exit(1);
    }
    return ok;
}

// The least a safe save can do: one write, a sync, a rename.
void baselineSave(const QString &path, const QByteArray &bytes)
{
    const QByteArray temp = QFile::encodeName(path + QStringLiteral(".base"));
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    check(fd >= 0, "baseline open");
    check(::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size(), "baseline write");
    check(::fsync(fd) == 0, "baseline sync");
    ::close(fd);
    check(::rename(temp.constData(), QFile::encodeName(path).constData()) == 0, "baseline rename");
}

// The least a read can do: one read of the whole file.
void baselineRead(const QString &path, QByteArray &buffer)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    check(fd >= 0, "baseline open");
    check(::read(fd, buffer.data(), static_cast<size_t>(buffer.size())) == buffer.size(), "baseline read");
    ::close(fd);
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

    // Interleave the two so both see the same state of the machine.
    std::vector<double> save, saveBase;
    for (int i = 0; i < runs; ++i) {
        save.push_back(bench::medianMs(1, [&] { check(SaveTermins(path, grid, settings).ok, "SaveTermins"); }));
        saveBase.push_back(bench::medianMs(1, [&] { baselineSave(basePath, bytes); }));
    }
    check(QFile(path).size() == bytes.size(), "saved size");

    DayGrid loaded;
    TSettings loadedSettings;
    QByteArray buffer(bytes.size(), Qt::Uninitialized);
    std::vector<double> read, readBase;
    for (int i = 0; i < runs; ++i) {
        read.push_back(bench::medianMs(1, [&] { check(OpenTermins(path, loaded, loadedSettings).ok, "OpenTermins"); }));
        readBase.push_back(bench::medianMs(1, [&] { baselineRead(basePath, buffer); }));
    }
    check(loaded.RecordCount() == static_cast<size_t>(records), "records read");

    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    bool ok = true;
    const std::string s = std::string("SaveTermins, ") + label;
    const std::string r = std::string("OpenTermins, ") + label;
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
