#include "ui/look.hpp"
#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"
#include "ui/splash.hpp"
#include "ui/translations.hpp"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Whether a local X display such as ":0" or ":1.0" answers on its socket. Remote displays
// ("host:0") are left to Qt.
bool localXServerAnswers(const std::string &display)
{
    if (display.empty() || display.front() != ':')
        return true;
    const std::string number = display.substr(1, display.find('.') - 1);
    const std::string path = "/tmp/.X11-unix/X" + number;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return true;
    path.copy(address.sun_path, path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return true;
    const bool answers
        = connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

// Qt aborts with a long message when no display answers; say it in one line instead.
const char *missingDisplay()
{
    if (std::getenv("QT_QPA_PLATFORM") || std::getenv("WAYLAND_DISPLAY"))
        return nullptr;
    const char *display = std::getenv("DISPLAY");
    if (!display || !*display)
        return "DISPLAY is not set";
    if (!localXServerAnswers(display))
        return "no X server answers on DISPLAY";
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const char *why = missingDisplay()) {
        std::fprintf(stderr,
            "resomar: no display to open the window on (%s); to run it without a screen: xvfb-run "
            "%s\n",
            why, argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    const ui::Translations translations(ui::userLanguage());
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
