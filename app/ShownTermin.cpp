#include "app/ShownTermin.h"

#include "store/CodePage.h"
#include "store/DateTimeValue.h"

#include <algorithm>
#include <climits>
#include <string>

namespace ShownText {

QString Name(const TText &stored)
{
    return DecodeAnsi(stored.view());
}

namespace {

// The code page has the ellipsis, so a cut text can be marked in its bytes
// and decoded once.
constexpr char Ellipsis = '\x85';

} // namespace

QString Name(const TText &stored, bool *whole)
{
    const std::string_view s = stored.view();
    *whole = s.size() <= std::size_t(EditableLength::Name);
    if (*whole)
        return Name(stored);
    std::string cut(s.substr(0, EditableLength::Name - 1));
    cut += Ellipsis;
    return DecodeAnsi(cut);
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

QString Description(const TText &stored, bool *whole)
{
    const std::string_view s = stored.view();
    std::string shown;
    shown.reserve(std::min(s.size(), std::size_t(EditableLength::Description)));
    std::size_t lineLength = 0;
    *whole = true;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (shown.size() == std::size_t(EditableLength::Description)) {
            *whole = false;
            shown.back() = Ellipsis;
            break;
        }
        const char c = s[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
            shown += '\n';
            lineLength = 0;
        } else if (lineLength == std::size_t(EditableLength::DescriptionLine)) {
            // The rest of an over-long line is left out.
            *whole = false;
            shown.back() = Ellipsis;
            while (i + 1 < s.size() && s[i + 1] != '\r' && s[i + 1] != '\n')
                ++i;
        } else {
            shown += c;
            ++lineLength;
        }
    }
    return DecodeAnsi(shown);
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
    s.name = ShownText::Name(t.Name, &s.nameWhole);
    s.description = ShownText::Description(t.Description, &s.descriptionWhole);
    s.done = t.Done;
    s.time = ShowTime(t.Time);
    s.firstRemind = ShowDuration(t.FirstRemind);
    s.repeatInterval = ShowDuration(t.RepeatInterval);
    return s;
}
