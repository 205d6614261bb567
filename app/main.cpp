#include "app/command_line.hpp"
#include "app/platform.hpp"
#include "app/session_bus.hpp"
#include "ui/look.hpp"
#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"
#include "ui/splash.hpp"
#include "ui/translations.hpp"

#include <QApplication>
#include <cstdio>
#include <memory>
#ifdef Q_OS_WIN
#include "app/windows_console.hpp"
#endif

int main(int argc, char *argv[])
{
    app::occupyClosedStandardStreams();
    app::skipBusAutolaunchWithoutHome();
#ifdef Q_OS_WIN
    // Windows' own engine draws the small Liberation faces without smoothing and their bold thin;
    // Qt's FreeType engine draws them as on Linux (and as the tests measure them, off screen).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif

    // --help and --version need no screen, so they get an application without one.
    std::unique_ptr<QCoreApplication> application;
    {
        app::PlatformGuard guard(argc, argv);
        if (app::asksOnlyForText(argc, argv))
            application = std::make_unique<QCoreApplication>(argc, argv);
        else
            application = std::make_unique<QApplication>(argc, argv);
    }
    // Translations load once the application exists and before anything the program says is made
    // (the guard translates its one line when no screen opens by itself).
    const ui::Translations translations(ui::userLanguage());

#ifdef Q_OS_WIN
    const QStringList arguments = app::withWindowsHelpSwitch(QCoreApplication::arguments());
    if (const auto answer = app::answerCommandLine(arguments))
        return app::printOnConsole(*answer);
#else
    if (const auto answer = app::answerCommandLine(QCoreApplication::arguments()))
        return app::print(*answer);
#endif
    if (const QString refusal = app::unusableScreen(); !refusal.isEmpty()) {
        std::fputs(qPrintable(refusal), stderr);
        return 1;
    }

    app::sayLostScreen();

    // Only what is answered above runs without the windowed application.
    QApplication &gui = *qApp;
    ui::applyLook(gui);
    ui::ModalMessageBoxes messages;
    // The start-up order: the splash first; when it gives way, the main window, made then.
    ui::Apropos splash;
    std::unique_ptr<ui::MainWindow> window;
    QObject::connect(&splash, &ui::Apropos::gaveWay, &splash, [&] {
        window = std::make_unique<ui::MainWindow>(messages);
        window->show();
    });
    splash.Form_Load();
    return gui.exec();
}
