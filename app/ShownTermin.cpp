#include "app/ShownTermin.h"

#include "store/CodePage.h"
#include "store/DateTimeValue.h"

#include <climits>

namespace ShownText {

QString Name(const TText &stored)
{
    return DecodeAnsi(stored.view());
}

TText StoredName(const QString &shown)
{
    return TText(EncodeAnsi(shown));
}

QString Description(const TText &stored)
{
    QString text = Name(stored);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

TText StoredDescription(const QString &shown)
{
    QString text = shown;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return StoredName(text);
}

} // namespace ShownText

ShownTime ShowTime(double value)
{
    const DateTimeValue::Parts p = DateTimeValue::Split(value);
    return {p.hour, p.minute};
}

ShownDuration ShowDuration(double value)
{
    const DateTimeValue::Parts p = DateTimeValue::Split(value);
    const long long days = p.days < INT_MIN ? INT_MIN : p.days > INT_MAX ? INT_MAX : p.days;
    return {static_cast<int>(days), p.hour, p.minute};
}

double DurationValue(const ShownDuration &shown)
{
    return shown.days + DateTimeValue::EncodeTime(shown.hours, shown.minutes);
}

ShownTermin ShownTermin::Of(const TTermin &t)
{
    ShownTermin s;
    s.name = ShownText::Name(t.Name);
    s.description = ShownText::Description(t.Description);
    s.done = t.Done;
    s.time = ShowTime(t.Time);
    s.firstRemind = ShowDuration(t.FirstRemind);
    s.repeatInterval = ShowDuration(t.RepeatInterval);
    return s;
}
