#include "reminders/MissedAppointments.h"

#include "reminders/DueDecision.h"
#include "platform/locale/LocaleTexts.h"
#include "store/CodePage.h"

#include <QCoreApplication>

#include <utility>

std::vector<MissedAppointment> PassedUnanswered(const DayGrid &grid, double since, double now)
{
    std::vector<MissedAppointment> missed;
    if (!DateTimeValue::IsUsable(since) || !DateTimeValue::IsUsable(now) || since >= now)
        return missed;
    const QDate last = DateTimeValue::ToDate(now);
    QDate day = std::max(DateTimeValue::ToDate(since), QDate(DayGrid::FirstYear, 1, 1));
    for (; day <= last && day.year() <= DayGrid::LastYear; day = day.addDays(1)) {
        const TTerminDay &slot = grid.Slot(day.year(), day.month(), day.day());
        const double date = DateTimeValue::EncodeDate(day.year(), day.month(), day.day());
        for (uint32_t i = 0; i < slot.records.Count(); ++i) {
            const TTermin &r = slot.records.Data()[i];
            const double when = date + r.Time;
            if (when > since && when <= now && IsDue(r, when, when))
                missed.push_back({when, DecodeAnsi(r.Name.view())});
        }
    }
    return missed;
}

QString MissedHeading(size_t count)
{
    return QCoreApplication::translate("MissedAppointments", "Passed without a reminder (%1):").arg(count);
}

QString MissedList(const std::vector<MissedAppointment> &missed, const QString &separator)
{
    QStringList which;
    for (const MissedAppointment &m : missed) {
        const QDateTime at = DateTimeValue::ToDateTime(m.when);
        which << QStringLiteral("%1 %2 %3")
                     .arg(LocaleTexts::ShortDate(at.date()), LocaleTexts::LongTime(at.time()), m.name);
    }
    return which.join(separator);
}
