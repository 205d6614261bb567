#pragma once

class QButtonGroup;

namespace ui {

// Makes an exclusive group of options one stop of the keyboard's Tab order, as option groups are
// on a desktop: Tab and Shift+Tab land on the selected option and leave the group from there; the
// arrow keys move within it. While none is selected, each option is a stop of its own.
void tabToSelectedOption(QButtonGroup *group);

} // namespace ui
