#pragma once

class QWidget;

namespace ui {

// Gives every box, button, option and check box of the main window a French name that says what
// it is, for screen readers; a name is taken from what the user sees around the widget.
void nameForAccessibility(QWidget *mainWindow);

} // namespace ui
