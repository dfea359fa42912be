#include "reminders/ReminderHeading.h"

#include "store/DateTimeValue.h"

#include <QCoreApplication>

QString ReminderHeading(double appointment, const LocaleFormats &formats)
{
    // Date and time come from one split of the value, so a time that rounds
    // up to midnight moves the date along with it.
    const DateTimeValue::Parts p = DateTimeValue::Split(appointment);
    const QDate date = DateTimeValue::ToDate(appointment);
    const QTime time(p.hour, p.minute, p.second, p.msec);
    // A time with its own AM/PM reads whole without "o'clock" after it.
    const QString heading = formats.twelveHour()
        //: Reminder heading when the time carries AM/PM: %1 the date, %2 the time ("11:59:00 PM").
        ? QCoreApplication::translate("ReminderHeading", "At %1 at %2")
        //: Reminder heading with a 24-hour time: %1 the date, %2 the time ("23:59:00").
        : QCoreApplication::translate("ReminderHeading", "At %1 at %2 o'clock");
    return heading.arg(formats.shortDate(date), formats.longTime(time));
}
