#pragma once
// The reminder check: walks every appointment in calendar order, asks about
// each one that is due and records the answer in the appointment.
//
// Runs on the check timer, on the "Check for deadlines now!" button and at
// the window's first showing. While a reminder is shown the event loop keeps
// running, so the timer may start another check; that one returns at once.

#include "reminders/Clock.h"
#include "reminders/ReminderAnswers.h"
#include "store/DayGrid.h"

#include <functional>
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

private:
    // Walks one day; false when the user answered "Cancel all".
    bool checkDay(TTerminDay &slot, double date, double now, Outcome &outcome);

    DayGrid &grid_;
    Clock &clock_;
    ReminderAnswers &answers_;
    Hold hold_;
    bool checking_ = false;
};
