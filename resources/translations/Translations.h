#pragma once
// Chooses the language of the program's texts from the user's locale and
// installs the matching translations into the running application.
//
// The texts in the code are the English ones: under an English locale, or
// one we have no translation for, nothing is installed and every text stays
// exactly as written. German and French come from the .qm files compiled
// into the program; with them go Qt's own texts (standard buttons such as
// "Yes" and "No" of message boxes) from the system's Qt translations, when
// installed.

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace Translations {

// The language whose texts the program shows for `locale`: "de", "fr", or
// an empty string for English. The locale's languages are taken in the
// user's order of preference, so "LANGUAGE=fr:de" gives French, and an
// English one ahead of a translated one keeps English.
QString LanguageFor(const QLocale &locale);

// Installs the translations for `locale` into `app`, owned by it, and
// returns the language chosen (as LanguageFor). Call once per application
// object, before any window or text is made.
QString Install(QCoreApplication &app, const QLocale &locale = QLocale::system());

// The language the last Install() chose ("" for English): for what is not
// a text, such as the pictures with words in them.
QString Current();

} // namespace Translations
