#pragma once
// The day grid: one slot for every calendar day from 1 January 2000 to
// 31 December 2100, addressed by (year, month, day). A year's slots are
// made the first time one of them is handed out for changing, and never
// move after that, so a slot can be referenced for the whole run; a store
// that holds a few years' appointments does not pay for the century.

#include "store/ByteBlock.h"
#include "store/DynaArray.h"
#include "store/Termin.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

class TTerminDay {
public:
    TTerminDay() : records(&current) {}
    TTerminDay(const TTerminDay &) = delete;
    TTerminDay &operator=(const TTerminDay &) = delete;

    TDynaArray<TTermin> records; // publishes its cursor into `current`
    TTermin *current = nullptr;  // record last visited in this day
};

class DayGrid {
public:
    static constexpr int FirstYear = 2000;
    static constexpr int LastYear = 2100;
    static constexpr int Years = LastYear - FirstYear + 1;
    static constexpr int UsedDays = 36890;

    static bool IsLeapYear(int year);
    static int DaysInMonth(int year, int month);
    static bool IsValidDay(int year, int month, int day);
    // The day's place in calendar order: 0 for 1 January 2000, UsedDays - 1
    // for 31 December 2100. Callers pass valid days only.
    static int DayNumber(int year, int month, int day);

    DayGrid();
    DayGrid(const DayGrid &) = delete;
    DayGrid &operator=(const DayGrid &) = delete;

    // Callers pass valid days only (see IsValidDay). The first makes the
    // slots of the day's year; the second reads a year not made yet as
    // empty days, so reading through a const grid never makes any.
    TTerminDay &Slot(int year, int month, int day) { return yearSlots(year)[inYear(month, day)]; }
    const TTerminDay &Slot(int year, int month, int day) const
    {
        const TTerminDay *block = years_[static_cast<size_t>(year - FirstYear)].get();
        return block ? block[inYear(month, day)] : emptySlot();
    }

    // Whether any slot of `year` was ever asked for writing: a year not made
    // holds no records, so a walk through the calendar can pass it whole.
    bool YearMade(int year) const { return years_[static_cast<size_t>(year - FirstYear)] != nullptr; }

    TTermin *AddRecord(TTerminDay &slot)
    {
        NoteChange();
        return slot.records.Add();
    }
    TTermin *RecordAt(TTerminDay &slot, int index) { return slot.records.Item(index); }
    void RemoveRecord(TTerminDay &slot, int index)
    {
        NoteChange();
        slot.records.Delete(index);
    }
    // Removes every record of the day for which removed(index) holds, in
    // one pass over the day's array.
    template <typename Pred>
    void RemoveRecordsIf(TTerminDay &slot, Pred &&removed)
    {
        NoteChange();
        slot.records.DeleteIf(std::forward<Pred>(removed));
    }

    // Raised by every change of the records, so a saver can tell that
    // nothing changed since its last write without looking at the records.
    // Adding, removing, loading and releasing raise it here; whoever writes
    // into a record it holds calls NoteChange.
    uint64_t ChangeCount() const { return changes_; }
    void NoteChange() { ++changes_; }

    // Visits every used slot in calendar order: f(year, month, day, slot).
    // The first makes every year's slots, as the visit may fill any day.
    template <typename F>
    void ForEachDay(F &&f)
    {
        for (int y = FirstYear; y <= LastYear; ++y)
            for (int m = 1; m <= 12; ++m) {
                const int n = DaysInMonth(y, m);
                for (int d = 1; d <= n; ++d)
                    f(y, m, d, Slot(y, m, d));
            }
    }
    template <typename F>
    void ForEachDay(F &&f) const
    {
        for (int y = FirstYear; y <= LastYear; ++y)
            for (int m = 1; m <= 12; ++m) {
                const int n = DaysInMonth(y, m);
                for (int d = 1; d <= n; ++d)
                    f(y, m, d, Slot(y, m, d));
            }
    }

    // Visits only the slots that hold records, in calendar order. Most days
    // are empty, so this costs what the records cost, not what the calendar
    // does. The visit may empty the slot, not fill another.
    template <typename F>
    void ForEachFilledDay(F &&f)
    {
        forEachFilledIndex([&](size_t i) { f(yearOf(i), monthOf(i), dayOf(i), filledSlot(i)); });
    }
    template <typename F>
    void ForEachFilledDay(F &&f) const
    {
        forEachFilledIndex(
            [&](size_t i) { f(yearOf(i), monthOf(i), dayOf(i), static_cast<const TTerminDay &>(filledSlot(i))); });
    }
    // The same for the days of one year.
    template <typename F>
    void ForEachFilledDayOf(int year, F &&f) const
    {
        const size_t first = static_cast<size_t>(year - FirstYear) * YearSlots, last = first + YearSlots;
        for (size_t w = first / 64; w * 64 < last; ++w)
            for (uint64_t bits = filled_[w]; bits != 0; bits &= bits - 1) {
                const size_t i = w * 64 + static_cast<size_t>(__builtin_ctzll(bits));
                if (i >= last)
                    break;
                if (i >= first)
                    f(yearOf(i), monthOf(i), dayOf(i), static_cast<const TTerminDay &>(filledSlot(i)));
            }
    }

