#include "reminders/TerminFormOnDemand.h"

#include "reminders/TerminFUnit.h"
#include "reminders/TerminFormAnswers.h"

#include <utility>

TerminFormOnDemand::TerminFormOnDemand(QWidget *owner, std::function<void(QDialog &)> made)
    : owner_(owner), made_(std::move(made))
{
}

TerminFormOnDemand::~TerminFormOnDemand() = default;

int TerminFormOnDemand::Ask(const QString &heading, const QString &name, const QString &description)
{
    if (!form_) {
        form_ = std::make_unique<TTerminForm>(owner_);
        if (made_)
            made_(*form_);
    }
    return TerminFormAnswers(*form_).Ask(heading, name, description);
}
