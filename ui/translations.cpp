#include "translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace ui {

Language userLanguage()
{
#ifdef Q_OS_UNIX
    // As gettext: under the plain C locale LANGUAGE is not read (C.UTF-8 is not plain C).
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (value == "C" || value == "POSIX")
            return Language::French;
        if (!value.isEmpty())
            break;
    }
#endif
    // Qt lists the user's languages in order of preference: from LANGUAGE, else LC_ALL,
    // LC_MESSAGES or LANG, on Unix; from the user's settings on Windows. The first we have wins.
    for (const QString &name : QLocale::system().uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::French || language == QLocale::English)
            return language == QLocale::English ? Language::English : Language::French;
    }
    return Language::French;
}

Translations::Translations(Language language)
{
    const QString code = language == Language::English ? "en" : "fr";
    // Qt's own texts: from the system's Qt on Linux, built in on Windows (packaging/windows).
    if (qt_.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || qt_.load("qtbase_" + code, QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&qt_);
    if (language == Language::English && program_.load(":/i18n/resomar_en.qm"))
        QCoreApplication::installTranslator(&program_);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
}

} // namespace ui
