#pragma once

#include "core/ip_class.hpp"
#include "core/text.hpp"

#include <QString>

class QLineEdit;

namespace ui {

// A text of the core in the user's language: its sentence translated in the core's context,
// then its arguments put in. Without a translation it is the French text, byte for byte.
[[nodiscard]] QString translated(const core::Text &text);

// The core takes and gives UTF-8 texts; the widgets hold QStrings.
[[nodiscard]] inline QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}
[[nodiscard]] std::string text(const QLineEdit *box);
[[nodiscard]] core::Octets texts(const std::array<QLineEdit *, 4> &boxes);

} // namespace ui
