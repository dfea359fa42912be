#include "reminders/TerminFormAnswers.h"

#include "reminders/TerminFUnit.h"

int TerminFormAnswers::Ask(const QString &heading, const QString &name, const QString &description)
{
    form_.SetHeading(heading);
    form_.SetName(name);
    form_.SetDescription(description);
    return form_.ShowModal();
}
