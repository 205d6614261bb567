#include "platform.hpp"

#include "app/command_line.hpp"
#include "ui/translations.hpp"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace app {
namespace {

// A message handler is a plain function: it finds the guard through this pointer.
PlatformGuard *activeGuard = nullptr;

bool aboutThePlatform(const QByteArray &category)
{
    return category.startsWith("qt.qpa");
}

// The application does not exist yet, so no translator is installed: the line is translated here.
QString sayEarly(const char *source)
{
    return ui::translateEarly("main", source);
}

} // namespace

void occupyClosedStandardStreams()
{
#ifdef Q_OS_UNIX
    // In order, so that open() hands out the lowest free descriptor: the one just found closed.
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(descriptor, F_GETFD) == -1)
            open("/dev/null", descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
#endif
}

PlatformGuard::PlatformGuard(int &argc, char **argv)
    : argc_(argc)
    , argv_(argv)
{
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
    // What came up to Qt's last platform warning was said of a platform that did not open.
    auto told = held_.cbegin();
    for (auto it = held_.cbegin(); it != held_.cend(); ++it) {
        if (aboutThePlatform(it->category))
            told = it + 1;
    }
    for (const Held &message : std::vector<Held>(told, held_.cend())) {
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
    // Qt aborts as soon as this returns: say it in one line and end here. A mistake on the
    // command line comes first, as it would with a screen.
    QStringList arguments;
    for (int i = 0; i < guard.argc_; ++i)
        arguments << QString::fromLocal8Bit(guard.argv_[i]);
    const auto mistake = answerCommandLine(arguments, sayEarly);
    const std::lock_guard lock(guard.heldLock_);
    QString line;
    if (mistake && mistake->status != 0) {
        line = mistake->text;
    } else {
        // Qt's own words for why, from its first platform warning ("could not connect to
        // display :1"), else from this last message (-platform '' gives no warning).
        QString why = text.section('\n', 0, 0).trimmed();
        for (const Held &message : guard.held_) {
            if (aboutThePlatform(message.category)) {
                why = message.text.trimmed();
                break;
            }
        }
        line = sayEarly(QT_TRANSLATE_NOOP("main",
                            "resomar : aucun écran où ouvrir la fenêtre (%1) ; pour la lancer "
                            "sans écran : xvfb-run %2\n"))
                   .arg(printable(why), printable(arguments.value(0, "resomar")));
    }
    std::fputs(qPrintable(line), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

void sayLostScreen()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            // Qt 6.4 says it without a category ("The X11 connection broke (error 1)...").
            if (text.contains(QLatin1String("connection broke"))) {
                std::fputs(qPrintable(QCoreApplication::translate("main",
                               "resomar : la connexion à l'écran est perdue ; le programme se "
                               "ferme.\n")),
                    stderr);
                std::fflush(stderr);
                return;
            }
            previous(type, context, text);
        });
}

QString unusableScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() >= 15)
        return {};
    return QCoreApplication::translate(
        "main", "resomar : l'écran n'a que %1 bits par pixel ; il en faut au moins 15.\n")
        .arg(screen->depth());
}

} // namespace app
