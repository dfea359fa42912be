#include "platform/locale/LocaleTexts.h"

#include <vector>

namespace {

// A format string split into what the formatter sees: fields (runs of one
// unquoted letter), quoted literal text, and single separator characters.
struct Token {
    enum Kind { Field, Quoted, Separator } kind;
    QString text;
};

std::vector<Token> tokenize(const QString &format)
{
    std::vector<Token> tokens;
    const int n = int(format.size());
    for (int i = 0; i < n;) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            // A quoted run reaches the next quote; an unterminated one runs to
            // the end, which is how the formatter reads it too.
            int j = i + 1;
            while (j < n && format.at(j) != QLatin1Char('\''))
                ++j;
            j = qMin(j + 1, n);
            tokens.push_back({Token::Quoted, format.mid(i, j - i)});
            i = j;
        } else if (c.isLetter()) {
            int j = i + 1;
            while (j < n && format.at(j) == c)
                ++j;
            tokens.push_back({Token::Field, format.mid(i, j - i)});
            i = j;
        } else {
            tokens.push_back({Token::Separator, QString(c)});
            ++i;
        }
    }
    return tokens;
}

bool isZone(const Token &t)
{
    return t.kind == Token::Field && t.text.at(0) == QLatin1Char('t');
}

bool isOpeningBracket(const QString &s)
{
    return s == QLatin1String("(") || s == QLatin1String("[") || s == QLatin1String("{");
}

} // namespace

QString LocaleFormats::withoutTimeZone(const QString &format)
{
    std::vector<Token> tokens = tokenize(format);
    for (;;) {
        size_t z = 0;
        while (z < tokens.size() && !isZone(tokens[z]))
            ++z;
        if (z == tokens.size())
            break;
        size_t from = z, to = z + 1; // the range [from, to) goes
        while (from > 0 && tokens[from - 1].kind == Token::Separator)
            --from;
        while (to < tokens.size() && tokens[to].kind == Token::Separator)
            ++to;
        std::vector<Token> keep;
        if (from > 0 && to < tokens.size()) {
            // Between two other fields: keep the separator in front, minus any
            // bracket that opened around the zone, so "ss (t) AP" -> "ss AP".
            for (size_t i = from; i < z; ++i)
                if (!isOpeningBracket(tokens[i].text))
                    keep.push_back(tokens[i]);
        }
        tokens.erase(tokens.begin() + long(from), tokens.begin() + long(to));
        tokens.insert(tokens.begin() + long(from), keep.begin(), keep.end());
    }
    QString out;
    for (const Token &t : tokens)
        out += t.text;
    return out;
}

LocaleFormats::LocaleFormats(const QLocale &locale)
    : locale_(locale),
      shortDate_(locale.dateFormat(QLocale::ShortFormat)),
      longTime_(withoutTimeZone(locale.timeFormat(QLocale::LongFormat)))
{
    for (const Token &t : tokenize(longTime_))
        if (t.kind == Token::Field && t.text.at(0).toLower() == QLatin1Char('a'))
            twelveHour_ = true;
}

namespace LocaleTexts {

namespace {
// One object for the whole run; Reload() refills it in place, so a
// reference taken from Current() never dangles.
LocaleFormats &cache()
{
    static LocaleFormats formats{QLocale::system()};
    return formats;
}
} // namespace

const LocaleFormats &Current()
{
    return cache();
}

void Reload(const QLocale &source)
{
    cache() = LocaleFormats(source);
}

QString ShortDate(const QDate &date)
{
    return Current().shortDate(date);
}

QString LongTime(const QTime &time)
{
    return Current().longTime(time);
}

} // namespace LocaleTexts
