#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <mutex>
#include <vector>

// Opening the screen. The program never probes the display itself: a throwaway connection to a
// fresh X server with no other client makes it reset under Qt's real connection. Qt opens the
// platform alone; when it gives up, the guard below turns its abort into one line.

namespace app {

// Puts /dev/null in the place of any of the three standard descriptors that is closed, before
// anything else opens a file: else the X connection takes descriptor 2 and Qt's first warning is
// written into it. Each is opened the other way round (standard output read-only), so that using
// it still fails as on a closed one ("--help >&-" is a write error) without reaching another file.
void occupyClosedStandardStreams();

// While the application object is made, holds Qt's messages back. If Qt then gives up because no
// platform opens (its fatal message, followed by an abort), prints one line with Qt's reason, in
// the user's language, and ends the program with status 1. release(), or the destructor, hands
// the held messages on to the previous handler and puts it back, less what came up to Qt's last
// platform warning: that was said of a platform that did not open, since one did (a Wayland
// session falling back to X says two or three lines otherwise). One guard at a time.
class PlatformGuard
{
public:
    PlatformGuard(int &argc, char **argv);
    ~PlatformGuard();
    PlatformGuard(const PlatformGuard &) = delete;
    PlatformGuard &operator=(const PlatformGuard &) = delete;

    void release();

private:
    struct Held
    {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString text;
    };
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);

    int &argc_; // Qt takes its own options out of these as it goes
    char **argv_;
    QtMessageHandler previous_ = nullptr;
    std::mutex heldLock_; // Qt's threads may speak while the application is made
    std::vector<Held> held_;
    bool active_ = true;
};

// Once the screen is open, for the rest of the run: when the connection to the X server or the
// Wayland compositor breaks, Qt says so in English and ends the program with status 1; the
// program says it first in one line of its own, in the user's language, instead of Qt's lines.
void sayLostScreen();

// Once the application exists: a refusal in one line when its screen cannot be used (Qt 6.4 crashes
// on an 8-bit X display as soon as a text box takes focus), or an empty text.
[[nodiscard]] QString unusableScreen();

} // namespace app
