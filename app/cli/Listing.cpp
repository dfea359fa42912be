#include "app/cli/Listing.h"

#include "app/cli/ArgumentValues.h"
#include "reminders/DueDecision.h"
#include "store/CodePage.h"
#include "store/ical/CodePageBridge.h"
#include "store/DateTimeValue.h"

#include <QCoreApplication>
#include <QStringBuilder>

#include <cstdio>

namespace Listing {

namespace {

// Date-time values are local wall-clock values already: formatting them
// needs no time-zone conversion (which would cost more than everything
// else of a long listing together).
QString stamp(double value, char separator, bool seconds)
{
    const DateTimeValue::Parts p = DateTimeValue::Split(value);
    const QDate d = DateTimeValue::ToDate(value);
    char text[40];
    const int n = seconds ? std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d:%02d", d.year(), d.month(),
                                          d.day(), separator, p.hour, p.minute, p.second)
                          : std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d", d.year(), d.month(), d.day(),
                                          separator, p.hour, p.minute);
    return QString::fromLatin1(text, qMax(0, qMin(n, int(sizeof text) - 1)));
}

QString stamp(double value)
{
    return stamp(value, ' ', false);
}

QString isoStamp(double value)
{
    return value == 0 ? QString() : stamp(value, 'T', true);
}

QString clockTime(double time, bool seconds)
{
    const DateTimeValue::Parts p = DateTimeValue::Split(time);
    char text[16];
    const int n = seconds ? std::snprintf(text, sizeof text, "%02d:%02d:%02d", p.hour, p.minute, p.second)
                          : std::snprintf(text, sizeof text, "%02d:%02d", p.hour, p.minute);
    return QString::fromLatin1(text, qMax(0, qMin(n, int(sizeof text) - 1)));
}

QString text(const TText &t)
{
    return Ical::DecodeText(t);
}

// The text for scripts: a line break (CR LF, as the editor stores it, or a
// lone LF) is one "\n", a lone CR stays a CR, so it is written as "\r".
// Every stored byte is there, those after a NUL too (written as "\0"):
// the window shows the text before it, but the file holds them all.
QString exact(const TText &t)
{
    return DecodeAnsi(t.stored()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString escaped(QString s)
{
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    s.replace(QChar(0), QLatin1String("\\0"));
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
    // The word is for programs reading the tab-separated list and stays
    // English; the phrase is for people.
    if (t.Done)
        return {QStringLiteral("done"), QCoreApplication::translate("Listing", "no more reminders")};
    if (at < now)
        return {QStringLiteral("passed"), QCoreApplication::translate("Listing", "passed")};
    if (IsDue(t, at, now))
        return {QStringLiteral("due"), QCoreApplication::translate("Listing", "reminder due")};
    const double opens = at - t.FirstRemind;
    if (opens > now)
        return {QStringLiteral("waiting"),
                QCoreApplication::translate("Listing", "first reminder %1").arg(stamp(opens))};
    return {QStringLiteral("reminded"),
            QCoreApplication::translate("Listing", "reminded %1, next %2")
                .arg(stamp(t.LastReminded), stamp(qMin(t.LastReminded + t.RepeatInterval, at)))};
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
                out += date % tab % clockTime(t.Time, true) % tab % escaped(exact(t.Name)) % tab % state.word % tab
                    % isoStamp(t.LastReminded) % tab % ArgumentValues::DurationText(t.FirstRemind) % tab
                    % ArgumentValues::DurationText(t.RepeatInterval) % tab % escaped(exact(t.Description))
                    % QLatin1Char('\n');
            }
        }
    }
    return out;
}

} // namespace Listing
