#pragma once
// A growable array of records with a built-in cursor.
//
// Besides its own cursor the array can publish the address of the current
// element into a pointer owned by someone else (the cursor target). A day
// slot uses this so that it always knows the record last visited in it.
//
// The elements live contiguously in a std::vector that is kept exactly as
// large as the number of elements, and is released when the last element
// goes. Elements are value-initialised on Add, so plain fields start at zero.
//
// An owner of many arrays can also have one bit of its own kept equal to
// "this array holds elements" (WatchFill), so it can pass over the empty
// ones without looking at each.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <typename T>
class TDynaArray {
public:
    explicit TDynaArray(T **cursorTarget = nullptr) : target_(cursorTarget) {}
    TDynaArray(const TDynaArray &) = delete;
    TDynaArray &operator=(const TDynaArray &) = delete;

    // Keeps `bit` of `*word` set exactly while the array holds elements.
    void WatchFill(uint64_t *word, unsigned bit)
    {
        fillWord_ = word;
        fillBit_ = uint64_t(1) << bit;
        noteFill();
    }

    uint32_t Count() const { return static_cast<uint32_t>(data_.size()); }
    int CurrentIndex() const { return currentIndex_; }
    T *Current() const { return current_; }
    const T *Data() const { return data_.data(); }
    // The elements in place, for changing them without moving the cursor.
    T *Data() { return data_.data(); }

    // Makes element `index` current. Out-of-range indices return null and
    // leave the cursor alone rather than reading past the block.
    T *Item(int index)
    {
        if (index < 0 || static_cast<uint32_t>(index) >= Count())
            return nullptr;
        currentIndex_ = index;
        setCurrent(&data_[static_cast<std::size_t>(index)]);
        return current_;
    }

    // Appends a zeroed element and makes it current.
    T *Add()
    {
        data_.reserve(data_.size() + 1); // grow by exactly one element
        data_.emplace_back();
        noteFill();
        currentIndex_ = static_cast<int>(data_.size()) - 1;
        setCurrent(&data_.back());
        return current_;
    }

    // Removes element `index`; indices outside 0..Count()-1 change nothing,
    // not even the cursor. Afterwards nothing is current.
    void Delete(int index)
    {
        if (index < 0 || static_cast<uint32_t>(index) >= Count())
            return;
        data_.erase(data_.begin() + index);
        afterRemoval();
    }

    // Removes every element for which removed(index) holds, moving each kept
    // element down once, so removing any number costs one pass. The block
    // shrinks as after Delete, and afterwards nothing is current.
    template <typename Pred>
    void DeleteIf(Pred &&removed)
    {
        std::size_t kept = 0;
        const std::size_t n = data_.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (removed(i))
                continue;
            if (kept != i)
                data_[kept] = std::move(data_[i]);
            ++kept;
        }
        if (kept == n)
            return;
        data_.erase(data_.begin() + static_cast<std::ptrdiff_t>(kept), data_.end());
        afterRemoval();
    }

    // Starts a walk. On an empty array nothing changes.
    void First()
    {
        if (data_.empty())
            return;
        currentIndex_ = 0;
        setCurrent(&data_[0]);
    }

    // Delivers the element at the current index and advances past it.
    bool Next()
    {
        if (data_.empty() || currentIndex_ < 0 || static_cast<uint32_t>(currentIndex_) >= Count())
            return false;
        setCurrent(&data_[static_cast<std::size_t>(currentIndex_)]);
        ++currentIndex_;
        return true;
    }

    // Frees the block; the array is empty and usable afterwards.
    void Clear()
    {
        std::vector<T>().swap(data_);
        noteFill();
        currentIndex_ = -1;
        setCurrent(nullptr);
    }

    // Exchanges the elements (not the cursor targets) with another array;
    // both cursors are reset because their addresses no longer apply.
    void SwapElements(TDynaArray &other)
    {
        data_.swap(other.data_);
        noteFill();
        other.noteFill();
        currentIndex_ = other.currentIndex_ = -1;
        setCurrent(nullptr);
        other.setCurrent(nullptr);
    }

    // Appends `n` zeroed elements at once (n > 0) and makes the last one
    // current; returns the first. For filling many at a time, as a read does.
    T *Append(std::size_t n)
    {
        const std::size_t first = data_.size();
        data_.resize(first + n);
        noteFill();
        currentIndex_ = static_cast<int>(data_.size()) - 1;
        setCurrent(&data_.back());
        return &data_[first];
    }
    void Reserve(std::size_t n) { data_.reserve(n); }
    const T &At(std::size_t index) const { return data_[index]; }

private:
    // The block stays exactly as large as its elements (none at all when
    // empty), and the cursor's address no longer applies.
    void afterRemoval()
    {
        if (data_.empty())
            std::vector<T>().swap(data_);
        else
            data_.shrink_to_fit();
        noteFill();
        currentIndex_ = -1;
        setCurrent(nullptr);
    }

    void setCurrent(T *p)
    {
        current_ = p;
        if (target_)
            *target_ = p;
    }

    void noteFill()
    {
        if (!fillWord_)
            return;
        if (data_.empty())
            *fillWord_ &= ~fillBit_;
        else
            *fillWord_ |= fillBit_;
    }

    T **target_;
    uint64_t *fillWord_ = nullptr;
    uint64_t fillBit_ = 0;
    T *current_ = nullptr;
    std::vector<T> data_;
    int currentIndex_ = -1;
};
