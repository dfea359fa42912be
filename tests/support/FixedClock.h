#pragma once
// A clock for tests: it shows whatever it was set to, so each rule can be
// checked at an exact instant, and counts how often it was read.

#include "reminders/Clock.h"

class FixedClock : public Clock {
public:
    explicit FixedClock(double value = 0) : value_(value) {}

    double now() override
    {
        ++reads_;
        const double v = value_;
        value_ += step_;
        return v;
    }

    void set(double value) { value_ = value; }
    // Moves the clock on by `step` after each reading, so a test can tell
    // whether a run read it more than once.
    void setStepPerRead(double step) { step_ = step; }
    int reads() const { return reads_; }

private:
    double value_;
    double step_ = 0;
    int reads_ = 0;
};
