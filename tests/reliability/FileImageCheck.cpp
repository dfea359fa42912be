#include "FileImageCheck.h"

#include "SampleStores.h"
#include "store/TerminFile.h"

#include <QDir>
#include <QFile>

#include <atomic>

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

std::string describe(const char *what, const QString &detail = QString())
{
    std::string s = what;
    if (!detail.isEmpty())
        s += ": " + detail.toStdString();
    return s;
}

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

std::string CheckFileImage(const uint8_t *data, size_t size, const QString &scratchDir)
{
    const char *bytes = reinterpret_cast<const char *>(data);

    // 1. The parser alone, watching every allocation it makes.
    DayGrid parsed;
    TSettings parsedSettings = settingsBefore;
    largest = 0;
    watching = true;
    const QString error = TerminFile::Parse(bytes, size, parsed, parsedSettings);
    watching = false;
    if (largest > AllocationFactor * size + AllocationSlack)
        return describe("allocation out of proportion to the input",
                        QStringLiteral("%1 bytes for a %2-byte input").arg(largest.load()).arg(size));

    QByteArray reserialized;
    if (error.isEmpty()) {
        // A complete load: what it writes back reads back to itself, and is
        // never longer than what was read (texts only lose what follows a
        // NUL, Done bytes become 0 or 1).
        reserialized = TerminFile::Serialize(parsed, parsedSettings);
        if (static_cast<size_t>(reserialized.size()) > size)
            return describe("a loaded store writes back longer than its file");
        DayGrid again;
        TSettings againSettings;
        const QString againError =
            TerminFile::Parse(reserialized.constData(), static_cast<size_t>(reserialized.size()), again, againSettings);
        if (!againError.isEmpty())
            return describe("a loaded store does not read back", againError);
        if (TerminFile::Serialize(again, againSettings) != reserialized)
            return describe("a loaded store reads back differently");
        if (parsedSettings != parsedSettings.clamped())
            return describe("settings out of range after a load");
    }

    // 2. The whole read from disk into a grid that already holds a store.
    const QString path = QDir(scratchDir).filePath(QString::fromLatin1(TerminFile::FileName));
    const QByteArray image(bytes, static_cast<qsizetype>(size));
    if (!WriteFile(path, image))
        return describe("scratch file could not be written", path);
    DayGrid grid;
    fillBefore(grid);
    TSettings settings = settingsBefore;
    static const QByteArray gridBefore = TerminFile::Serialize(grid, settings);
    const TerminFile::Outcome o = OpenTermins(path, grid, settings);

    std::string broken;
    if (ReadFile(path) != image)
        broken = describe("the file was changed by reading it");
    else if (o.ok != error.isEmpty())
        broken = describe("OpenTermins and Parse disagree", o.message + QStringLiteral(" / ") + error);
    else if (o.ok) {
        if (TerminFile::Serialize(grid, settings) != reserialized)
            broken = describe("OpenTermins loaded something else than Parse");
        else if (!o.keptCopy.isEmpty())
            broken = describe("a good file was copied aside");
    } else {
        if (o.message.isEmpty())
            broken = describe("a failed read reported nothing");
        else if (TerminFile::Serialize(grid, settings) != gridBefore)
            broken = describe("a failed read changed the grid or the settings", o.message);
        else if (o.keptCopy.isEmpty() || ReadFile(o.keptCopy) != image)
            broken = describe("a failed read did not keep the file's bytes aside", o.message);
        else if (!o.message.contains(o.keptCopy))
            broken = describe("the report does not say where the bytes were kept", o.message);
    }

    // Leave the directory empty for the next input.
    QDir dir(scratchDir);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
    return broken;
}

} // namespace reliability
