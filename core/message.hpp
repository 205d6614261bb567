#pragma once

#include "text.hpp"

namespace core {

enum class Icon { Critical, Exclamation, Information };

// A message box as the windows show it: one text, one icon, one title, a single OK button.
struct Message
{
    Text text;
    Icon icon;
    Text title;

    friend bool operator==(const Message &, const Message &) = default;
};

inline constexpr const char *kInputErrorTitle = QT_TRANSLATE_NOOP("core", "Erreur de saisie");
inline constexpr const char *kVerificationTitle = QT_TRANSLATE_NOOP("core", "Vérification");

inline constexpr const char *kRangeRefusalText
    = QT_TRANSLATE_NOOP("core", "La valeur doit être comprise entre %1 et %2.");

// The range refusal shared by every octet and number box. Deliberate: it names the range they
// accept, 0 to 255, where the original named the subnet count's 1 and 254.
[[nodiscard]] inline Message rangeRefusal()
{
    return {{kRangeRefusalText, {"0", "255"}}, Icon::Critical, kInputErrorTitle};
}

} // namespace core
