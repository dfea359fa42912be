#include "store/DayGrid.h"

#include "store/MemoryPoison.h"

#include <QDate>

bool DayGrid::IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DayGrid::DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool DayGrid::IsValidDay(int year, int month, int day)
{
    return year >= FirstYear && year <= LastYear && month >= 1 && month <= 12 && day >= 1
        && day <= DaysInMonth(year, month);
}

namespace {

// The day number of the first of each month of the grid's years: a store's
// fingerprint and every walk in calendar order ask for day numbers once per
// day that holds appointments.
struct MonthStarts {
    int first[DayGrid::Years * 12];
    MonthStarts() : first()
    {
        int n = 0;
        for (int y = DayGrid::FirstYear; y <= DayGrid::LastYear; ++y)
            for (int m = 1; m <= 12; ++m) {
                first[(y - DayGrid::FirstYear) * 12 + m - 1] = n;
                n += DayGrid::DaysInMonth(y, m);
            }
    }
};

} // namespace

int DayGrid::DayNumber(int year, int month, int day)
{
    static const MonthStarts starts;
    if (year >= FirstYear && year <= LastYear && month >= 1 && month <= 12)
        return starts.first[(year - FirstYear) * 12 + month - 1] + day - 1;
    // Outside the grid (a calendar's event seen by a sync): counted out
    // from 1 January 2000 all the same, never looked up in the table.
    return static_cast<int>(QDate(FirstYear, 1, 1).daysTo(QDate(year, month, day)));
}

DayGrid::DayGrid() = default;

const TTerminDay &DayGrid::emptySlot()
{
    static const TTerminDay empty;
    return empty;
}

TTerminDay *DayGrid::makeYear(int year)
{
    const size_t first = static_cast<size_t>(year - FirstYear) * YearSlots;
    std::unique_ptr<TTerminDay[]> &made = years_[static_cast<size_t>(year - FirstYear)];
    made.reset(new TTerminDay[YearSlots]);
    for (size_t i = 0; i < YearSlots; ++i)
        made[i].records.WatchFill(&filled_[(first + i) / 64], static_cast<unsigned>((first + i) % 64));
    return made.get();
}

void DayGrid::delall()
{
    NoteChange();
    // Records first: their texts may point into the kept storage.
    ForEachFilledDay([](int, int, int, TTerminDay &slot) { slot.records.Clear(); });
    for (TextRoom &room : textStorage_)
        if (room.size > spareRoom_.size) {
            spareRoom_ = std::move(room);
            PoisonMemory(spareRoom_.bytes.get(), spareRoom_.size);
        }
    textStorage_.clear();
}

void DayGrid::KeepTextStorage(ByteBlock bytes)
{
    textStorage_.emplace_back(std::move(bytes), 0);
}

char *DayGrid::TextStorage(size_t size)
{
    if (size > 0 && spareRoom_.size >= size) {
        // Only the part asked for becomes usable: a read past it is caught
        // as if the room had been allocated for this size.
        UnpoisonMemory(spareRoom_.bytes.get(), size);
        textStorage_.push_back(std::move(spareRoom_));
        spareRoom_ = TextRoom();
    } else {
        textStorage_.emplace_back(ByteBlock(new char[size > 0 ? size : 1]), size);
    }
    return textStorage_.back().bytes.get();
}

DayGrid::TextRoom &DayGrid::TextRoom::operator=(TextRoom &&o) noexcept
{
    if (this != &o) {
        if (bytes)
            UnpoisonMemory(bytes.get(), size);
        bytes = std::move(o.bytes);
        size = o.size;
        o.size = 0;
    }
    return *this;
}

// Poisoned room goes back to the allocator whole, as it came.
DayGrid::TextRoom::~TextRoom()
{
    if (bytes)
        UnpoisonMemory(bytes.get(), size);
}

void DayGrid::CompactTexts(size_t imageSize, size_t textBytes)
{
    if (textBytes != SIZE_MAX && textBytes >= imageSize / 3 * 2)
        return;
    size_t bytes = 0;
    auto forEachView = [this](auto &&f) {
        ForEachFilledDay([&f](int, int, int, TTerminDay &slot) {
            TTermin *r = slot.records.Data();
            for (uint32_t i = 0, n = slot.records.Count(); i < n; ++i)
                for (TText *t : {&r[i].Name, &r[i].Description})
                    if (t->isView())
                        f(*t);
        });
    };
    forEachView([&bytes](const TText &t) { bytes += t.stored().size() + 1; });
    if (bytes >= imageSize / 3 * 2)
        return;
    // No text at all (an empty store): the image goes whole.
    ByteBlock block(bytes ? new char[bytes] : nullptr);
    char *p = block.get();
    forEachView([&p](TText &t) {
        const std::string_view stored = t.stored();
        std::memcpy(p, stored.data(), stored.size());
        p[stored.size()] = '\0';
        t = TText::View(p, stored.size());
        p += stored.size() + 1;
    });
    // What was reusable room stays so, as after delall.
    for (TextRoom &room : textStorage_)
        if (room.size > spareRoom_.size) {
            spareRoom_ = std::move(room);
            PoisonMemory(spareRoom_.bytes.get(), spareRoom_.size);
        }
    textStorage_.clear();
    if (block)
        KeepTextStorage(std::move(block));
}

void DayGrid::Adopt(DayGrid &other)
{
    NoteChange();
    other.NoteChange();
    // Only years made on either side can hold records.
    for (int y = FirstYear; y <= LastYear; ++y) {
        const size_t at = static_cast<size_t>(y - FirstYear);
        if (!years_[at] && !other.years_[at])
            continue;
        TTerminDay *mine = yearSlots(y), *theirs = other.yearSlots(y);
        for (size_t i = 0; i < YearSlots; ++i)
            mine[i].records.SwapElements(theirs[i].records);
    }
    textStorage_.swap(other.textStorage_);
}

size_t DayGrid::RecordCount() const
{
    size_t n = 0;
    ForEachFilledDay([&n](int, int, int, const TTerminDay &slot) { n += slot.records.Count(); });
    return n;
}

size_t DayGrid::RecordCount(int year, int month) const
{
    size_t n = 0;
    const int from = month ? month : 1, to = month ? month : 12;
    for (int m = from; m <= to; ++m)
        for (int d = 1, dim = DaysInMonth(year, m); d <= dim; ++d)
            n += Slot(year, m, d).records.Count();
    return n;
}
