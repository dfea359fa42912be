#include "reminders/ReminderHeading.h"

#include "store/DateTimeValue.h"

QString ReminderHeading(double appointment, const LocaleFormats &formats)
{
    // Date and time come from one split of the value, so a time that rounds
    // up to midnight moves the date along with it.
    const DateTimeValue::Parts p = DateTimeValue::Split(appointment);
    const QDate date = DateTimeValue::ToDate(appointment);
    const QTime time(p.hour, p.minute, p.second, p.msec);
    return QStringLiteral("At ") + formats.shortDate(date) + QStringLiteral(" at ") + formats.longTime(time)
        + QStringLiteral(" o'clock");
}
