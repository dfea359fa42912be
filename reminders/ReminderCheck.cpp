#include "reminders/ReminderCheck.h"

#include "reminders/DueDecision.h"
#include "reminders/ReminderHeading.h"
#include "store/CodePage.h"
#include "store/DateTimeValue.h"
#include "store/StoreHashes.h"

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
                    && !checkDay(grid_.Slot(y, m, d), y, m, d, date, now, outcome)) {
                    outcome.cancelled = true;
                    return outcome;
                }
            }
    }
    return outcome;
}

std::optional<ReminderCheck::HeldRecord> ReminderCheck::Held() const
{
    if (!checking_ || !asking_)
        return std::nullopt;
    HeldRecord h = asking_->at;
    const TTerminDay &slot = std::as_const(grid_).Slot(h.year, h.month, h.day);
    const TTermin *records = slot.records.Data();
    const uint32_t count = slot.records.Count();
    // Where it was, unless records before it went or it went itself; an
    // identical twin earlier in the day is as good an answer as itself.
    if (h.index < count && RecordHash(records[h.index]) == asking_->hash)
        return h;
    for (h.index = 0; h.index < count; ++h.index)
        if (RecordHash(records[h.index]) == asking_->hash)
            return h;
    return std::nullopt;
}

bool ReminderCheck::checkDay(TTerminDay &slot, int year, int month, int day, double date, double now, Outcome &outcome)
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
        asking_ = Asking{HeldRecord{year, month, day, static_cast<uint32_t>(i)}, RecordHash(*r)};
        const int answer = answers_.Ask(ReminderHeading(appointment), DecodeAnsi(r->Name.view()),
                                        DecodeAnsi(r->Description.view()));
        const std::optional<HeldRecord> held = Held();
        asking_.reset();
        ++outcome.asked;
        if (answer == ReminderAnswer::Cancel)
            return false;

        // The event loop ran while the reminder was open: the day may have
        // gained or lost records, or moved them by growing. Look everything
        // up again; the walk goes on after the answered record.
        if (!held)
            return true;
        i = static_cast<int>(held->index);
        records = slot.records.Data();
        available = std::min(count, static_cast<int>(slot.records.Count()));
        TTermin *answered = grid_.RecordAt(slot, i);
        if (answer == ReminderAnswer::Ignore)
            answered->Done = true;
        answered->LastReminded = now;
        grid_.NoteChange();
    }
    grid_.RecordAt(slot, available - 1);
    return true;
}
