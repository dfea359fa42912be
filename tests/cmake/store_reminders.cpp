// Must not compile against the store alone: the reminder check is a layer
// above it.
#include "reminders/ReminderCheck.h"
