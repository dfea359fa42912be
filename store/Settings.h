#pragma once
// The program's three settings, stored at the end of the data file.

struct TSettings {
    int checkMinutes = 0;
    int checkSeconds = 30;
    bool startMinimized = false;

    bool operator==(const TSettings &o) const
    {
        return checkMinutes == o.checkMinutes && checkSeconds == o.checkSeconds && startMinimized == o.startMinimized;
    }
    bool operator!=(const TSettings &o) const { return !(*this == o); }

    // Brings values read from a file into what the editors can show: the
    // minutes field takes no negative numbers, the seconds field 0 to 59.
    TSettings clamped() const
    {
        TSettings s = *this;
        if (s.checkMinutes < 0)
            s.checkMinutes = 0;
        if (s.checkSeconds < 0)
            s.checkSeconds = 0;
        if (s.checkSeconds > 59)
            s.checkSeconds = 59;
        return s;
    }
};
