#include "reminders/ReminderCheck.h"

#include "reminders/DueDecision.h"
#include "reminders/ReminderHeading.h"
#include "store/DateTimeValue.h"

#include <algorithm>

namespace {
// Clears the checking flag however the walk ends, also when showing a
// reminder throws: a flag left set would silence every later check.
class CheckingFlag {
public:
    explicit CheckingFlag(bool &flag) : flag_(flag) { flag_ = true; }
    ~CheckingFlag() { flag_ = false; }
    CheckingFlag(const CheckingFlag &) = delete;
    CheckingFlag &operator=(const CheckingFlag &) = delete;

private:
    bool &flag_;
};
} // namespace

ReminderCheck::Outcome ReminderCheck::CheckTermins()
{
    Outcome outcome;
    if (checking_)
        return outcome;
    CheckingFlag flag(checking_);
    outcome.ran = true;

    // One reading for the whole check: every comparison and every stored
    // answer time uses it, however long the user takes to answer.
    const double now = clock_.now();

    // The days of the grid are consecutive, so the date value just counts up.
    double date = DateTimeValue::EncodeDate(DayGrid::FirstYear, 1, 1);
    for (int y = DayGrid::FirstYear; y <= DayGrid::LastYear; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1, days = DayGrid::DaysInMonth(y, m); d <= days; ++d, date += 1) {
                TTerminDay &slot = grid_.Slot(y, m, d);
                if (slot.records.Count() != 0 && !checkDay(slot, date, now, outcome)) {
                    outcome.cancelled = true;
                    return outcome;
                }
            }
    return outcome;
}

bool ReminderCheck::checkDay(TTerminDay &slot, double date, double now, Outcome &outcome)
{
    const int count = static_cast<int>(slot.records.Count());
    // Every visited record becomes the day's current one. Nothing can look
    // at the cursor between two records except while a reminder is open, so
    // it is moved for the record being asked about and, at the end, to the
    // last record visited; the plain reads in between keep the walk cheap.
    for (int i = 0; i < count; ++i) {
        if (static_cast<uint32_t>(i) >= slot.records.Count()) // the day lost records meanwhile
            return true;
        const TTermin &peek = slot.records.At(static_cast<size_t>(i));
        const double appointment = date + peek.Time;
        if (!IsDue(peek, appointment, now))
            continue;

        const TTermin *r = grid_.RecordAt(slot, i);
        const int answer = answers_.Ask(ReminderHeading(appointment), QString::fromLatin1(r->Name.c_str()),
                                        QString::fromLatin1(r->Description.c_str()));
        ++outcome.asked;
        if (answer == ReminderAnswer::Cancel)
            return false;

        // The event loop ran while the reminder was open, and adding a record
        // may have moved the day's records: look the record up again.
        TTermin *answered = grid_.RecordAt(slot, i);
        if (!answered)
            return true;
        if (answer == ReminderAnswer::Ignore)
            answered->Done = true;
        answered->LastReminded = now;
    }
    grid_.RecordAt(slot, std::min(count, static_cast<int>(slot.records.Count())) - 1);
    return true;
}
