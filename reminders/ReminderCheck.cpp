#include "reminders/ReminderCheck.h"

#include "reminders/DueDecision.h"
#include "reminders/ReminderHeading.h"
#include "store/CodePage.h"
#include "store/DateTimeValue.h"

#include <algorithm>
#include <utility>

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
    for (int y = DayGrid::FirstYear; y <= DayGrid::LastYear; ++y) {
        if (!grid_.YearMade(y)) {
            date += DayGrid::IsLeapYear(y) ? 366 : 365;
            continue;
        }
        for (int m = 1; m <= 12; ++m)
            for (int d = 1, days = DayGrid::DaysInMonth(y, m); d <= days; ++d, date += 1) {
                // Read first: an empty day's year need not be made.
                if (std::as_const(grid_).Slot(y, m, d).records.Count() != 0
                    && !checkDay(grid_.Slot(y, m, d), date, now, outcome)) {
                    outcome.cancelled = true;
                    return outcome;
                }
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
    // last record visited; plain reads in between keep the walk cheap.
    const TTermin *records = slot.records.Data();
    int available = count;
    for (int i = 0; i < available; ++i) {
        const double appointment = date + records[i].Time;
        if (!IsDue(records[i], appointment, now))
            continue;
        if (hold_ && hold_(records[i])) {
            ++outcome.held;
            continue;
        }

        const TTermin *r = grid_.RecordAt(slot, i);
        const int answer = answers_.Ask(ReminderHeading(appointment), DecodeAnsi(r->Name.view()),
                                        DecodeAnsi(r->Description.view()));
        ++outcome.asked;
        if (answer == ReminderAnswer::Cancel)
            return false;

        // The event loop ran while the reminder was open: the day may have
        // lost records, or moved them by growing. Look everything up again.
        records = slot.records.Data();
        available = std::min(count, static_cast<int>(slot.records.Count()));
        TTermin *answered = grid_.RecordAt(slot, i);
        if (!answered)
            return true;
        if (answer == ReminderAnswer::Ignore)
            answered->Done = true;
        answered->LastReminded = now;
        grid_.NoteChange();
    }
    grid_.RecordAt(slot, available - 1);
    return true;
}
