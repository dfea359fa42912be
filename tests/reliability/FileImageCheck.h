#pragma once
// The promise the file reader makes for any bytes at all, checked for one
// input: either the whole store loads, or the failure is reported and the
// grid, the settings and the file on disk stay exactly as they were. Used by
// the fuzzer and by the test that replays its corpus in the normal build.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

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

// Checks one file image. `scratchDir` is an existing, empty directory the
// check may write into; it is left empty again. Returns an empty string
// when every promise held, otherwise which one broke.
std::string CheckFileImage(const uint8_t *data, size_t size, const QString &scratchDir);

} // namespace reliability
