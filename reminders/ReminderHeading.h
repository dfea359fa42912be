#pragma once
// The first line of a reminder: "At <date> at <time> o'clock", or without
// "o'clock" where the time says AM or PM; in another language as it says so.

#include "platform/locale/LocaleTexts.h"

#include <QString>

// `appointment` is the appointment's date-time value; its date is written
// in the short date format and its time in the long time format.
QString ReminderHeading(double appointment, const LocaleFormats &formats = LocaleTexts::Current());
