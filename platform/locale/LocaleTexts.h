#pragma once
// Date and time texts in the user's regional settings: the short date and
// the long time format. The formats are read once and kept, because the
// reminder walk and the lists format many dates; the main window calls
// reload() when the system announces a change of regional settings.

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The two formats of one locale, with the time-zone field removed from the
// long time: the values we show are local wall-clock times without a zone.
class LocaleFormats {
public:
    explicit LocaleFormats(const QLocale &locale);

    const QLocale &locale() const { return locale_; }
    const QString &shortDateFormat() const { return shortDate_; }
    const QString &longTimeFormat() const { return longTime_; }

    // The long time carries its own AM/PM marker ("11:59:00 PM").
    bool twelveHour() const { return twelveHour_; }

    QString shortDate(const QDate &date) const { return locale_.toString(date, shortDate_); }
    QString longTime(const QTime &time) const { return locale_.toString(time, longTime_); }

    // Removes every unquoted time-zone field ('t', 'tt', ...) together with
    // the spaces and punctuation that only served to set it apart.
    static QString withoutTimeZone(const QString &format);

private:
    QLocale locale_;
    QString shortDate_;
    QString longTime_;
    bool twelveHour_ = false;
};

namespace LocaleTexts {

// The formats of the system locale, read on first use and kept until reload().
// The reference stays valid across Reload(); its content changes.
const LocaleFormats &Current();
// Re-reads the formats, from the system locale unless told otherwise.
void Reload(const QLocale &source = QLocale::system());

QString ShortDate(const QDate &date);
QString LongTime(const QTime &time);

} // namespace LocaleTexts
