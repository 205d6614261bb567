#include "harness.hpp"
#include "splash_clock.hpp"

#include <QLabel>
#include <QSignalSpy>

namespace {

TEST(SplashTest, ShowsTheTitleWaitsTwoSecondsThenGivesWayWhileStillShown)
{
    ui::Apropos splash;
    test::SplashClock clock(splash);
    QSignalSpy gaveWay(&splash, &ui::Apropos::gaveWay);
    splash.Form_Load();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(test::WindowDriver(splash).find<QLabel>("LBL_Titre")->text(),
        "v" RESOMAR_VERSION " Resomar ");
    EXPECT_EQ(clock.asked(), std::chrono::milliseconds(2000));
    EXPECT_EQ(gaveWay.count(), 0);
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
    const ui::Apropos parts;
    ASSERT_FALSE(parts.findChildren<QWidget *>().empty());
    for (const QWidget *part : parts.findChildren<QWidget *>()) {
        SCOPED_TRACE(part->objectName().toStdString());
        ui::Apropos own;
        test::SplashClock clock(own);
        QSignalSpy gaveWay(&own, &ui::Apropos::gaveWay);
        own.Form_Load();
        test::WindowDriver(own).click(part->objectName(), QPoint(2, 2));
        EXPECT_EQ(gaveWay.count(), 1);
        EXPECT_FALSE(own.isVisible());
        clock.end();
        EXPECT_EQ(gaveWay.count(), 1);
    }
}

} // namespace
