#pragma once

class QWidget;

namespace ui {

// Centres a top-level window on the primary screen from its outer size, title bar and frame
// included, in single precision; a window larger than the screen keeps its top-left corner on the
// screen's available area.
// Before the window is first shown no window manager has framed it yet, so its outer size is its
// own size; once a window manager puts its frame around it, it is centred again, once, with the
// real outer size. With no window manager the first placement stands.
void centreOnScreen(QWidget &window);

} // namespace ui
