#pragma once

#include "context_menu.hpp"
#include "core/message.hpp"
#include "core/same_network.hpp"
#include "tests/printers.hpp"
#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"
#include "window_driver.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace test {

// Right-clicks a widget and chooses an item of the menu that opens, by its text before any
// shortcut.
inline void chooseFromMenu(QWidget *widget, const QString &item)
{
    rightClick(widget);
    QMenu *menu = openMenu();
    ASSERT_NE(menu, nullptr) << "no menu on " << widget->objectName().toStdString();
    QAction *chosen = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == item)
            chosen = action;
    }
    menu->close();
    ASSERT_NE(chosen, nullptr) << "no " << item.toStdString();
    ASSERT_TRUE(chosen->isEnabled()) << item.toStdString();
    chosen->trigger();
}

// Records every message box instead of showing it; onShow lets a test look at the window while
// the box would be up.
struct RecordingMessageBoxes : ui::MessageBoxes
{
    std::vector<core::Message> shown;
    std::function<void(const core::Message &)> onShow;

    void show(const core::Message &message) override
    {
        shown.push_back(message);
        if (onShow)
            onShow(message);
    }
};

// The real main window, not shown yet, with recorded message boxes and the given pace.
struct MainWindowParts
{
    explicit MainWindowParts(ui::Pace pace)
        : window(messages, pace)
    { }

    RecordingMessageBoxes messages;
    ui::MainWindow window;
};

// A main window of a test's own, with the driver acting on it; no animation delay by default.
struct OwnMainWindow : MainWindowParts, WindowDriver
{
    explicit OwnMainWindow(ui::Pace pace = ui::Pace {})
        : MainWindowParts(pace)
        , WindowDriver(window)
    { }

    // Puts both networks' addresses in their boxes and verifies them, with one verdict back.
    void verifyAddresses(const QStringList &address1, const QStringList &address2)
    {
        for (int i = 0; i < 4; ++i) {
            box(element("AdresseIP1", i))->setText(address1[i]);
            box(element("AdresseIP2", i))->setText(address2[i]);
        }
        messages.shown.clear();
        click("CMD_Verification");
        ASSERT_EQ(messages.shown.size(), 1u);
        ASSERT_EQ(messages.shown[0].title, core::verdict(true).title);
    }
};

// The fixture: a main window shown off screen and active, on the given tab.
template <int Tab> class OnTab : public ::testing::Test, protected OwnMainWindow
{
protected:
    OnTab()
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        select(Tab);
    }
};

} // namespace test
