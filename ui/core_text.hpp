#pragma once

#include "core/text.hpp"

#include <QString>

namespace ui {

// A text of the core in the user's language: its sentence translated in the core's context,
// then its arguments put in. Without a translation it is the French text, byte for byte.
[[nodiscard]] QString translated(const core::Text &text);

} // namespace ui
