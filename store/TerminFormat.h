#pragma once
// The data file's byte layout, apart from any file handling.
//
// Every day of the grid in calendar order, each as a 32-bit count followed
// by its records (Time, LastReminded, FirstRemind, RepeatInterval as IEEE
// doubles, Done as one byte, then Name and Description each as a 32-bit
// length and that many bytes), then minutes, seconds and start-minimized as
// 32-bit integers. All little-endian.

#include "store/DayGrid.h"
#include "store/Settings.h"

#include <QString>

#include <cstddef>
#include <functional>

namespace TerminFormat {

// Large enough that a save takes few writes, small enough that the buffer
// comes from the allocator's pools rather than fresh pages every time (an
// empty calendar alone is 147,572 bytes).
constexpr size_t ChunkBytes = 1 << 16;

// Hands the file image to `write` in consecutive pieces of about
// ChunkBytes; stops and returns false as soon as `write` does.
bool SerializeChunks(const DayGrid &grid, const TSettings &settings,
                     const std::function<bool(const char *, size_t)> &write);

// Checks a whole file image without building anything. Returns an empty
// string when it is complete and sound, else what is wrong.
QString Validate(const char *data, size_t size);

// Builds records from an image that Validate accepted, into `grid` (whose
// days must be empty) and `settings`. The records' texts point into
// `data`, which gains NUL terminators where fields were already read; the
// caller hands the bytes to the grid to keep. Returns what Validate would,
// so a load that went another way than the check is never silent. Adds
// what the texts take, each with its terminator, to `*textBytes`.
QString Load(char *data, size_t size, DayGrid &grid, TSettings &settings, size_t *textBytes = nullptr);

} // namespace TerminFormat
