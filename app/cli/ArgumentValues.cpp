#include "app/cli/ArgumentValues.h"

#include "KalvixProduct.h"
#include "store/DateTimeValue.h"
#include "store/DayGrid.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace ArgumentValues {

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Sums a duration from its parts, refusing anything beyond the limit so
// no later arithmetic can overflow.
Parsed<double> fromParts(const QString &text, qint64 weeks, qint64 days, qint64 hours, qint64 minutes, qint64 seconds)
{
    const qint64 limit = qint64(MaxDurationDays) * 86400;
    const qint64 total = (((weeks * 7 + days) * 24 + hours) * 60 + minutes) * 60 + seconds;
    if (weeks > MaxDurationDays || days > MaxDurationDays || hours > limit / 3600 || minutes > limit / 60
        || seconds > limit || total > limit)
        return Parsed<double>::fail(QCoreApplication::translate("ArgumentValues", "duration %1 is longer than %2 days")
                                        .arg(quoted(text))
                                        .arg(MaxDurationDays));
    // Whole days plus the time of day of the rest, as the reminder editors
    // combine their day, hour and minute fields.
    const qint64 wholeDays = total / 86400;
    const qint64 rest = total % 86400;
    return Parsed<double>::ok(double(wholeDays)
                              + DateTimeValue::EncodeTime(int(rest / 3600), int(rest / 60 % 60), int(rest % 60)));
}

qint64 number(const QString &digits)
{
    // At most 9 digits by the patterns below, so this cannot overflow.
    return digits.isEmpty() ? 0 : digits.toLongLong();
}

} // namespace

Parsed<QDate> Date(const QString &text, const QDate &today)
{
    const QString t = text.trimmed().toLower();
    QDate date;
    if (t == QLatin1String("today")) {
        date = today;
    } else if (t == QLatin1String("tomorrow")) {
        date = today.addDays(1);
    } else {
        static const QRegularExpression shape(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
        const QRegularExpressionMatch m = shape.match(t);
        if (!m.hasMatch())
            return Parsed<QDate>::fail(
                QCoreApplication::translate("ArgumentValues",
                                            "%1 is not a date; write it as 2026-12-24, today or tomorrow")
                    .arg(quoted(text)));
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (!date.isValid())
            return Parsed<QDate>::fail(
                QCoreApplication::translate("ArgumentValues", "%1 is not a day of the calendar").arg(quoted(text)));
    }
    if (!date.isValid() || !DayGrid::IsValidDay(date.year(), date.month(), date.day()))
        return Parsed<QDate>::fail(
            QCoreApplication::translate("ArgumentValues",
                                        "the date %1 is outside 2000-01-01 to 2100-12-31, the days %2 keeps "
                                        "appointments for")
                .arg(quoted(date.isValid() ? date.toString(Qt::ISODate) : text), QStringLiteral(KALVIX_NAME)));
    return Parsed<QDate>::ok(date);
}

bool LooksLikeTime(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{1,2}:\\d{1,2}(:\\d{1,2})?$"));
    return shape.match(text.trimmed()).hasMatch();
}

Parsed<double> TimeOfDay(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch m = shape.match(text.trimmed());
    if (!m.hasMatch())
        return Parsed<double>::fail(
            QCoreApplication::translate("ArgumentValues", "%1 is not a time of day; write it as 18:00")
                .arg(quoted(text)));
    const int h = m.captured(1).toInt(), min = m.captured(2).toInt(), s = static_cast<int>(number(m.captured(3)));
    if (h > 23 || min > 59 || s > 59)
        return Parsed<double>::fail(
            QCoreApplication::translate(
                "ArgumentValues", "%1 is not a valid time: hours go from 0 to 23, minutes and seconds from 0 to 59")
                .arg(quoted(text)));
    return Parsed<double>::ok(DateTimeValue::EncodeTime(h, min, s));
}

Parsed<double> Duration(const QString &text)
{
    const QString t = text.trimmed();
    if (t == QLatin1String("0"))
        return Parsed<double>::ok(0.0);
    static const QRegularExpression plain(
        QStringLiteral("^(?:(\\d{1,9})w)?(?:(\\d{1,9})d)?(?:(\\d{1,9})h)?(?:(\\d{1,9})m)?(?:(\\d{1,9})s)?$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression iso(
        QStringLiteral("^P(?:(\\d{1,9})W)?(?:(\\d{1,9})D)?(?:T(?:(\\d{1,9})H)?(?:(\\d{1,9})M)?(?:(\\d{1,9})S)?)?$"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpression *re : {&plain, &iso}) {
        const QRegularExpressionMatch m = re->match(t);
        if (!m.hasMatch())
            continue;
        bool any = false;
        for (int i = 1; i <= 5; ++i)
            any = any || !m.captured(i).isEmpty();
        // "P", "PT" and "" name no amount at all.
        if (!any || t.endsWith(QLatin1Char('T'), Qt::CaseInsensitive))
            break;
        return fromParts(text, number(m.captured(1)), number(m.captured(2)), number(m.captured(3)),
                         number(m.captured(4)), number(m.captured(5)));
    }
    return Parsed<double>::fail(
        QCoreApplication::translate("ArgumentValues",
                                    "%1 is not a duration; write it as 3d, 2h30m, 1d2h30m or P1DT2H30M")
            .arg(quoted(text)));
}

Parsed<Step> Every(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("day"))
        return Parsed<Step>::ok(Step{Step::Days, 1});
    if (t == QLatin1String("week"))
        return Parsed<Step>::ok(Step{Step::Days, 7});
    if (t == QLatin1String("month"))
        return Parsed<Step>::ok(Step{Step::Months, 1});
    if (t == QLatin1String("year"))
        return Parsed<Step>::ok(Step{Step::Months, 12});
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,5})([dw])$"));
    const QRegularExpressionMatch m = shape.match(t);
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n >= 1)
            return Parsed<Step>::ok(Step{Step::Days, m.captured(2) == QLatin1String("w") ? n * 7 : n});
    }
    return Parsed<Step>::fail(QCoreApplication::translate(
                                  "ArgumentValues",
                                  "%1 is not a repetition; write day, week, month, year, or a number of days or weeks "
                                  "such as 10d or 2w")
                                  .arg(quoted(text)));
}

QString DurationText(double days)
{
    const DateTimeValue::Parts p = DateTimeValue::Split(days);
    // Beyond any clock (another program wrote it, or a damaged file): the
    // value as it stands, never a "0m" that would read as "at once".
    if (!p.valid)
        return std::isfinite(days) ? QString::number(days, 'g', 17) + QLatin1Char('d')
                                   : QString::number(days).toLower();
    QString out;
    if (p.days)
        out += QString::number(p.days) + QLatin1Char('d');
    if (p.hour)
        out += QString::number(p.hour) + QLatin1Char('h');
    if (p.minute)
        out += QString::number(p.minute) + QLatin1Char('m');
    if (p.second)
        out += QString::number(p.second) + QLatin1Char('s');
    return out.isEmpty() ? QStringLiteral("0m") : out;
}

} // namespace ArgumentValues
