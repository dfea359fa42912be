#include "resources/translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Translations {

namespace {
const char *const Translated[] = {"de", "fr"};
QString current; // of the last Install()
} // namespace

QString LanguageFor(const QLocale &locale)
{
    // uiLanguages() lists "de-DE", "de", ... in the order of preference;
    // the first one we either have or that is English decides.
    for (const QString &tag : locale.uiLanguages()) {
        const QString language = QLocale(tag).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            return QString();
        for (const char *own : Translated)
            if (language == QLatin1String(own))
                return language;
    }
    return QString();
}

QString Current()
{
    return current;
}

QString Install(QCoreApplication &app, const QLocale &locale)
{
    current.clear();
    const QString language = LanguageFor(locale);
    if (language.isEmpty())
        return language;
    // The application owns what it has installed and drops it at its end.
    const auto install = [&app](std::unique_ptr<QTranslator> t) {
        t->setParent(&app);
        QCoreApplication::installTranslator(t.release());
    };
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/translations/kalvix_") + language + QStringLiteral(".qm")))
        return QString();
    install(std::move(own));
    current = language;
    // Qt's standard texts: missing when qt6-translations-l10n is not
    // installed, and then they stay English, which is all we can do.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(std::move(qt));
    return language;
}

} // namespace Translations
