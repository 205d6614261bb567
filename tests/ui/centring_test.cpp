#include "harness.hpp"
#include "splash_clock.hpp"
#include "ui/centring.hpp"

#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>

namespace {

// The off-screen platform puts a thin frame around every shown window, as a window manager
// would: a window, placed centred on its own size, is centred again with its frame.
void expectCentredWithItsFrame(QWidget &window)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = window.frameGeometry();
    ASSERT_GT(outer.width(), window.width()) << "no frame to centre with";
    EXPECT_NEAR(outer.x(), screen.x() + screen.width() / 2.0 - outer.width() / 2.0, 1);
    EXPECT_NEAR(outer.y(), screen.y() + screen.height() / 2.0 - outer.height() / 2.0, 1);
}

TEST(CentringTest, TheMainWindowIsCentredWithItsFrameOnceShown)
{
    test::RecordingMessageBoxes messages;
    ui::MainWindow window(messages, ui::Pace {});
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.pos(),
        screen.topLeft()
            + QPoint(screen.width() / 2 - window.width() / 2,
                screen.height() / 2 - window.height() / 2));
    window.show();
    expectCentredWithItsFrame(window);

    // Moved by the user afterwards, it stays where it was put.
    const QPoint put = window.frameGeometry().topLeft() + QPoint(40, 30);
    window.move(put);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().topLeft(), put);
}

TEST(CentringTest, TheSplashIsCentredWithItsFrame)
{
    ui::Apropos splash;
    test::SplashClock clock(splash);
    splash.Form_Load();
    expectCentredWithItsFrame(splash);
}

// A move the window gets before any window manager has framed it is not taken for the framing.
TEST(CentringTest, AMoveBeforeTheFrameIsNotTheFrame)
{
    QWidget window;
    window.setFixedSize(200, 100);
    ui::centreOnScreen(window);
    QMoveEvent early(window.pos(), window.pos());
    QCoreApplication::sendEvent(&window, &early);
    window.show();
    expectCentredWithItsFrame(window);
}

// Larger than the screen one way or the other, it keeps its top-left corner (title bar, tabs,
// "Quitter") on the screen.
TEST(CentringTest, AWindowLargerThanTheScreenKeepsItsTopLeftOnIt)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QSize size : {QSize(available.width() * 2, 10), QSize(10, available.height() * 2)}) {
        QWidget window;
        window.setFixedSize(size);
        ui::centreOnScreen(window);
        EXPECT_TRUE(available.contains(window.pos())) << size.width() << "x" << size.height();
    }
}

} // namespace
