#pragma once
// Answers the reminder check's questions with the reminder dialog, made when
// the first reminder is due rather than at start: most starts remind of
// nothing, and the dialog's controls and its font would only lengthen them.
// Once made, the dialog serves every later reminder of the run.

#include "reminders/ReminderAnswers.h"

#include <functional>
#include <memory>

class QDialog;
class QWidget;
class TTerminForm;

class TerminFormOnDemand : public ReminderAnswers {
public:
    // The dialog belongs to `owner` from the start: made while some other
    // box is open, it must not become that box's child and go with it.
    // `made` hears of the dialog once it exists, before it first shows.
    TerminFormOnDemand(QWidget *owner, std::function<void(QDialog &)> made);
    ~TerminFormOnDemand() override;
    int Ask(const QString &heading, const QString &name, const QString &description) override;
    // Null until the first reminder.
    TTerminForm *form() const { return form_.get(); }

private:
    QWidget *owner_;
    std::function<void(QDialog &)> made_;
    std::unique_ptr<TTerminForm> form_;
};
