#pragma once

#include <QTranslator>
#include <string_view>

namespace ui {

// French is the program's own language: its texts are written in French and need no
// translation; English comes from the embedded resomar_en.qm.
enum class Language { French, English };

// The language of the user's interface from the values of LANGUAGE, LC_ALL, LC_MESSAGES and LANG
// (empty when unset): the first one set decides, LANGUAGE by the first entry of its colon list.
// English when that value names English ("en", "en_GB.UTF-8"), French for anything else: French,
// an unknown language, "C", "POSIX", or nothing set at all.
[[nodiscard]] Language languageOf(std::string_view language, std::string_view lcAll,
    std::string_view lcMessages, std::string_view lang);

// languageOf() of this process's environment.
[[nodiscard]] Language userLanguage();

// Installs, for as long as it lives, the translators of a language into the application: Qt's own
// texts (context menus, standard buttons) from Qt's qtbase_<language>, and for English the
// program's texts. Construct it after the QApplication.
class Translations
{
public:
    explicit Translations(Language language);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // Whether Qt's own translation of the language was found (qt6-translations-l10n).
    [[nodiscard]] bool qtLoaded() const { return !qt_.isEmpty(); }

private:
    QTranslator qt_;
    QTranslator program_;
};

} // namespace ui
