#pragma once

namespace ui {

// Presents every captioned panel and frame to screen readers as a group named by its caption
// (a "panel" over AT-SPI, which Orca announces when the focus enters it) rather than as a plain
// filler. Installs an accessibility factory on first call; later calls do nothing.
void presentCaptionsAsGroups();

} // namespace ui
