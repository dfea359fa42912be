#pragma once
// The manual page kalvix(1), made from the very texts `kalvix --help` and
// `kalvix COMMAND --help` print, so the two never say different things.
// In the language of the installed translations.

#include <QString>

namespace ManPage {

// The page in roff (man(7)); `date` is the release date shown in its
// heading ("2026-12-07").
QString Roff(const QString &date);

} // namespace ManPage
