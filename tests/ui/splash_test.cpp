#include "harness.hpp"
#include "splash_clock.hpp"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>

namespace {

class SplashTest : public ::testing::Test
{
protected:
    ui::Apropos splash;
    test::SplashClock clock {splash};
    QSignalSpy gaveWay {&splash, &ui::Apropos::gaveWay};
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
    EXPECT_EQ(clock.asked(), std::chrono::milliseconds(2000));
    EXPECT_EQ(gaveWay.count(), 0);
}

TEST_F(SplashTest, GivesWayWhenTheWaitEndsWhileStillShown)
{
    splash.Form_Load();
    bool shownWhenGivingWay = false;
    QObject::connect(
        &splash, &ui::Apropos::gaveWay, &splash, [&] { shownWhenGivingWay = splash.isVisible(); });
    clock.end();
    EXPECT_EQ(gaveWay.count(), 1);
    EXPECT_TRUE(shownWhenGivingWay) << "the program would have no window for a moment";
    EXPECT_FALSE(splash.isVisible());
}

TEST(SplashClickTest, AClickOnAnyPartGivesWayAtOnceAndOnlyOnce)
{
    for (const char *name : {"LBL_Titre", "LBL_Version", "Picture1", "SSPNL_Apropos"}) {
        ui::Apropos own;
        test::SplashClock clock(own);
        QSignalSpy gaveWay(&own, &ui::Apropos::gaveWay);
        own.Form_Load();
        test::WindowDriver(own).click(name, QPoint(2, 2));
        EXPECT_EQ(gaveWay.count(), 1) << name;
        EXPECT_FALSE(own.isVisible()) << name;
        clock.end();
        EXPECT_EQ(gaveWay.count(), 1) << name;
    }
}

} // namespace
