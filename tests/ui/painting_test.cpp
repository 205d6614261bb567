#include "harness.hpp"
#include "ui/tab_control.hpp"

#include <QTabBar>

namespace {

using test::WindowTest;

class PaintingTest : public WindowTest
{
protected:
    PaintingTest()
        : WindowTest(1)
    { }
};

// The tabs' left edges and widths, left to right.
std::vector<std::pair<int, int>> tabSpans(const QTabWidget *tabs)
{
    std::vector<std::pair<int, int>> spans;
    const QTabBar *bar = tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        const QRect rect = bar->tabRect(i).translated(bar->pos());
        spans.emplace_back(rect.left(), rect.width());
    }
    return spans;
}

TEST_F(PaintingTest, TheThreeTabsShareTheirRowEqually)
{
    const auto *tabs = find<QTabWidget>("SSpanel");
    ASSERT_EQ(tabs->width(), 517);
    const std::vector<std::pair<int, int>> expected {{0, 172}, {172, 172}, {344, 173}};
    EXPECT_EQ(tabSpans(tabs), expected);
}

TEST(TabControlTest, SharesFollowTheControlsWidth)
{
    ui::TabControl tabs(3);
    tabs.setTabText(0, "&Un");
    tabs.setTabText(1, "Un onglet bien plus long que les autres");
    tabs.setTabText(2, "Trois");
    tabs.resize(300, 200);
    tabs.show();
    EXPECT_EQ(
        tabSpans(&tabs), (std::vector<std::pair<int, int>> {{0, 100}, {100, 100}, {200, 100}}));
    tabs.resize(601, 200);
    EXPECT_EQ(
        tabSpans(&tabs), (std::vector<std::pair<int, int>> {{0, 200}, {200, 200}, {400, 201}}));
}

} // namespace
