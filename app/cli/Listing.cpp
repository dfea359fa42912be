#include "app/cli/Listing.h"

#include "app/cli/ArgumentValues.h"
#include "reminders/DueDecision.h"
#include "store/CodePage.h"
#include "store/DateTimeValue.h"

#include <QStringBuilder>

namespace Listing {

namespace {

QString stamp(double value)
{
    const QDateTime t = DateTimeValue::ToDateTime(value);
    return t.date().toString(Qt::ISODate) + QLatin1Char(' ') + t.time().toString(QStringLiteral("HH:mm"));
}

QString isoStamp(double value)
{
    return value == 0 ? QString() : DateTimeValue::ToDateTime(value).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QString clockTime(double time, bool seconds)
{
    const DateTimeValue::Parts p = DateTimeValue::Split(time);
    return QTime(p.hour, p.minute, p.second).toString(seconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

QString text(const TText &t)
{
    return DecodeAnsi(std::string_view(t.data(), t.size()));
}

QString escaped(QString s)
{
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return s;
}

// A name for a terminal line: line breaks and tabs would break the
// one-line-per-appointment promise.
QString oneLine(QString s)
{
    for (QChar &c : s)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return s;
}

} // namespace

ReminderState StateOf(const TTermin &t, const QDate &day, double now)
{
    const double at = DateTimeValue::EncodeDate(day.year(), day.month(), day.day()) + t.Time;
    if (t.Done)
        return {QStringLiteral("done"), QStringLiteral("no more reminders")};
    if (at < now)
        return {QStringLiteral("passed"), QStringLiteral("passed")};
    if (IsDue(t, at, now))
        return {QStringLiteral("due"), QStringLiteral("reminder due")};
    const double opens = at - t.FirstRemind;
    if (opens > now)
        return {QStringLiteral("waiting"), QStringLiteral("first reminder ") + stamp(opens)};
    return {QStringLiteral("reminded"), QStringLiteral("reminded ") + stamp(t.LastReminded) + QStringLiteral(", next ")
                                            + stamp(qMin(t.LastReminded + t.RepeatInterval, at))};
}

QString Lines(const DayGrid &grid, const QDate &from, const QDate &to, double now, Format format)
{
    QString out;
    for (QDate day = from; day <= to; day = day.addDays(1)) {
        if (!DayGrid::IsValidDay(day.year(), day.month(), day.day()))
            continue;
        const TTerminDay &slot = grid.Slot(day.year(), day.month(), day.day());
        const QString date = day.toString(Qt::ISODate);
        for (uint32_t i = 0; i < slot.records.Count(); ++i) {
            const TTermin &t = slot.records.At(i);
            const ReminderState state = StateOf(t, day, now);
            if (format == Format::Text) {
                const bool seconds = DateTimeValue::Split(t.Time).second != 0;
                out += date % QLatin1String("  ") % clockTime(t.Time, seconds) % QLatin1String("  ")
                    % oneLine(text(t.Name)) % QLatin1String("  (") % state.phrase % QLatin1String(")\n");
            } else {
                const QChar tab = QLatin1Char('\t');
                out += date % tab % clockTime(t.Time, true) % tab % escaped(text(t.Name)) % tab % state.word % tab
                    % isoStamp(t.LastReminded) % tab % ArgumentValues::DurationText(t.FirstRemind) % tab
                    % ArgumentValues::DurationText(t.RepeatInterval) % tab % escaped(text(t.Description))
                    % QLatin1Char('\n');
            }
        }
    }
    return out;
}

} // namespace Listing
