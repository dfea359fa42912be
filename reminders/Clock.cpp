#include "reminders/Clock.h"

#include "store/DateTimeValue.h"

#include <QDateTime>

double SystemClock::now()
{
    return LocalValueAt(QDateTime::currentMSecsSinceEpoch());
}

double SystemClock::LocalValueAt(qint64 msecsSinceEpoch)
{
    return DateTimeValue::FromDateTime(QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::LocalTime));
}
