#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace ui {

// A language is named by the code of its translation, resomar_<code>.qm, built in under :/i18n from
// i18n/resomar_<code>.ts ("en", "de"...). French, "fr", is the program's own language: its texts
// are written in French and need no translation.

// The languages the program carries: French first, then each translation built in.
[[nodiscard]] QStringList carriedLanguages();

// The first carried language among those the user prefers, in order: from LANGUAGE (a list), else
// LC_ALL, LC_MESSAGES or LANG on Unix, from the user's settings on Windows. French when none is
// carried, and under the plain C locale on Unix, whose messages are the program's own.
[[nodiscard]] QString userLanguage();

// The first of the given languages (locale names, "de-AT") that is French or carried; French when
// none is.
[[nodiscard]] QString firstCarried(const QStringList &preferred);

// A text of the program in the user's language before the application exists, when no translator
// can be installed: the source itself in French or when the translation lacks it.
[[nodiscard]] QString translateEarly(const char *context, const char *source);

// Installs, for as long as it lives, the translators of a carried language into the application:
// Qt's own texts (context menus, standard buttons) from Qt's qtbase_<language>, and but for French
// the program's texts. Construct it after the QApplication.
class Translations
{
public:
    explicit Translations(const QString &language);
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
