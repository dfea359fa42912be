#pragma once
// The reminder check: walks every appointment in calendar order, asks about
// each one that is due and records the answer in the appointment.
//
// Runs on the check timer, on the "Check for deadlines now!" button and at
// the window's first showing. While a reminder is shown the event loop keeps
// running, so the timer may start another check; that one returns at once.
//
// Meanwhile others may change the store (a command, the calendar folder
// mirror): they may add, change and remove records, even of the same day,
// but leave the one on screen as it is (Held says where it is). The answer
// goes to that record wherever it then is.

#include "reminders/Clock.h"
#include "reminders/ReminderAnswers.h"
#include "store/DayGrid.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

class ReminderCheck {
public:
    struct Outcome {
        bool ran = false;       // false: another check was already running
        bool cancelled = false; // "Cancel all" ended the walk
        int asked = 0;          // reminders shown
        int held = 0;           // due, but held back (see Hold)
    };

    // Asked of every due record before its reminder is shown: true holds
    // it back for this check, unchanged and still due. The window holds
    // the appointment being typed into, whose reminder would otherwise
    // take the keyboard halfway through its name.
    using Hold = std::function<bool(const TTermin &)>;
    void SetHold(Hold hold) { hold_ = std::move(hold); }

    // All three must outlive the check object.
    ReminderCheck(DayGrid &grid, Clock &clock, ReminderAnswers &answers) : grid_(grid), clock_(clock), answers_(answers)
    {
    }
    ReminderCheck(const ReminderCheck &) = delete;
    ReminderCheck &operator=(const ReminderCheck &) = delete;

    Outcome CheckTermins();
    bool checking() const { return checking_; }

    struct HeldRecord {
        int year = 0, month = 0, day = 0;
        uint32_t index = 0; // its place in its day now
    };
    // The record whose reminder is open; nothing when none is, or when the
    // record has gone.
    std::optional<HeldRecord> Held() const;

private:
    // Walks one day; false when the user answered "Cancel all".
    bool checkDay(TTerminDay &slot, int year, int month, int day, double date, double now, Outcome &outcome);

    struct Asking {
        HeldRecord at;   // where it was when last looked up
        uint64_t hash{}; // RecordHash: it is the record that still has it
    };

    DayGrid &grid_;
    Clock &clock_;
    ReminderAnswers &answers_;
    Hold hold_;
    bool checking_ = false;
    std::optional<Asking> asking_;
};
