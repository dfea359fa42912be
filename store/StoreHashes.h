#pragma once
// Fingerprints of a store, small enough to keep beside it for the whole
// run: 8 bytes a record, grouped by day, and 8 bytes for a whole file
// image. They are what a save compares against to tell which side changed
// what since the file was last read or written. A record's fingerprint is
// also written down (a mirror's side index), so it is the same in every
// run; a file image's never leaves the process.

#include "store/DayGrid.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

// One record's fingerprint: every field the file stores, the same in every run.
uint64_t RecordHash(const TTermin &t);

// The records' fingerprints of every day in calendar order.
class DayHashes {
public:
    static DayHashes Of(const DayGrid &grid);
    class Builder;

    // The fingerprints of the day numbered `day` (DayGrid::DayNumber).
    const uint64_t *begin(int day) const { return hashes_.data() + start(day); }
    const uint64_t *end(int day) const { return hashes_.data() + start(day + 1); }
    bool SameDay(int day, const DayHashes &other) const;
    size_t Records() const { return hashes_.size(); }

    bool operator==(const DayHashes &o) const { return starts_ == o.starts_ && hashes_ == o.hashes_; }
    bool operator!=(const DayHashes &o) const { return !(*this == o); }

private:
    size_t start(int day) const { return starts_.empty() ? 0 : starts_[static_cast<size_t>(day)]; }
    std::vector<uint64_t> hashes_;
    std::vector<uint32_t> starts_; // UsedDays + 1 offsets into hashes_; empty for an empty store
};

// Makes a grid's fingerprints a year at a time, on as many threads as call
// Work: fingerprinting a big store takes as long as reading it, and a
// thread that would only wait for the read can take half of it. The grid
// must not change until Take.
class DayHashes::Builder {
public:
    explicit Builder(const DayGrid &grid) : grid_(grid) {}
    // Fingerprints years no other call has taken, until none is left.
    void Work();
    // Once every Work has returned.
    DayHashes Take();

private:
    const DayGrid &grid_;
    std::atomic<int> next_{DayGrid::FirstYear};
    std::vector<uint64_t> years_[DayGrid::Years];
};

// The fingerprint of a file image, fed in pieces of any size: the same
// bytes give the same value however they were cut.
class ContentHash {
public:
    void Add(const char *data, size_t size);
    uint64_t Value() const;

private:
    static constexpr size_t Block = 1 << 16;
    std::vector<char> pending_;
    uint64_t value_ = 0;
    uint64_t length_ = 0;
};

uint64_t ContentHashOf(const char *data, size_t size);
