#pragma once
// The promise the file reader makes for any bytes at all, checked for one
// input: either the whole store loads, or the failure is reported and the
// grid, the settings and the file stay exactly as they were. Used by the
// fuzzer and by the test that replays its corpus in the normal build.

#include "store/DayGrid.h"
#include "store/Settings.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class TerminSource;

namespace reliability {

// Allocation sizes are fed in by whatever hook the host process has (a
// sanitizer hook in the fuzzer, a replaced operator new in the replay test).
void NoteAllocation(size_t size);
// Whether NoteAllocation has ever been called, i.e. the allocation bound is
// actually being checked.
bool AllocationsWatched();

// A parsed record takes at most this many times the bytes its entry takes
// in the file (the in-memory record is larger than its smallest entry), so
// no single allocation while parsing may exceed this multiple of the input.
constexpr size_t AllocationFactor = 3;
constexpr size_t AllocationSlack = 4096;

// Checks file images one after another. Its grids live from one image to
// the next and are emptied through the days that hold records, so an image
// costs what its records cost rather than what the 36,890-day calendar
// costs. Each call returns an empty string when every promise held,
// otherwise which one broke.
class FileImageChecker {
public:
    FileImageChecker();

    // Parses the image, writes a complete load back and reads that again,
    // and reads the image through OpenTermins from memory: the program's
    // own read, with the file system's part (getting the bytes, keeping a
    // copy of unreadable ones) done in memory.
    std::string Check(const uint8_t *data, size_t size);

    // The same, then the read from a real file in `scratchDir` (an
    // existing, empty directory, left empty again; none: no disk read).
    std::string CheckWithDisk(const uint8_t *data, size_t size, const QString &scratchDir);

private:
    void release();
    std::string checkParse(const char *bytes, size_t size);
    std::string checkMemoryRead(const char *bytes, size_t size);
    std::string checkDiskRead(const char *bytes, size_t size, const QString &scratchDir);
    // What OpenTermins into a grid holding the "before" store must give;
    // `stored` tells what the file or a kept copy holds now.
    std::string checkOpen(const QString &path, TerminSource *source, const char *bytes, size_t size,
                          const std::function<QByteArray(const QString &)> &stored);

    DayGrid parsed_, again_, grid_;
    DayGrid before_;           // what grid_ holds before each read
    QString parseError_;       // of the current image
    TSettings parsedSettings_; // what it loaded
    QByteArray reserialized_;  // its complete load written back
    QByteArray kept_;          // what a read from memory kept aside
};

// One image through every check, the read from disk included, by one
// checker kept for the whole process.
std::string CheckFileImage(const uint8_t *data, size_t size, const QString &scratchDir);

} // namespace reliability
