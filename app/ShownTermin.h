#pragma once
// An appointment as the editors of the detail panel show it, and the way
// back from what they hold to the stored values.
//
// Showing a record must never change it, so an editor's handler stores only
// when the editor holds something other than the record as shown. The
// comparison is made on the shown form because the editors cannot show
// everything a record may hold: a time has seconds, a description may break
// its lines with CR LF or a lone CR (the memo has only one kind of line
// break), a duration's days may lie outside an int.

#include "store/Termin.h"

#include <QString>

struct ShownDuration {
    int days = 0, hours = 0, minutes = 0;
    friend bool operator==(const ShownDuration &a, const ShownDuration &b)
    {
        return a.days == b.days && a.hours == b.hours && a.minutes == b.minutes;
    }
    friend bool operator!=(const ShownDuration &a, const ShownDuration &b) { return !(a == b); }
};

struct ShownTime {
    int hour = 0, minute = 0;
    friend bool operator==(const ShownTime &a, const ShownTime &b) { return a.hour == b.hour && a.minute == b.minute; }
    friend bool operator!=(const ShownTime &a, const ShownTime &b) { return !(a == b); }
};

// The editors show a text whole only while they can lay it out at once.
// Longer texts only come from other writers or damage; they are shown cut
// short, marked with "…" and read-only, so they stay as stored.
namespace EditableLength {
// A line editor lays out its whole text on every change: 100,000
// characters take a few hundredths of a second, ten million some seconds.
constexpr int Name = 100000;
// The memo wraps each line, at a cost growing faster than the line's
// length when it has no spaces; lines are cheap.
constexpr int DescriptionLine = 32767;
constexpr int Description = 1000000;
} // namespace EditableLength

// What the fields of a time or a duration show in place of a value they
// cannot show, and why; no note when they show the value itself.
struct FixedParts {
    QString days, hours, minutes;
    QString note;
};

struct ShownTermin {
    QString name;
    QString description; // line breaks as "\n"
    QString nameNote;    // why it is shown read-only; empty: it can be edited
    QString descriptionNote;
    bool done = false;
    ShownTime time;
    ShownDuration firstRemind;
    ShownDuration repeatInterval;
    FixedParts timeFixed, firstRemindFixed, repeatIntervalFixed;

    static ShownTermin Of(const TTermin &t);
};

namespace ShownText {

// Appointment texts are 8-bit, in the file's code page.
QString Name(const TText &stored);
TText StoredName(const QString &shown);

// The name as the line editor shows it; `note` tells why it is not all of
// it (empty when it is).
QString Name(const TText &stored, QString *note);

// CR LF, a lone CR and a lone LF each become one "\n".
QString Description(const TText &stored);
// The description as the memo shows it, cut short where it is too long
// or at a NUL; `note` as for the name.
QString Description(const TText &stored, QString *note);
// Every line break is stored as CR LF, as the file's descriptions have them.
TText StoredDescription(const QString &shown);

} // namespace ShownText

ShownTime ShowTime(double value);
ShownDuration ShowDuration(double value);
// The note and parts for a time of day (no days) or a duration the fields
// cannot show; an empty FixedParts when they can.
FixedParts FixedTime(double value);
FixedParts FixedDuration(double value);
// Whole days plus the time of day made of the hours and minutes.
double DurationValue(const ShownDuration &shown);
