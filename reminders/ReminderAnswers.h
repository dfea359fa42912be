#pragma once
// The question the reminder check asks for each due appointment. In the
// program the reminder dialog answers it; tests answer from a script.

#include "controls/ModalResults.h"

#include <QString>

// The reminder dialog's answers, by what they mean to the check.
namespace ReminderAnswer {
constexpr int Cancel = ModalResults::mrCancel; // "Cancel all": end the check, change nothing
constexpr int Ignore = ModalResults::mrIgnore; // "Don't remind anymore"
constexpr int Yes = ModalResults::mrYes;       // "Remind later"
} // namespace ReminderAnswer

class ReminderAnswers {
public:
    virtual ~ReminderAnswers() = default;
    // Shows one reminder and waits for the answer, one of ReminderAnswer;
    // any other value counts as "Remind later".
    virtual int Ask(const QString &heading, const QString &name, const QString &description) = 0;
};
