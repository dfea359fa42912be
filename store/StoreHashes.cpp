#include "store/StoreHashes.h"

#include "store/StableHash.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>
#include <string_view>

uint64_t RecordHash(const TTermin &t)
{
    // The fixed-size fields packed, then each text seeded with what came
    // before, so the same bytes split differently between name and
    // description give another value.
    unsigned char fixed[4 * sizeof(double) + 1 + 2 * sizeof(uint32_t)];
    unsigned char *p = fixed;
    for (const double v : {t.Time, t.LastReminded, t.FirstRemind, t.RepeatInterval}) {
        std::memcpy(p, &v, sizeof v);
        p += sizeof v;
    }
    *p++ = t.Done; // the byte as the file holds it
    // The texts as stored, with any bytes after a NUL: a record told apart
    // only by those must still count as changed.
    const std::string_view name = t.Name.stored(), desc = t.Description.stored();
    for (const size_t n : {name.size(), desc.size()}) {
        const uint32_t n32 = static_cast<uint32_t>(n);
        std::memcpy(p, &n32, sizeof n32);
        p += sizeof n32;
    }
    uint64_t h = StableHash(fixed, sizeof fixed, 0x6b616c76);
    h = StableHash(name.data(), name.size(), h);
    return StableHash(desc.data(), desc.size(), h);
}

DayHashes DayHashes::Of(const DayGrid &grid)
{
    Builder b(grid);
    b.Work();
    return b.Take();
}

void DayHashes::Builder::Work()
{
    for (int y; (y = next_.fetch_add(1, std::memory_order_relaxed)) <= DayGrid::LastYear;) {
        if (!grid_.YearMade(y))
            continue;
        std::vector<uint64_t> &out = years_[y - DayGrid::FirstYear];
        size_t records = 0;
        grid_.ForEachFilledDayOf(y, [&records](int, int, int, const TTerminDay &slot) {
            records += slot.records.Count();
        });
        out.reserve(records);
        grid_.ForEachFilledDayOf(y, [&out](int, int, int, const TTerminDay &slot) {
            for (uint32_t i = 0; i < slot.records.Count(); ++i)
                out.push_back(RecordHash(slot.records.Data()[i]));
        });
    }
}

DayHashes DayHashes::Builder::Take()
{
    DayHashes out;
    size_t records = 0;
    for (const std::vector<uint64_t> &year : years_)
        records += year.size();
    if (records == 0)
        return out;
    out.hashes_.reserve(records);
    for (const std::vector<uint64_t> &year : years_)
        out.hashes_.insert(out.hashes_.end(), year.begin(), year.end());
    // The years' fingerprints follow each other in calendar order; each
    // day's share of them is its count of records.
    out.starts_.assign(static_cast<size_t>(DayGrid::UsedDays) + 1, 0);
    int next = 0; // the first day whose start is not set yet
    uint32_t at = 0;
    grid_.ForEachFilledDay([&](int y, int m, int d, const TTerminDay &slot) {
        const int day = DayGrid::DayNumber(y, m, d);
        for (; next <= day; ++next)
            out.starts_[static_cast<size_t>(next)] = at;
        at += slot.records.Count();
    });
    for (; next <= DayGrid::UsedDays; ++next)
        out.starts_[static_cast<size_t>(next)] = at;
    return out;
}

bool DayHashes::SameDay(int day, const DayHashes &other) const
{
    return std::equal(begin(day), end(day), other.begin(day), other.end(day));
}

void ContentHash::Add(const char *data, size_t size)
{
    length_ += size;
    while (size > 0) {
        if (pending_.empty() && size >= Block) {
            value_ = qHashBits(data, Block, value_);
            data += Block;
            size -= Block;
            continue;
        }
        const size_t take = std::min(size, Block - pending_.size());
        pending_.insert(pending_.end(), data, data + take);
        data += take;
        size -= take;
        if (pending_.size() == Block) {
            value_ = qHashBits(pending_.data(), Block, value_);
            pending_.clear();
        }
    }
}

uint64_t ContentHash::Value() const
{
    const uint64_t tail = qHashBits(pending_.data(), pending_.size(), value_);
    return qHashBits(&length_, sizeof length_, tail);
}

uint64_t ContentHashOf(const char *data, size_t size)
{
    ContentHash h;
    h.Add(data, size);
    return h.Value();
}
