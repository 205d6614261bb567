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

    void verify(const QStringList &address2)
    {
        const QStringList address1 {"192", "168", "1", "0"};
        for (int i = 0; i < 4; ++i) {
            fresh.typeOver(fresh.element("AdresseIP1", i), address1[i]);
            fresh.typeOver(fresh.element("AdresseIP2", i), address2[i]);
        }
        fresh.click("CMD_Verification");
        ASSERT_EQ(fresh.messages.shown.size(), 1u);
    }

    const ui::Pace::Clock::time_point start {std::chrono::hours(1)};
    std::vector<Frame> frames;
    std::function<void()> onFirstStep;
    test::OwnMainWindow fresh {ui::Pace(
        ui::Pace::kVerification, [this] { return start; },
        [this](ui::Pace::Clock::time_point due) { record(due); })};
};

// Checks count frames from first on: value(frame) must go from `from` by `step` each frame.
void expectRun(const std::vector<Frame> &frames, std::size_t first, int count, const char *what,
    double (*value)(const Frame &), double from, double step)
{
    ASSERT_GE(frames.size(), first + count) << what;
    for (int k = 0; k < count; ++k) {
        const double expected = from + step * k;
        if (value(frames[first + k]) != expected) {
            ADD_FAILURE() << what << ", step " << k << " of " << count << ": "
                          << value(frames[first + k]) << " instead of " << expected;
            return;
        }
    }
}

TEST_F(AnimationTest, EveryStepMovesTwentyTwipsFromEndToEnd)
{
    const struct
    {
        const char *name;
        QStringList address2;
        int returnSteps, returnEnd, echoSteps, echoEnd;
    } cases[] = {
        {"same network", {"192", "168", "1", "0"}, 312, 605, 247, 580},
        {"different networks", {"192", "168", "2", "0"}, 242, 2005, 176, 2000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        frames.clear();
        verify(c.address2);
        ASSERT_EQ(frames.size(), 342u + 296u + c.returnSteps + c.echoSteps);

        // The red line from the left edge to 6820, "Ping" from 600 to 6500, then the blue line
        // back from 6825 with the red one shrinking to meet it, then the reply label.
        expectRun(
            frames, 0, 342, "request line", [](const Frame &f) { return f.pingEnd; }, 0, 20);
        // "Ping" moves in pixels, each of which holds fifteen twips.
        for (int k = 0; k < 296; ++k)
            ASSERT_EQ(frames[342 + k].pingLeft, ui::px(600 + 20 * k)) << "Ping, step " << k;
        const std::size_t back = 342 + 296;
        expectRun(
            frames, back, c.returnSteps, "reply line", [](const Frame &f) { return f.retourStart; },
            6825, -20);
        expectRun(
            frames, back, c.returnSteps, "request line meeting the reply",
            [](const Frame &f) { return f.pingEnd; }, 6825, -20);
        EXPECT_EQ(frames[back + c.returnSteps - 1].retourStart, c.returnEnd);
        for (int k = 0; k < c.echoSteps; ++k)
            ASSERT_EQ(frames[back + c.returnSteps + k].echoLeft, ui::px(5500 - 20 * k))
                << "reply label, step " << k;
        EXPECT_EQ(frames.back().echoLeft, ui::px(c.echoEnd));
        // Nothing else moves while one part moves.
        EXPECT_EQ(frames[341].pingLeft, ui::px(600));
        EXPECT_EQ(frames[back - 1].pingEnd, 6820);
        EXPECT_EQ(frames[back - 1].echoLeft, ui::px(5520));
        EXPECT_EQ(frames.back().pingEnd, c.returnEnd);
        fresh.messages.shown.clear();
    }
}

TEST_F(AnimationTest, TheLongestVerificationLastsAboutOneAndAHalfSecondsEvenlyPaced)
{
    verify({"192", "168", "1", "0"});
    ASSERT_FALSE(frames.empty());
    // Each step is due a fixed time after the start, so a slow repaint is caught up.
    for (std::size_t n = 0; n < frames.size(); ++n)
        ASSERT_EQ(frames[n].due, frames[0].due * static_cast<long>(n + 1)) << "step " << n;
    const double seconds = std::chrono::duration<double>(frames.back().due).count();
    EXPECT_NEAR(seconds, 1.5, 0.1);
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
    verify({"192", "168", "2", "0"});
    ASSERT_FALSE(onScreen.isNull());
    for (const char *name : {"PICT_PC1", "PICT_PC2"}) {
        QWidget *picture = fresh.find(name);
        const QImage drawn = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect at(picture->mapTo(&window, QPoint()), picture->size());
        EXPECT_EQ(onScreen.copy(at).convertToFormat(QImage::Format_RGB32), drawn) << name;
    }
}

TEST(PaceTest, AZeroPaceNeverWaits)
{
    int waits = 0;
    ui::Pace pace(
        {}, [] { return ui::Pace::Clock::time_point {}; },
        [&](ui::Pace::Clock::time_point) { ++waits; });
    pace.begin();
    for (int i = 0; i < 10; ++i)
        pace.step();
    EXPECT_EQ(waits, 0);
}

} // namespace
