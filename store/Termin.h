#pragma once
// One appointment. It has no date of its own: the day slot holding it is
// its date. Times and durations are date-time values (days as a double).

#include "store/Text.h"

struct TTermin {
    double FirstRemind = 0;    // lead time of the first reminder, in days
    double RepeatInterval = 0; // time between reminders, in days
    double LastReminded = 0;   // date-time of the last answer; 0 = never
    double Time = 0;           // time of day as a fraction of a day
    // "Don't remind anymore" when nonzero. The byte is kept as read: a file
    // written by another program may hold any nonzero value there.
    unsigned char Done = 0;
    TText Name;        // 8-bit text, ends at its first NUL
    TText Description; // 8-bit text, may hold line breaks
};
