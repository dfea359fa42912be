#include "reminders/TerminFormOnDemand.h"

#include "reminders/TerminFUnit.h"
#include "reminders/TerminFormAnswers.h"

#include <utility>

TerminFormOnDemand::TerminFormOnDemand(std::function<void(QDialog &)> made) : made_(std::move(made)) {}

TerminFormOnDemand::~TerminFormOnDemand() = default;

int TerminFormOnDemand::Ask(const QString &heading, const QString &name, const QString &description)
{
    if (!form_) {
        form_ = std::make_unique<TTerminForm>();
        if (made_)
            made_(*form_);
    }
    return TerminFormAnswers(*form_).Ask(heading, name, description);
}
