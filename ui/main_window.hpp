#pragma once

// The main window, "Resomar". Data flows one way: a keystroke or click runs one handler of a tab
// controller; the handler reads widget texts, asks core/ for the rule or the result, and writes
// texts, captions, states and colours back. Writing a different text into a box runs that box's
// change handler at once, nested (QLineEdit::textChanged), and selecting an option from code runs
// its group's handler (QRadioButton::toggled): the automatic mask fill and the clear button of the
// first tab, the coupling of the two class groups of the second and the refusals of the third
// all rest on those nested runs. Message boxes go through MessageBoxes; nothing else is global.

#include "inventory.hpp"
#include "pace.hpp"

#include <QWidget>
#include <vector>

namespace ui {

class MessageBoxes;
class Tab;
class TabControl;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // Creating the window builds the tabs of tabList() and loads it: caption, centring, tab
    // captions.
    explicit MainWindow(
        MessageBoxes &messages, Pace pace = Pace(Pace::kVerification), QWidget *parent = nullptr);

private:
    void Form_Load();

    Pace pace_;
    Inventory inventory_;
    TabControl *SSpanel_;
    std::vector<Tab *> tabs_;
};

} // namespace ui
