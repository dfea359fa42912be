#pragma once
// Answers the reminder check's questions with the reminder dialog.

#include "reminders/ReminderAnswers.h"

class TTerminForm;

class TerminFormAnswers : public ReminderAnswers {
public:
    explicit TerminFormAnswers(TTerminForm &form) : form_(form) {}
    int Ask(const QString &heading, const QString &name, const QString &description) override;

private:
    TTerminForm &form_;
};
