#pragma once
// The appointment a person is looking at, remembered across a change of
// the store that moves or replaces its records (a backup copied over the
// file, another program's save): found again by its contents, never by its
// row number, which may hold another appointment by then.

#include "store/Termin.h"

#include <cstdint>
#include <string>

class TTerminDay;

class FollowedTermin {
public:
    FollowedTermin() = default;
    explicit FollowedTermin(const TTermin &t);

    bool valid() const { return valid_; }
    // The row of `day` holding this appointment: the one equal in every
    // field, else the only one with the same name and time (an older copy
    // of it, reminded at another moment or described otherwise); -1 when
    // there is no such row or several are equally close.
    int RowIn(const TTerminDay &day) const;

private:
    bool valid_ = false;
    uint64_t hash_ = 0;
    std::string name_;
    double time_ = 0;
};
