#include "harness.hpp"
#include "ui/widgets/line_shape.hpp"

#include <QScreen>
#include <chrono>
#include <functional>

namespace {

using std::chrono::microseconds;

// Where the moving parts of the scene stand when the pace is asked to wait, and when that step
// is due after the start.
struct Frame
{
    double pingEnd, retourStart; // X2 of LINE_Ping, X1 of LINE_Retour, in twips
    int pingLeft, echoLeft; // LBL_Ping and LBL_echo, in pixels
    microseconds due;
};

// A verification played with the real pace, whose clock stands still and whose waits are
// recorded instead of slept: every step is seen, and nothing waits.
class AnimationTest : public ::testing::Test
{
protected:
    AnimationTest() { fresh.window.show(); }

    void record(ui::Pace::Clock::time_point due)
    {
        if (frames.empty() && onFirstStep)
            onFirstStep();
        frames.push_back({fresh.find<ui::LineShape>("LINE_Ping")->x2(),
            fresh.find<ui::LineShape>("LINE_Retour")->x1(), fresh.find("LBL_Ping")->x(),
            fresh.find("LBL_echo")->x(), std::chrono::duration_cast<microseconds>(due - start)});
    }

    const ui::Pace::Clock::time_point start {std::chrono::hours(1)};
    std::vector<Frame> frames;
    std::function<void()> onFirstStep;
    test::OwnMainWindow fresh {ui::Pace(
        ui::Pace::kVerification, [this] { return start; },
        [this](ui::Pace::Clock::time_point due) { record(due); })};
};

// Consumes from frames[next] on one step per position, from `from` to `to` by `by` twips: at
// each, at(frame, position) holds. `to` is where the run stops short of passing.
template <typename At>
void expectRun(const std::vector<Frame> &frames, std::size_t &next, int from, int to, int by, At at)
{
    for (int x = from; by > 0 ? x <= to : x >= to; x += by, ++next) {
        ASSERT_LT(next, frames.size()) << "over before " << x;
        ASSERT_TRUE(at(frames[next], x)) << "step " << next << " at " << x;
    }
}

TEST_F(AnimationTest, EveryStepMovesOnePartTwentyTwipsFromEndToEndEvenlyPaced)
{
    const struct
    {
        const char *name;
        QStringList address2;
        int returnEnd, echoEnd;
    } cases[] = {
        {"same network", {"192", "168", "1", "0"}, 600, 580},
        {"different networks", {"192", "168", "2", "0"}, 2000, 2000},
    };
    microseconds longest {};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        frames.clear();
        fresh.verifyAddresses({"192", "168", "1", "0"}, c.address2);
        ASSERT_FALSE(frames.empty());
        // The red line from the left edge to 6820, "Ping" from 600 to 6500 (in pixels, each of
        // which holds fifteen twips), then the blue line back from 6825 with the red one
        // shrinking to meet it, then the reply label; nothing else moves while one part moves.
        std::size_t next = 0;
        expectRun(frames, next, 0, 6820, 20,
            [](const Frame &f, int x) { return f.pingEnd == x && f.pingLeft == ui::px(600); });
        expectRun(frames, next, 600, 6500, 20,
            [](const Frame &f, int x) { return f.pingLeft == ui::px(x) && f.pingEnd == 6820; });
        expectRun(frames, next, 6825, c.returnEnd, -20, [](const Frame &f, int x) {
            return f.retourStart == x && f.pingEnd == x && f.echoLeft == ui::px(5520);
        });
        const double met = frames[next - 1].pingEnd;
        expectRun(frames, next, 5500, c.echoEnd, -20,
            [&](const Frame &f, int x) { return f.echoLeft == ui::px(x) && f.pingEnd == met; });
        EXPECT_EQ(next, frames.size());
        // Each step is due a fixed time after the start, so a slow repaint is caught up.
        for (std::size_t n = 0; n < frames.size(); ++n)
            ASSERT_EQ(frames[n].due, frames[0].due * static_cast<long>(n + 1)) << "step " << n;
        longest = std::max(longest, frames.back().due);
    }
    EXPECT_NEAR(std::chrono::duration<double>(longest).count(), 1.5, 0.1) << "the longest, in s";
}

// What the screen holds during the animation, not a fresh rendering: no event is processed while
// the verification runs, so whatever the handler does not paint at once stays off the screen
// until the verdict.
TEST_F(AnimationTest, BothComputersAreOnScreenFromTheFirstStep)
{
    QWidget &window = fresh.window;
    fresh.select(0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QImage onScreen;
    onFirstStep = [&] { onScreen = window.screen()->grabWindow(window.winId()).toImage(); };
    fresh.verifyAddresses({"192", "168", "1", "0"}, {"192", "168", "2", "0"});
    ASSERT_FALSE(onScreen.isNull());
    for (const char *name : {"PICT_PC1", "PICT_PC2"}) {
        QWidget *picture = fresh.find(name);
        const QImage drawn = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect at(picture->mapTo(&window, QPoint()), picture->size());
        EXPECT_EQ(onScreen.copy(at).convertToFormat(QImage::Format_RGB32), drawn) << name;
    }
}

} // namespace
