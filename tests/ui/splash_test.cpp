#include "harness.hpp"
#include "ui/splash.hpp"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

// Holds the splash's wait until the test ends it.
struct ManualClock : ui::SplashClock
{
    std::function<void()> done;
    std::chrono::milliseconds asked {};

    void wait(
        std::chrono::milliseconds duration, QObject *, std::function<void()> callback) override
    {
        asked = duration;
        done = std::move(callback);
    }
};

class SplashTest : public ::testing::Test
{
protected:
    ManualClock clock;
    int created = 0;
    QWidget main;
    ui::Apropos splash {clock, [this] {
                            ++created;
                            return &main;
                        }};
    test::WindowDriver driver {splash};
};

TEST_F(SplashTest, ShowsTheTitleCentredAndWaitsTwoSeconds)
{
    const auto *title = driver.find<QLabel>("LBL_Titre");
    EXPECT_EQ(title->text(), "Titre");
    splash.Form_Load();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(title->text(), "v" RESOMAR_VERSION " Resomar ");
    EXPECT_LE(QFontMetrics(title->font()).horizontalAdvance(title->text()), title->width())
        << "the title is clipped";
    EXPECT_EQ(splash.size(), QSize(193, 97));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Left = screen width / 2 - outer width / 2, frame included once the window is shown.
    const QRect outer = splash.frameGeometry();
    EXPECT_NEAR(outer.x(), screen.width() / 2.0 - outer.width() / 2.0, 1);
    EXPECT_NEAR(outer.y(), screen.height() / 2.0 - outer.height() / 2.0, 1);
    EXPECT_EQ(clock.asked, std::chrono::milliseconds(2000));
    EXPECT_EQ(created, 0);
    EXPECT_FALSE(main.isVisible());
}

TEST_F(SplashTest, GivesWayToTheMainWindowWhenTheWaitEnds)
{
    splash.Form_Load();
    clock.done();
    EXPECT_EQ(created, 1);
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(SplashTest, AClickOnAnyPartGivesWayAtOnceAndOnlyOnce)
{
    for (const char *name : {"LBL_Titre", "LBL_Version", "Picture1", "SSPNL_Apropos"}) {
        ManualClock ownClock;
        int count = 0;
        QWidget window;
        ui::Apropos own(ownClock, [&] {
            ++count;
            return &window;
        });
        own.Form_Load();
        test::WindowDriver(own).click(name, QPoint(2, 2));
        EXPECT_EQ(count, 1) << name;
        EXPECT_TRUE(window.isVisible()) << name;
        EXPECT_FALSE(own.isVisible()) << name;
        ownClock.done();
        EXPECT_EQ(count, 1) << name;
    }
}

} // namespace
