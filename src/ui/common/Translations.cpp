#include "ui/common/Translations.h"

#include "artwork/Artwork.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace numberlark {

namespace {

QString programTranslation(const QString& language)
{
    return QStringLiteral(":/i18n/numberlark_%1.qm").arg(language);
}

// Kept for the life of the program; replaced when the language changes.
QTranslator* g_program = nullptr;
QTranslator* g_qtbase = nullptr;

void removeTranslators()
{
    for (QTranslator** translator : {&g_program, &g_qtbase}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
}

} // namespace

QStringList translatedLanguages()
{
    // The build's list, the one the translation files are made from.
    return QStringLiteral(NUMBERLARK_LANGUAGES).split(QLatin1Char(','));
}

// English anywhere in the list wins over the languages after it, so a user
// who prefers English to German gets English.
QString chooseLanguage(const QStringList& uiLanguages)
{
    const QStringList known = translatedLanguages();
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English) {
            return {};
        }
        QString code = QLocale::languageToCode(locale.language());
        if (known.contains(code)) {
            return code;
        }
    }
    return {};
}

bool installLanguage(const QString& language, const QLocale& englishLocale)
{
    removeTranslators();
    setPictureLanguage(QString());
    if (language.isEmpty()) {
        QLocale::setDefault(englishLocale);
        return true;
    }
    g_program = new QTranslator;
    if (!g_program->load(programTranslation(language))) {
        delete g_program;
        g_program = nullptr;
        QLocale::setDefault(englishLocale);
        return false;
    }
    QCoreApplication::installTranslator(g_program);
    setPictureLanguage(language);
    g_qtbase = new QTranslator;
    if (g_qtbase->load(QStringLiteral("qtbase_") + language,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(g_qtbase);
    }
    // The user's own region when it speaks this language (de_AT, fr_CA),
    // else the language's main one.
    const QLocale system = QLocale::system();
    QLocale::setDefault(QLocale::languageToCode(system.language()) == language ? system
                                                                               : QLocale(language));
    return true;
}

} // namespace numberlark
