#pragma once
// The question the reminder check asks for each due appointment. In the
// program the reminder dialog answers it; tests answer from a script.

#include <QString>

namespace ReminderAnswer {
// The dialog's modal results.
constexpr int Cancel = 2; // "Cancel all": end the check, change nothing
constexpr int Ignore = 5; // "Don't remind anymore"
constexpr int Yes = 6;    // "Remind later"
} // namespace ReminderAnswer

class ReminderAnswers {
public:
    virtual ~ReminderAnswers() = default;
    // Shows one reminder and waits for the answer, one of ReminderAnswer;
    // any other value counts as "Remind later".
    virtual int Ask(const QString &heading, const QString &name, const QString &description) = 0;
};
