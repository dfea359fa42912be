// Writes the manual page kalvix(1) for one language, at build time:
//   kalvix-manpage LANGUAGE DATE OUTPUT   (LANGUAGE "en", "de", "fr")
#include "app/cli/ManPage.h"
#include "resources/translations/Translations.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: kalvix-manpage LANGUAGE DATE OUTPUT\n");
        return 2;
    }
    const QString language = args[1];
    if (Translations::Install(app, QLocale(language)) != (language == QLatin1String("en") ? QString() : language)) {
        std::fprintf(stderr, "kalvix-manpage: no translation for %s\n", qPrintable(language));
        return 1;
    }
    QFile out(args[3]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(ManPage::Roff(args[2]).toUtf8()) < 0
        || !out.flush()) {
        std::fprintf(stderr, "kalvix-manpage: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
