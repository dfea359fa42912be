#include "store/TerminFormat.h"

#include "store/TerminFile.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace TerminFormat {

namespace {

constexpr size_t RecordFixedBytes = 4 * 8 + 1;
constexpr size_t RecordMinBytes = RecordFixedBytes + 2 * 4;

// Collects fields in a buffer and passes it on whenever it fills up.
class ChunkWriter {
public:
    explicit ChunkWriter(const std::function<bool(const char *, size_t)> &write)
        : write_(write), buffer_(new char[ChunkBytes]), p_(buffer_.get())
    {
    }
    // Makes room for `n` bytes (at most ChunkBytes) by passing on what
    // was collected; false when passing it on failed.
    bool room(size_t n)
    {
        if (static_cast<size_t>(buffer_.get() + ChunkBytes - p_) >= n)
            return true;
        return flush();
    }
    bool flush()
    {
        const size_t n = static_cast<size_t>(p_ - buffer_.get());
        p_ = buffer_.get();
        return n == 0 || write_(buffer_.get(), n);
    }
    void i32(qint32 v)
    {
        qToLittleEndian(v, p_);
        p_ += 4;
    }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        qToLittleEndian(bits, p_);
        p_ += 8;
    }
    void u8(unsigned char v) { *p_++ = static_cast<char>(v); }
    // The counts of `days` days without records.
    bool zeroCounts(size_t days)
    {
        for (size_t bytes = 4 * days; bytes > 0;) {
            if (!room(4))
                return false;
            const size_t n = std::min(bytes, static_cast<size_t>(buffer_.get() + ChunkBytes - p_) / 4 * 4);
            std::memset(p_, 0, n);
            p_ += n;
            bytes -= n;
        }
        return true;
    }
    bool text(const TText &t)
    {
        const std::string_view bytes = t.stored();
        if (!room(4))
            return false;
        i32(static_cast<qint32>(bytes.size()));
        if (bytes.size() > ChunkBytes) // longer than the whole buffer: straight through
            return flush() && write_(bytes.data(), bytes.size());
        if (!room(bytes.size()))
            return false;
        std::memcpy(p_, bytes.data(), bytes.size());
        p_ += bytes.size();
        return true;
    }

private:
    const std::function<bool(const char *, size_t)> &write_;
    std::unique_ptr<char[]> buffer_;
    char *p_;
};

