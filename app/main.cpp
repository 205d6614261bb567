#include "ui/look.hpp"
#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"
#include "ui/splash.hpp"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Qt aborts with a long message when no display answers; say it in one line instead.
bool displayReachable()
{
    if (std::getenv("QT_QPA_PLATFORM") || std::getenv("WAYLAND_DISPLAY"))
        return true;
    const char *display = std::getenv("DISPLAY");
    return display && *display;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayReachable()) {
        std::fputs("resomar: no display to open the window on (DISPLAY is not set); "
                   "to run it without a screen: xvfb-run build/app/resomar\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    ui::applyLook(app);

    ui::ModalMessageBoxes messages;
    std::unique_ptr<ui::MainWindow> window;
    ui::TimerSplashClock clock;
    ui::Apropos splash(clock, [&] {
        window = std::make_unique<ui::MainWindow>(messages);
        return window.get();
    });
    splash.Form_Load();
    return app.exec();
}
