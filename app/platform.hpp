#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <mutex>
#include <vector>

// Opening the screen. The program never probes the display itself: a throwaway connection to a
// fresh X server with no other client makes it reset under Qt's real connection. Qt opens the
// platform alone; when it gives up, the guard below turns its abort into one line.

namespace app {

// While the application object is made, holds Qt's messages back. If Qt then gives up because no
// platform opens (its fatal message, followed by an abort), prints one line saying what is
// missing and ends the program with status 1. release(), or the destructor, hands the held
// messages on to the previous handler and puts it back. One guard at a time.
class PlatformGuard
{
public:
    PlatformGuard(int argc, char **argv);
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

    QStringList arguments_;
    QtMessageHandler previous_ = nullptr;
    std::mutex heldLock_; // Qt's threads may speak while the application is made
    std::vector<Held> held_;
    bool active_ = true;
};

// Why no platform could be opened, in a few words, from the command line as given (Qt's own
// -platform and -display options included), the environment and the platform plugins installed
// (file names such as "libqxcb.so").
[[nodiscard]] QString whyNoPlatform(const QStringList &arguments,
    const QProcessEnvironment &environment, const QStringList &platformPlugins);

// The platform plugins' file names in every folder Qt looks in.
[[nodiscard]] QStringList installedPlatformPlugins();

// The one line said when no platform opens.
[[nodiscard]] QString noPlatformMessage(const QString &why, const QString &program);

// Once the application exists: a refusal in one line when its screen cannot be used (Qt 6.4 crashes
// on an 8-bit X display as soon as a text box takes focus), or an empty text.
[[nodiscard]] QString unusableScreen();

} // namespace app
