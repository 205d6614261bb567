#pragma once

#include <QTranslator>

namespace ui {

// French is the program's own language: its texts are written in French and need no
// translation; English comes from the embedded resomar_en.qm.
enum class Language { French, English };

// The language of the user's interface: the first French or English one among the languages the
// user prefers, in order (LANGUAGE=de:en is English), French when none is either, and French under
// the plain C locale, whose messages are the program's own.
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
