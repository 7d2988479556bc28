#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace numberlark {

// The languages the program has translations for, besides English.
QStringList translatedLanguages();

// The first language in the user's order of preference (LANGUAGE, then the
// locale) that the program speaks: a code from translatedLanguages(), or an
// empty string for English, which needs no translation at all.
QString chooseLanguage(const QStringList& uiLanguages);

// Installs the program's translation and Qt's own (standard buttons) for the
// language, replacing any installed before, and makes that language's locale
// the default for numbers and dates. An empty language returns to English
// and to `englishLocale`. Returns false when the translation is missing.
bool installLanguage(const QString& language, const QLocale& englishLocale = QLocale::system());

} // namespace numberlark
