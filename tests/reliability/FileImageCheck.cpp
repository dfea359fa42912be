#include "FileImageCheck.h"

#include "SampleStores.h"
#include "store/TerminFile.h"
#include "store/TerminFormat.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <cstring>
#include <utility>
#include <vector>

namespace reliability {

namespace {

std::atomic<bool> watching{false};
std::atomic<bool> everNoted{false};
std::atomic<size_t> largest{0};

// The grid the file is read into already holds something, so that a load
// that touched it on failure is seen.
void fillBefore(DayGrid &grid)
{
    TTermin *t = grid.AddRecord(grid.Slot(2050, 6, 15));
    t->Name = "already here";
    t->Description = "must survive a failed read";
    t->Time = 0.25;
    grid.AddRecord(grid.Slot(2000, 1, 1))->Name = "first day";
}

const TSettings settingsBefore{7, 8, true};

uint64_t bitsOf(double v)
{
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

bool sameRecord(const TTermin &x, const TTermin &y)
{
    return bitsOf(x.Time) == bitsOf(y.Time) && bitsOf(x.LastReminded) == bitsOf(y.LastReminded)
        && bitsOf(x.FirstRemind) == bitsOf(y.FirstRemind) && bitsOf(x.RepeatInterval) == bitsOf(y.RepeatInterval)
        && x.Done == y.Done && x.Name == y.Name && x.Description == y.Description;
}

// Whether two stores would write the same file: the same records, bit for
// bit, on the same days, and the same settings. Compared through the days
// that hold records, so a comparison costs what the records cost; the file
// image itself is built once per image, for the read-back check.
bool sameStore(const DayGrid &a, const TSettings &as, const DayGrid &b, const TSettings &bs)
{
    if (as != bs)
        return false;
    std::vector<std::pair<int, const TTerminDay *>> days;
    a.ForEachFilledDay([&days](int y, int m, int d, const TTerminDay &slot) {
        days.emplace_back(DayGrid::DayNumber(y, m, d), &slot);
    });
    size_t next = 0;
    bool same = true;
    b.ForEachFilledDay([&](int y, int m, int d, const TTerminDay &slot) {
        if (!same || next == days.size() || days[next].first != DayGrid::DayNumber(y, m, d)) {
            same = false;
            return;
        }
        const TTerminDay &other = *days[next++].second;
        same = other.records.Count() == slot.records.Count();
        for (uint32_t i = 0; same && i < slot.records.Count(); ++i)
            same = sameRecord(other.records.At(i), slot.records.At(i));
    });
    return same && next == days.size();
}

std::string describe(const char *what, const QString &detail = QString())
{
    std::string s = what;
    if (!detail.isEmpty())
        s += ": " + detail.toStdString();
    return s;
}

// One file image held in memory. A read borrows its bytes (a load that
// keeps them copies them, as a file's bytes are read into memory of their
// own); a kept copy is a separate copy.
class MemorySource : public TerminSource {
public:
    MemorySource(const QString &path, const char *data, size_t size, QByteArray &keptBuffer)
        : path_(path), data_(data), size_(size), kept_(keptBuffer)
    {
    }

    FileBytes Read(const QString &path) override
    {
        FileBytes f;
        if (path != path_) {
            f.error = QStringLiteral("No such file or directory");
            return f;
        }
        f.lent = data_;
        f.size = size_;
        return f;
    }
    QString PreviousPath(const QString &path) override { return path + QStringLiteral(".previous"); }
    QString KeepCopy(const QString &path, const char *data, size_t size, QString &) override
    {
        keptPath_ = path + QStringLiteral(".bad");
        kept_.resize(static_cast<qsizetype>(size)); // keeps its capacity from image to image
        std::memcpy(kept_.data(), data, size);
        return keptPath_;
    }

    QByteArray Stored(const QString &path) const
    {
        if (path == path_)
            return QByteArray::fromRawData(data_, static_cast<qsizetype>(size_));
        return path == keptPath_ ? QByteArray::fromRawData(kept_.constData(), kept_.size()) : QByteArray();
    }

private:
    QString path_;
    const char *data_;
    size_t size_;
    QString keptPath_;
    QByteArray &kept_;
};

} // namespace

void NoteAllocation(size_t size)
{
    everNoted.store(true, std::memory_order_relaxed);
    if (!watching.load(std::memory_order_relaxed))
        return;
    size_t seen = largest.load(std::memory_order_relaxed);
    while (size > seen && !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
    }
}

bool AllocationsWatched()
{
    return everNoted.load();
}

FileImageChecker::FileImageChecker()
{
    fillBefore(before_);
}

// Everything an image loaded is released before the next: the fuzzer takes
// memory still held after an input for a leak and runs the input again to
// look for it.
void FileImageChecker::release()
{
    parsed_.delall();
    again_.delall();
    grid_.delall();
}

std::string FileImageChecker::checkParse(const char *bytes, size_t size)
{
    // 1. The parser alone, watching every allocation it makes.
    parsedSettings_ = settingsBefore;
    TSettings &parsedSettings = parsedSettings_;
    largest = 0;
    watching = true;
    parseError_ = TerminFile::Parse(bytes, size, parsed_, parsedSettings);
    watching = false;
    if (largest > AllocationFactor * size + AllocationSlack)
        return describe("allocation out of proportion to the input",
                        QStringLiteral("%1 bytes for a %2-byte input").arg(largest.load()).arg(size));
    // The load walks the image again, writing terminators as it goes; it
    // must find what the check before it found. Parse checks before it
    // loads, so a load that went through agreed with the check; only a
    // failure can be the load's own.
    if (!parseError_.isEmpty()) {
        const QString checked = TerminFormat::Validate(bytes, size);
        if (checked != parseError_)
            return describe("the load and the check before it disagree", checked + QStringLiteral(" / ") + parseError_);
    }

    reserialized_.resize(0); // keeps its capacity from image to image
    if (!parseError_.isEmpty())
        return std::string();
    // A complete load: what it writes back reads back to itself, and up to
    // the settings (brought into range) is the bytes it was read from, a
    // text's bytes after a NUL and a Done byte other than 0 or 1 included.
    TerminFormat::SerializeChunks(parsed_, parsedSettings, [this](const char *p, size_t n) {
        reserialized_.append(p, static_cast<qsizetype>(n));
        return true;
    });
    if (static_cast<size_t>(reserialized_.size()) > size)
        return describe("a loaded store writes back longer than its file");
    if (std::memcmp(reserialized_.constData(), bytes, static_cast<size_t>(reserialized_.size()) - 12) != 0)
        return describe("a loaded store writes back other records than it read");
    if (parsedSettings != parsedSettings.clamped())
        return describe("settings out of range after a load");
    // Written back byte for byte as read, it reads back to what was just
    // loaded from those very bytes. Only a write-back that differs (settings
    // brought into range) needs reading again.
    if (static_cast<size_t>(reserialized_.size()) == size && std::memcmp(reserialized_.constData(), bytes, size) == 0)
        return std::string();
    TSettings againSettings;
    const QString againError = TerminFile::Parse(reserialized_.constData(), static_cast<size_t>(reserialized_.size()),
                                                 again_, againSettings);
    if (!againError.isEmpty())
        return describe("a loaded store does not read back", againError);
    if (!sameStore(again_, againSettings, parsed_, parsedSettings))
        return describe("a loaded store reads back differently");
    return std::string();
}

// 2. The whole read into a grid that already holds a store.
std::string FileImageChecker::checkOpen(const QString &path, TerminSource *source, const char *bytes, size_t size,
                                        const std::function<QByteArray(const QString &)> &stored)
{
    fillBefore(grid_);
    TSettings settings = settingsBefore;
    const TerminFile::Outcome o = OpenTermins(path, grid_, settings, source);
    struct Release {
        DayGrid &grid;
        ~Release() { grid.delall(); }
    } release{grid_};

    const QByteArray image = QByteArray::fromRawData(bytes, static_cast<qsizetype>(size));
    if (stored(path) != image)
        return describe("the file was changed by reading it");
    if (o.ok != parseError_.isEmpty())
        return describe("OpenTermins and Parse disagree", o.message + QStringLiteral(" / ") + parseError_);
    if (o.ok) {
        if (!sameStore(grid_, settings, parsed_, parsedSettings_))
            return describe("OpenTermins loaded something else than Parse");
        if (!o.keptCopy.isEmpty())
            return describe("a good file was copied aside");
        return std::string();
    }
    if (o.message.isEmpty())
        return describe("a failed read reported nothing");
    if (!sameStore(grid_, settings, before_, settingsBefore))
        return describe("a failed read changed the grid or the settings", o.message);
    if (o.keptCopy.isEmpty() || stored(o.keptCopy) != image)
        return describe("a failed read did not keep the file's bytes aside", o.message);
    if (!o.message.contains(o.keptCopy))
        return describe("the report does not say where the bytes were kept", o.message);
    return std::string();
}

std::string FileImageChecker::checkMemoryRead(const char *bytes, size_t size)
{
    const QString path = QStringLiteral("/memory/") + QString::fromLatin1(TerminFile::FileName);
    MemorySource source(path, bytes, size, kept_);
    return checkOpen(path, &source, bytes, size, [&source](const QString &p) { return source.Stored(p); });
}

std::string FileImageChecker::checkDiskRead(const char *bytes, size_t size, const QString &scratchDir)
{
    const QString path = QDir(scratchDir).filePath(QString::fromLatin1(TerminFile::FileName));
    std::string broken;
    if (!WriteFile(path, QByteArray(bytes, static_cast<qsizetype>(size))))
        broken = describe("scratch file could not be written", path);
    else
        broken = checkOpen(path, nullptr, bytes, size, [](const QString &p) { return ReadFile(p); });

    // Leave the directory empty for the next input.
    QDir dir(scratchDir);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
    return broken;
}

std::string FileImageChecker::Check(const uint8_t *data, size_t size)
{
    return CheckWithDisk(data, size, QString());
}

std::string FileImageChecker::CheckWithDisk(const uint8_t *data, size_t size, const QString &scratchDir)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    std::string broken = checkParse(bytes, size);
    if (broken.empty())
        broken = checkMemoryRead(bytes, size);
    if (broken.empty() && !scratchDir.isEmpty())
        broken = checkDiskRead(bytes, size, scratchDir);
    release();
    return broken;
}

std::string CheckFileImage(const uint8_t *data, size_t size, const QString &scratchDir)
{
    static FileImageChecker checker;
    return checker.CheckWithDisk(data, size, scratchDir);
}

} // namespace reliability
