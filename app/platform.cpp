#include "platform.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace app {
namespace {

// A message handler is a plain function: it finds the guard through this pointer.
PlatformGuard *activeGuard = nullptr;

// The value of one of Qt's own options ("-platform xcb", "--display :1"), or an empty text.
QString qtOption(const QStringList &arguments, const QString &name)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == '-' + name || arguments[i] == "--" + name)
            return arguments[i + 1];
    }
    return {};
}

// Whether a plugin of this key ("xcb", "wayland") is among the files ("libqxcb.so",
// "libqwayland-generic.so").
bool installed(const QString &key, const QStringList &platformPlugins)
{
    for (const QString &file : platformPlugins) {
        const QString name = file.section('.', 0, 0).remove(QRegularExpression("^libq?"));
        if (name == key || name.startsWith(key + '-'))
            return true;
    }
    return false;
}

} // namespace

PlatformGuard::PlatformGuard(int argc, char **argv)
{
    for (int i = 0; i < argc; ++i)
        arguments_ << QString::fromLocal8Bit(argv[i]);
    activeGuard = this;
    previous_ = qInstallMessageHandler(&PlatformGuard::handle);
}

PlatformGuard::~PlatformGuard()
{
    release();
}

void PlatformGuard::release()
{
    if (!active_)
        return;
    active_ = false;
    qInstallMessageHandler(previous_);
    activeGuard = nullptr;
    const std::lock_guard lock(heldLock_);
    for (const Held &message : held_) {
        const auto text
            = [](const QByteArray &bytes) { return bytes.isNull() ? nullptr : bytes.constData(); };
        const QMessageLogContext context(
            text(message.file), message.line, text(message.function), text(message.category));
        previous_(message.type, context, message.text);
    }
    held_.clear();
}

void PlatformGuard::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    PlatformGuard &guard = *activeGuard;
    if (type != QtFatalMsg) {
        const std::lock_guard lock(guard.heldLock_);
        guard.held_.push_back(
            {type, context.file, context.function, context.category, context.line, text});
        return;
    }
    // Qt aborts as soon as this returns: say it in one line and end here.
    const QString why = whyNoPlatform(
        guard.arguments_, QProcessEnvironment::systemEnvironment(), installedPlatformPlugins());
    std::fputs(qPrintable(noPlatformMessage(why, guard.arguments_.value(0, "resomar"))), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

QString whyNoPlatform(const QStringList &arguments, const QProcessEnvironment &environment,
    const QStringList &platformPlugins)
{
    QString requested = qtOption(arguments, "platform");
    if (requested.isEmpty())
        requested = environment.value("QT_QPA_PLATFORM");
    const QString wayland = environment.value("WAYLAND_DISPLAY");
    if (requested.isEmpty()) {
        // What Qt tries by itself: Wayland first in a Wayland session, then X.
        const bool waylandSession
            = !wayland.isEmpty() || environment.value("XDG_SESSION_TYPE") == "wayland";
        requested = waylandSession ? "wayland;xcb" : "xcb";
    }
    // A list such as "wayland;xcb" is tried in order; "xcb:option=value" carries options.
    const QStringList keys = requested.split(';', Qt::SkipEmptyParts);
    for (const QString &platform : keys) {
        const QString key = platform.section(':', 0, 0);
        if (!installed(key, platformPlugins)) {
            return key.startsWith("wayland")
                ? QCoreApplication::translate("main", "the qt6-wayland package is not installed")
                : QCoreApplication::translate("main", "Qt has no \"%1\" platform plugin").arg(key);
        }
    }

    const QString first = keys.value(0).section(':', 0, 0);
    if (first.startsWith("wayland")) {
        return QCoreApplication::translate("main", "no Wayland compositor answers on %1")
            .arg(wayland.isEmpty() ? QStringLiteral("wayland-0") : wayland);
    }
    if (first != "xcb")
        return QCoreApplication::translate("main", "Qt could not open \"%1\"").arg(first);
    QString display = qtOption(arguments, "display");
    if (display.isEmpty())
        display = environment.value("DISPLAY");
    if (display.isEmpty())
        return QCoreApplication::translate("main", "DISPLAY is not set");
    return QCoreApplication::translate("main", "no X server answers on %1").arg(display);
}

QStringList installedPlatformPlugins()
{
    QStringList folders;
    const QString own = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!own.isEmpty())
        folders << own;
    for (const QString &path : QCoreApplication::libraryPaths())
        folders << path + "/platforms";
    QStringList files;
    for (const QString &folder : folders)
        files << QDir(folder).entryList({"*.so"}, QDir::Files);
    return files;
}

QString noPlatformMessage(const QString &why, const QString &program)
{
    return QCoreApplication::translate("main",
        "resomar: no display to open the window on (%1); to run it without a screen: xvfb-run "
        "%2\n")
        .arg(why, program);
}

QString unusableScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() >= 16)
        return {};
    return QCoreApplication::translate(
        "main", "resomar : l'écran n'a que %1 bits par pixel ; il en faut au moins 16.\n")
        .arg(screen->depth());
}

} // namespace app