    // Releases every record; each slot keeps an empty, usable array.
    void delall();

    // Keeps bytes that texts of this grid's records point into (a file
    // read into it) until delall.
    void KeepTextStorage(ByteBlock bytes);
    // Room for `size` bytes that texts of this grid's records will point
    // into (a file image copied in to be loaded), kept until delall. delall
    // keeps the largest room for the next load, so a grid that is loaded
    // again and again (as the reader's fuzzer does) does not take fresh
    // memory each time. Released room is poisoned under AddressSanitizer,
    // so a text left pointing into it is still caught.
    char *TextStorage(size_t size);

    // Moves the texts of the records that point into kept storage (a file
    // image of `imageSize` bytes, read into the grid) into one block of
    // their own, and lets go of that storage, when the texts take less
    // than two thirds of it: a store of many short appointments is mostly
    // numbers, which the records already hold; one without texts keeps
    // nothing. Otherwise nothing changes. A read that counted its texts'
    // bytes passes `textBytes`: texts too big to move are then not looked
    // at again.
    void CompactTexts(size_t imageSize, size_t textBytes = SIZE_MAX);

    // Takes over every day's records from `other`, which receives ours.
    void Adopt(DayGrid &other);

    size_t RecordCount() const;
    size_t RecordCount(int year, int month = 0) const; // month 0: whole year

private:
    static constexpr size_t YearSlots = 12 * 31;
    static constexpr size_t Slots = static_cast<size_t>(Years) * YearSlots;
    static constexpr size_t FillWords = (Slots + 63) / 64;

    static size_t inYear(int month, int day)
    {
        return static_cast<size_t>(month - 1) * 31 + static_cast<size_t>(day - 1);
    }
    static const TTerminDay &emptySlot();
    // The slots of `year`, made when first asked for.
    TTerminDay *yearSlots(int year)
    {
        std::unique_ptr<TTerminDay[]> &block = years_[static_cast<size_t>(year - FirstYear)];
        return block ? block.get() : makeYear(year);
    }
    TTerminDay *makeYear(int year);
    // A slot whose fill bit is set: its year is made.
    TTerminDay &filledSlot(size_t i) const { return years_[i / YearSlots][i % YearSlots]; }
    static int yearOf(size_t i) { return FirstYear + static_cast<int>(i / (12 * 31)); }
    static int monthOf(size_t i) { return static_cast<int>(i / 31 % 12) + 1; }
    static int dayOf(size_t i) { return static_cast<int>(i % 31) + 1; }

    template <typename F>
    void forEachFilledIndex(F &&f) const
    {
        // Years without records pass a block of words at a time.
        constexpr size_t Block = 64;
        static constexpr uint64_t none[Block] = {};
        for (size_t b = 0; b < FillWords; b += Block) {
            const size_t end = std::min(b + Block, FillWords);
            if (std::memcmp(&filled_[b], none, (end - b) * sizeof(uint64_t)) == 0)
                continue;
            for (size_t w = b; w < end; ++w)
                // A copy of the word: the visit may clear bits of it.
                for (uint64_t bits = filled_[w]; bits != 0; bits &= bits - 1)
                    f(w * 64 + static_cast<size_t>(__builtin_ctzll(bits)));
        }
    }

    std::unique_ptr<TTerminDay[]> years_[Years]; // null for a year not made yet
    // One bit a slot, set while it holds records (kept by the slots' arrays),
    // in calendar order: year by year, 31 bits a month.
    uint64_t filled_[FillWords] = {};
    // Memory the records' texts may point into. `size` is what was asked
    // for; 0 for bytes handed over whole, which are never reused.
    struct TextRoom {
        ByteBlock bytes;
        size_t size = 0;
        TextRoom() = default;
        TextRoom(ByteBlock b, size_t n) : bytes(std::move(b)), size(n) {}
        TextRoom(TextRoom &&) noexcept = default;
        TextRoom &operator=(TextRoom &&o) noexcept;
        ~TextRoom();
    };
    std::vector<TextRoom> textStorage_;
    TextRoom spareRoom_; // released by delall, poisoned, for the next TextStorage
    uint64_t changes_ = 0;
};
