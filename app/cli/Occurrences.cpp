#include "app/cli/Occurrences.h"

#include "store/DayGrid.h"

#include <QCoreApplication>

namespace Occurrences {

namespace {
const QDate LastDay(DayGrid::LastYear, 12, 31);
}

QDate Nth(const QDate &first, const ArgumentValues::Step &step, int k)
{
    if (step.unit == ArgumentValues::Step::Months)
        return first.addMonths(qint64(k) * step.count); // clamps to the month's last day
    return first.addDays(qint64(k) * step.count);
}

Parsed<QList<QDate>> Until(const QDate &first, const ArgumentValues::Step &step, const QDate &until)
{
    if (until < first)
        return Parsed<QList<QDate>>::fail(
            QCoreApplication::translate("Occurrences", "--until %1 comes before the first day %2")
                .arg(until.toString(Qt::ISODate), first.toString(Qt::ISODate)));
    QList<QDate> days;
    for (int k = 0;; ++k) {
        const QDate d = Nth(first, step, k);
        if (d > until || d > LastDay)
            break;
        days.append(d);
    }
    return Parsed<QList<QDate>>::ok(days);
}

Parsed<QList<QDate>> Count(const QDate &first, const ArgumentValues::Step &step, int count)
{
    if (count < 1)
        return Parsed<QList<QDate>>::fail(QCoreApplication::translate("Occurrences", "--count must be at least 1"));
    QList<QDate> days;
    for (int k = 0; k < count; ++k) {
        const QDate d = Nth(first, step, k);
        if (d > LastDay)
            return Parsed<QList<QDate>>::fail(
                QCoreApplication::translate(
                    "Occurrences",
                    "--count %1 runs past 2100-12-31, the last day Kalvix keeps appointments for; "
                    "only %2 fit")
                    .arg(count)
                    .arg(k));
        days.append(d);
    }
    return Parsed<QList<QDate>>::ok(days);
}

QByteArray Rule(const QDate &first, const ArgumentValues::Step &step, int count)
{
    QByteArray rule;
    int interval = step.count;
    const int day = first.day();
    // A day some months lack falls on their last day: the last of the
    // month days up to it that the month has.
    QByteArray lastDays;
    for (int d = 28; d <= day; ++d)
        lastDays += (d > 28 ? "," : "") + QByteArray::number(d);
    const QByteArray clamp = ";BYMONTHDAY=" + lastDays + ";BYSETPOS=-1";
    if (step.unit == ArgumentValues::Step::Days) {
        const bool weeks = interval % 7 == 0;
        rule = weeks ? "FREQ=WEEKLY" : "FREQ=DAILY";
        interval = weeks ? interval / 7 : interval;
    } else if (interval % 12 == 0) {
        interval /= 12;
        rule = "FREQ=YEARLY";
        if (first.month() == 2 && day == 29)
            rule += ";BYMONTH=2" + clamp;
    } else {
        rule = "FREQ=MONTHLY";
        if (day == 31)
            rule += ";BYMONTHDAY=-1";
        else if (day > 28)
            rule += clamp;
    }
    if (interval > 1)
        rule += ";INTERVAL=" + QByteArray::number(interval);
    return rule + ";COUNT=" + QByteArray::number(count);
}

} // namespace Occurrences