// Reads fields in order. While loading, the byte after each text is turned
// into the text's terminator once the field starting there has been read.
template <bool Loading>
class Reader {
public:
    Reader(char *p, size_t n) : p_(p), end_(p + n) {}
    size_t left() const { return static_cast<size_t>(end_ - p_); }
    const char *position() const { return p_; }
    // Passes `n` bytes not read as fields: zero counts, or a text's bytes
    // when only checking. Passing none must not end a text read before:
    // its terminator would land on the next count before that count is
    // read.
    void skip(size_t n)
    {
        if (n != 0)
            advance(n);
    }
    bool i32(qint32 &v)
    {
        if (left() < 4)
            return false;
        v = qFromLittleEndian<qint32>(p_);
        advance(4);
        return true;
    }
    double f64()
    {
        const quint64 bits = qFromLittleEndian<quint64>(p_);
        advance(8);
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    unsigned char u8()
    {
        const auto v = static_cast<unsigned char>(*p_);
        advance(1);
        return v;
    }
    // A text of `n` bytes, already checked to fit.
    TText text(size_t n)
    {
        char *start = p_;
        advance(n);
        if (!Loading || n == 0)
            return TText();
        pendingNul_ = p_;
        // A NUL inside ends the text; the bytes after it stay with it.
        return TText::View(start, n);
    }

private:
    void advance(size_t n)
    {
        if (Loading && pendingNul_) {
            *pendingNul_ = '\0';
            pendingNul_ = nullptr;
        }
        p_ += n;
    }

    char *p_;
    char *end_;
    char *pendingNul_ = nullptr;
};

// How many of the next `most` 32-bit words at `p` are zero. Most days hold
// no appointment, so a file is mostly runs of zero counts; comparing them a
// block at a time keeps an almost empty calendar from costing as much as a
// full one.
size_t zeroWords(const char *p, size_t most)
{
    static const char zeros[4096] = {};
    // A day with appointments ends the run at once: a full calendar asks
    // this once per day.
    if (most == 0 || std::memcmp(p, zeros, 4) != 0)
        return 0;
    size_t n = 0;
    for (const size_t block : {size_t(1024), size_t(64), size_t(4), size_t(1)})
        while (most - n >= block && std::memcmp(p + 4 * n, zeros, 4 * block) == 0)
            n += block;
    return n;
}

// Moves a date of the grid `days` days on (days < DayGrid::UsedDays).
void moveDate(int &y, int &m, int &d, size_t days)
{
    d += static_cast<int>(days);
    while (true) {
        const int inMonth = DayGrid::DaysInMonth(y, m);
        if (d <= inMonth)
            return;
        d -= inMonth;
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
}

// The one walk over the layout, for checking and for loading.
template <bool Loading>
QString walk(char *data, size_t size, DayGrid *grid, TSettings *settings, size_t *textBytes = nullptr)
{
    Reader<Loading> r(data, size);
    const QString beyondEnd = QString::fromLatin1(TerminFile::ReadBeyondEndText);
    // Only a day that holds records needs its date.
    int y = DayGrid::FirstYear, m = 1, d = 1;
    size_t dateOf = 0; // the day number y-m-d stands for
    for (size_t day = 0; day < size_t(DayGrid::UsedDays); ++day) {
        const size_t empty = zeroWords(r.position(), std::min(size_t(DayGrid::UsedDays) - day, r.left() / 4));
        r.skip(4 * empty);
        day += empty;
        if (day == size_t(DayGrid::UsedDays))
            break;
        qint32 count;
        if (!r.i32(count))
            return beyondEnd;
        if (count < 0)
            return QCoreApplication::translate("TerminFormat", "Invalid appointment count %1").arg(count);
        // Every record takes at least its fixed fields and two
        // lengths: a count that cannot fit is known bad before any
        // memory is set aside for it.
        if (static_cast<size_t>(count) > r.left() / RecordMinBytes)
            return beyondEnd;
        TTermin *records = nullptr;
        if (Loading) {
            moveDate(y, m, d, day - dateOf);
            dateOf = day;
            records = grid->Slot(y, m, d).records.Append(static_cast<size_t>(count));
        }
        for (qint32 i = 0; i < count; ++i) {
            if (r.left() < RecordMinBytes)
                return beyondEnd;
            const double time = r.f64(), last = r.f64(), first = r.f64(), repeat = r.f64();
            const unsigned char done = r.u8();
            TText texts[2];
            for (TText &t : texts) {
                qint32 len;
                if (!r.i32(len))
                    return beyondEnd;
                if (len < 0)
                    return QCoreApplication::translate("TerminFormat", "Invalid text length %1").arg(len);
                if (static_cast<size_t>(len) > r.left())
                    return beyondEnd;
                if (Loading) {
                    t = r.text(static_cast<size_t>(len));
                    if (len > 0 && textBytes)
                        *textBytes += static_cast<size_t>(len) + 1;
                } else
                    r.skip(static_cast<size_t>(len));
            }
            if (Loading) {
                TTermin &rec = records[i];
                rec.Time = time;
                rec.LastReminded = last;
                rec.FirstRemind = first;
                rec.RepeatInterval = repeat;
                rec.Done = done;
                rec.Name = std::move(texts[0]);
                rec.Description = std::move(texts[1]);
            }
        }
    }
    qint32 minutes, seconds, minimized;
    if (!r.i32(minutes) || !r.i32(seconds) || !r.i32(minimized))
        return beyondEnd;
    if (Loading) {
        TSettings s;
        s.checkMinutes = minutes;
        s.checkSeconds = seconds;
        s.startMinimized = minimized != 0;
        *settings = s.clamped();
    }
    return QString();
}

} // namespace

bool SerializeChunks(const DayGrid &grid, const TSettings &settings,
                     const std::function<bool(const char *, size_t)> &write)
{
    ChunkWriter w(write);
    bool ok = true;
    int next = 0; // the first day whose count is not written yet
    grid.ForEachFilledDay([&](int y, int m, int d, const TTerminDay &slot) {
        const int day = DayGrid::DayNumber(y, m, d);
        if (!ok || !(ok = w.zeroCounts(static_cast<size_t>(day - next)) && w.room(4)))
            return;
        next = day + 1;
        const uint32_t n = slot.records.Count();
        w.i32(static_cast<qint32>(n));
        const TTermin *r = slot.records.Data();
        for (uint32_t i = 0; i < n && ok; ++i) {
            if (!(ok = w.room(RecordFixedBytes)))
                return;
            w.f64(r[i].Time);
            w.f64(r[i].LastReminded);
            w.f64(r[i].FirstRemind);
            w.f64(r[i].RepeatInterval);
            w.u8(r[i].Done);
            ok = w.text(r[i].Name) && w.text(r[i].Description);
        }
    });
    if (!ok || !w.zeroCounts(static_cast<size_t>(DayGrid::UsedDays - next)) || !w.room(12))
        return false;
    w.i32(settings.checkMinutes);
    w.i32(settings.checkSeconds);
    w.i32(settings.startMinimized ? 1 : 0);
    return w.flush();
}

QString Validate(const char *data, size_t size)
{
    // The checking walk only reads.
    return walk<false>(const_cast<char *>(data), size, nullptr, nullptr);
}

QString Load(char *data, size_t size, DayGrid &grid, TSettings &settings, size_t *textBytes)
{
    return walk<true>(data, size, &grid, &settings, textBytes);
}

} // namespace TerminFormat
