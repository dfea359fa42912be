#include "app/cli/ManPage.h"

#include "KalvixProduct.h"
#include "app/cli/CommandLine.h"

#include <QCoreApplication>
#include <QDate>

namespace ManPage {

namespace {

QString helpOf(const QStringList &arguments)
{
    // Help ignores the day; any valid one does.
    return CommandLine::Parse(arguments, QDate(2000, 1, 1)).command.text;
}

// Text as roff shows it literally: backslashes and minus signs escaped, and
// no line taken for a request because it starts with a dot or a quote.
QString literal(const QString &text)
{
    QString out;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.replace(QLatin1Char('\\'), QLatin1String("\\e"));
        line.replace(QLatin1Char('-'), QLatin1String("\\-"));
        if (line.startsWith(QLatin1Char('.')) || line.startsWith(QLatin1Char('\'')))
            line.prepend(QLatin1String("\\&"));
        out += line + QLatin1Char('\n');
    }
    return out;
}

// Preformatted, as the help lays it out in columns.
QString block(const QString &text)
{
    return QLatin1String(".nf\n") + literal(text.trimmed()) + QLatin1String(".fi\n");
}

QString section(const char *title)
{
    return QLatin1String(".SH ") + QCoreApplication::translate("ManPage", title) + QLatin1Char('\n');
}

} // namespace

QString Roff(const QString &date)
{
    const QString summary = CommandLine::Summary();
    const QString usage = CommandLine::Usage();
    const QString help = helpOf({QStringLiteral(KALVIX_COMMAND), QStringLiteral("--help")});
    // --help is the summary, the usage lines and then what the program does.
    const QString description = help.mid(help.indexOf(usage) + usage.size());

    QString page = QStringLiteral(".TH KALVIX 1 \"%1\" \"%2\" \"%3\"\n")
                       .arg(date, QStringLiteral(KALVIX_TITLE),
                            QCoreApplication::translate("ManPage", "User Commands"));
    page += section(QT_TRANSLATE_NOOP("ManPage", "NAME"));
    page += QLatin1String(KALVIX_COMMAND " \\- ") + literal(summary);
    page += section(QT_TRANSLATE_NOOP("ManPage", "SYNOPSIS")) + block(usage);
    page += section(QT_TRANSLATE_NOOP("ManPage", "DESCRIPTION")) + block(description);
    page += section(QT_TRANSLATE_NOOP("ManPage", "COMMANDS"));
    for (const char *command : {"add", "list", "export", "import", "sync", "resolve-conflict"}) {
        page += QLatin1String(".SS ") + QLatin1String(command) + QLatin1Char('\n');
        page += block(helpOf({QStringLiteral(KALVIX_COMMAND), QLatin1String(command), QStringLiteral("--help")}));
    }
    return page;
}

} // namespace ManPage
