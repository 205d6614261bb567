#include "harness.hpp"
#include "splash_clock.hpp"

#include <QLabel>
#include <QSignalSpy>

namespace {

// Shown with the title, the splash waits two seconds, or until a click on any of its parts, then
// gives way once, while still shown.
TEST(SplashTest, ShowsTheTitleThenGivesWayOnceAfterTwoSecondsOrAtOnceOnAClick)
{
    const ui::Apropos parts;
    QStringList clicked {QString()}; // none: the wait runs out
    for (const QWidget *part : parts.findChildren<QWidget *>())
        clicked << part->objectName();
    ASSERT_GT(clicked.size(), 1);
    for (const QString &part : clicked) {
        SCOPED_TRACE(part.toStdString());
        ui::Apropos splash;
        test::SplashClock clock(splash);
        QSignalSpy gaveWay(&splash, &ui::Apropos::gaveWay);
        bool shownWhenGivingWay = false;
        QObject::connect(&splash, &ui::Apropos::gaveWay, &splash,
            [&] { shownWhenGivingWay = splash.isVisible(); });
        splash.Form_Load();
        const test::WindowDriver driver(splash);
        EXPECT_EQ(driver.find<QLabel>("LBL_Titre")->text(), "v" RESOMAR_VERSION " Resomar ");
        EXPECT_EQ(clock.asked(), std::chrono::milliseconds(2000));
        if (!part.isEmpty())
            driver.click(part, QPoint(2, 2));
        EXPECT_EQ(gaveWay.count(), part.isEmpty() ? 0 : 1);
        clock.end();
        EXPECT_EQ(gaveWay.count(), 1);
        EXPECT_TRUE(shownWhenGivingWay) << "the program would have no window for a moment";
        EXPECT_FALSE(splash.isVisible());
    }
}

} // namespace
