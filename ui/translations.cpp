#include "translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <cstdlib>

namespace ui {
namespace {

bool namesEnglish(std::string_view locale)
{
    // "en" alone or followed by a territory, a code set or a modifier: en_GB.UTF-8, en@quot.
    return locale.substr(0, 2) == "en"
        && (locale.size() == 2
            || std::string_view("_.@-").find(locale[2]) != std::string_view::npos);
}

std::string_view variable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

Language languageOf(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
    std::string_view lang)
{
    const std::string_view first = language.substr(0, language.find(':'));
    for (const std::string_view value : {first, lcAll, lcMessages, lang}) {
        if (!value.empty())
            return namesEnglish(value) ? Language::English : Language::French;
    }
    return Language::French;
}

Language userLanguage()
{
    return languageOf(
        variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG"));
}

Translations::Translations(Language language)
{
    const QString code = language == Language::English ? "en" : "fr";
    if (qt_.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
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
