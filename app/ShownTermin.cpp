#include "app/ShownTermin.h"

#include "store/CodePage.h"
#include "store/DateTimeValue.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>
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

QString tooLong()
{
    return QCoreApplication::translate("ShownTermin", "Too long to edit here; it is kept as it is.");
}

// Other writers may leave a NUL in a text; the text ends there, but the
// bytes after it stay in the file and so must not be typed over.
QString endsAtNul()
{
    return QCoreApplication::translate("ShownTermin", "Shown up to a NUL character it holds; it is kept as it is.");
}

void setNote(QString *note, const QString &text)
{
    if (note)
        *note = text;
}

} // namespace

QString Name(const TText &stored, QString *note)
{
    const std::string_view s = stored.view();
    const bool tooLongToShow = s.size() > std::size_t(EditableLength::Name);
    setNote(note, tooLongToShow ? tooLong() : stored.hidesBytes() ? endsAtNul() : QString());
    if (!tooLongToShow && !stored.hidesBytes())
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

QString Description(const TText &stored, QString *note)
{
    const std::string_view s = stored.view();
    std::string shown;
    shown.reserve(std::min(s.size(), std::size_t(EditableLength::Description)));
    std::size_t lineLength = 0;
    bool whole = true;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (shown.size() == std::size_t(EditableLength::Description)) {
            whole = false;
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
            whole = false;
            shown.back() = Ellipsis;
            while (i + 1 < s.size() && s[i + 1] != '\r' && s[i + 1] != '\n')
                ++i;
        } else {
            shown += c;
            ++lineLength;
        }
    }
    setNote(note, !whole ? tooLong() : stored.hidesBytes() ? endsAtNul() : QString());
    if (whole && stored.hidesBytes())
        shown += Ellipsis;
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

namespace {

// A stored number as the notes and fixed fields give it: all its digits
// while it has no more than a double holds exactly, then with an exponent.
QString numberText(double value)
{
    const bool plain = std::fabs(value) < 1e15;
    return QString::number(value, plain ? 'f' : 'g', QLocale::FloatingPointShortest);
}

FixedParts fixedParts(double value, bool withDays)
{
    FixedParts f;
    f.note = QCoreApplication::translate("ShownTermin",
                                         "Cannot be shown here (stored as %1 days); it is kept as it is.")
                 .arg(numberText(value));
    if (!std::isfinite(value)) { // "nan", "inf" in every field
        f.days = f.hours = f.minutes = numberText(value);
        return f;
    }
    const double days = std::trunc(value);
    const long long ms = std::llround(std::fabs(value - days) * DateTimeValue::MSecsPerDay);
    if (withDays)
        f.days = numberText(days);
    f.hours = QString::number(ms / 3600000);
    f.minutes = QString::number(ms / 60000 % 60);
    return f;
}

} // namespace

FixedParts FixedTime(double value)
{
    // A time of day only: a day count in it has no field to show it.
    const DateTimeValue::Parts p = DateTimeValue::Split(value);
    return p.valid && p.days == 0 && !(value < 0) ? FixedParts() : fixedParts(value, false);
}

FixedParts FixedDuration(double value)
{
    // The day fields hold what a clock can count (IsUsable); further than
    // that a value splits into nothing the fields could show.
    return DateTimeValue::IsUsable(value) ? FixedParts() : fixedParts(value, true);
}

double DurationValue(const ShownDuration &shown)
{
    return shown.days + DateTimeValue::EncodeTime(shown.hours, shown.minutes);
}

ShownTermin ShownTermin::Of(const TTermin &t)
{
    ShownTermin s;
    s.name = ShownText::Name(t.Name, &s.nameNote);
    s.description = ShownText::Description(t.Description, &s.descriptionNote);
    s.done = t.Done != 0;
    s.time = ShowTime(t.Time);
    s.firstRemind = ShowDuration(t.FirstRemind);
    s.repeatInterval = ShowDuration(t.RepeatInterval);
    s.timeFixed = FixedTime(t.Time);
    s.firstRemindFixed = FixedDuration(t.FirstRemind);
    s.repeatIntervalFixed = FixedDuration(t.RepeatInterval);
    return s;
}
