// Must not compile against the reminder check's core: the reminder dialog
// belongs to the widget library beside it.
#include "reminders/TerminFUnit.h"
