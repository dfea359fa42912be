#pragma once
// The data file read the plainest way, as a baseline for the store's own
// reader: the whole file at once, split into a vector of records per day
// of the calendar, texts pointing into the bytes read. No checks: the
// benchmarks hand it only files the store itself wrote.

#include "store/DayGrid.h"

#include <QFile>
#include <QString>

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
    const char *p = store.bytes.get();
    store.days.assign(DayGrid::UsedDays, {});
    for (auto &day : store.days) {
        const int32_t count = i32(p);
        day.reserve(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i) {
            PlainRecord r;
            std::memcpy(r.numbers, p, sizeof r.numbers);
            r.done = static_cast<unsigned char>(p[32]);
            p += 33;
            const int32_t nameSize = i32(p);
            r.name = std::string_view(p, static_cast<size_t>(nameSize));
            p += nameSize;
            const int32_t descriptionSize = i32(p);
            r.description = std::string_view(p, static_cast<size_t>(descriptionSize));
            p += descriptionSize;
            day.push_back(r);
        }
    }
    for (int32_t &v : store.settings)
        v = i32(p);
    return true;
}

} // namespace bench
