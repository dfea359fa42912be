#include "store/ical/RecordFields.h"

#include <QList>

#include <charconv>

#include <cmath>

namespace Ical {

const char *const ExactProperty = "X-KALVIX-EXACT";
const char *const DoneProperty = "X-KALVIX-DONE";
const char *const NameBreaksProperty = "X-KALVIX-NAME-BREAKS";
const char *const DescriptionBreaksProperty = "X-KALVIX-DESCRIPTION-BREAKS";
const char *const OwnAlarmProperty = "X-KALVIX-ALARM";

namespace {
// An iCalendar duration is a signed count of seconds in libical's int.
constexpr long long MaxDurationSeconds = 2147483647LL;

QByteArray number(double v)
{
    // The shortest text that reads back as the same double (-0, inf and
    // nan included), whatever the C locale's decimal point.
    char buf[32];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, v);
    return QByteArray(buf, static_cast<qsizetype>(r.ptr - buf));
}

bool parseNumber(const char *first, const char *last, double &v)
{
    if (first != last && *first == '+')
        ++first;
    const std::from_chars_result r = std::from_chars(first, last, v);
    return r.ec == std::errc() && r.ptr == last;
}
} // namespace

QByteArray FormatExact(const ExactValues &v)
{
    return "TIME=" + number(v.time) + ";FIRST=" + number(v.first) + ";REPEAT=" + number(v.repeat)
        + ";LAST=" + number(v.last);
}

std::optional<ExactValues> ParseExact(const QByteArray &text)
{
    ExactValues v;
    int seen = 0;
    for (const QByteArray &part : text.split(';')) {
        const qsizetype eq = part.indexOf('=');
        if (eq <= 0)
            return std::nullopt;
        const QByteArray key = part.left(eq).trimmed().toUpper();
        double value = 0;
        if (!parseNumber(part.constData() + eq + 1, part.constData() + part.size(), value))
            return std::nullopt;
        if (key == "TIME")
            v.time = value, seen |= 1;
        else if (key == "FIRST")
            v.first = value, seen |= 2;
        else if (key == "REPEAT")
            v.repeat = value, seen |= 4;
        else if (key == "LAST")
            v.last = value, seen |= 8;
    }
    if (seen != 15)
        return std::nullopt;
    return v;
}

long long DurationSeconds(double days)
{
    if (std::isnan(days))
        return 0;
    const double s = days * 86400.0;
    if (s >= static_cast<double>(MaxDurationSeconds))
        return MaxDurationSeconds;
    if (s <= -static_cast<double>(MaxDurationSeconds))
        return -MaxDurationSeconds;
    return std::llround(s);
}

bool WritesRepeat(double first, double repeat, int *count)
{
    const long long f = DurationSeconds(first), r = DurationSeconds(repeat);
    if (r <= 0 || f < r)
        return false;
    if (count)
        *count = static_cast<int>(std::min<long long>(f / r, 2147483647LL));
    return true;
}

bool WritesAcknowledged(double lastReminded)
{
    // Between 1 January 1900 and the end of 9999: ACKNOWLEDGED is a UTC
    // date-time with a four-digit year.
    return std::isfinite(lastReminded) && lastReminded != 0 && lastReminded >= 2 && lastReminded < 2958466;
}

bool SameSecond(double a, long long seconds)
{
    return std::isfinite(a) && std::fabs(a * 86400.0 - static_cast<double>(seconds)) < 0.5;
}

} // namespace Ical
