#pragma once
// The data file read the plainest way, as a baseline for the store's own
// reader: the whole file at once, fingerprinted with Qt's hash a block at a
// time, split into a vector of records per day of the calendar, texts
// pointing into the bytes read. Every count and length is checked against
// the bytes left, as any reader of a file others can write must; on a
// failed check the read stops.

#include "store/DayGrid.h"

#include <QFile>
#include <QHashFunctions>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace bench {

struct PlainRecord {
    double numbers[4];
    unsigned char done;
    std::string_view name, description;
};

struct PlainStore {
    std::unique_ptr<char[]> bytes;
    std::vector<std::vector<PlainRecord>> days; // every day of the calendar
    int32_t settings[3] = {};
    size_t hash = 0;
};

inline int32_t i32(const char *&p)
{
    int32_t v;
    std::memcpy(&v, p, 4);
    p += 4;
    return v;
}

// The whole file read at once and split into its days and records.
inline bool plainRead(const QString &path, PlainStore &store)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return false;
    }
    const size_t size = static_cast<size_t>(st.st_size);
    store.bytes.reset(new char[size]);
    const bool read = ::read(fd, store.bytes.get(), size) == static_cast<ssize_t>(size);
    ::close(fd);
    if (!read)
        return false;
    const char *p = store.bytes.get(), *end = p + size;
    store.hash = 0;
    for (size_t at = 0; at < size; at += 1 << 16)
        store.hash = qHashBits(p + at, std::min<size_t>(size - at, 1 << 16), store.hash);
    auto left = [&p, end] { return static_cast<size_t>(end - p); };
    store.days.assign(DayGrid::UsedDays, {});
    for (auto &day : store.days) {
        if (left() < 4)
            return false;
        const int32_t count = i32(p);
        if (count < 0 || static_cast<size_t>(count) > left() / 41)
            return false;
        day.reserve(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i) {
            if (left() < 41)
                return false;
            PlainRecord r;
            std::memcpy(r.numbers, p, sizeof r.numbers);
            r.done = static_cast<unsigned char>(p[32]);
            p += 33;
            for (std::string_view *text : {&r.name, &r.description}) {
                if (left() < 4)
                    return false;
                const int32_t n = i32(p);
                if (n < 0 || static_cast<size_t>(n) > left())
                    return false;
                *text = std::string_view(p, static_cast<size_t>(n));
                p += n;
            }
            day.push_back(r);
        }
    }
    if (left() < sizeof store.settings)
        return false;
    for (int32_t &v : store.settings)
        v = i32(p);
    return true;
}

} // namespace bench
