#include "app/command_line.hpp"
#include "app/session_bus.hpp"
#include "tests/printers.hpp"

#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Where nothing is printed the program goes on to its windows. Whether it needs a screen for that
// is the same reading: the command line's fuzz target checks it for every argument vector.
TEST(CommandLine, AnswersHelpVersionAndMistakes)
{
    const struct
    {
        QStringList arguments;
        QString start; // of the text printed; none where the program goes on to its windows
        int status;
    } cases[] = {
        {{"resomar"}, {}, 0},
        {{"resomar", "-display", ":1"}, {}, 0},
        {{"resomar", "--help"}, "Utilisation : resomar [options]\n", 0},
        {{"resomar", "-h"}, "Utilisation : resomar [options]\n", 0},
        {{"resomar", "--version"}, "Resomar " RESOMAR_VERSION "\n", 0},
        {{"resomar", "-platform", "offscreen", "-v"}, "Resomar " RESOMAR_VERSION "\n", 0},
        {{"resomar", "--nosuch", "--help"}, "Utilisation : resomar [options]\n", 0},
        {{"resomar", "--nosuch"}, "resomar : option inconnue : --nosuch\n", 1},
        {{"resomar", "--helpful"}, "resomar : option inconnue : --helpful\n", 1},
        {{"resomar", "-style", "-h"}, "resomar : il manque la valeur de l'option -style\n", 1},
        {{"resomar", "--display", "--version"},
            "resomar : il manque la valeur de l'option --display\n", 1},
        {{"resomar", "-reverse=1"}, "resomar : argument inattendu : -reverse=1\n", 1},
        {{"resomar", "fichier"}, "resomar : argument inattendu : fichier\n", 1},
        {{"resomar", "-display"}, "resomar : il manque la valeur de l'option -display\n", 1},
        {{"resomar", "-style", "x", "-reverse", "-nosuch=1"},
            "resomar : option inconnue : -nosuch\n", 1},
        {{"resomar", "--\x1b[2J\u009b"}, "resomar : option inconnue : --\\x1b[2J\\x9b\n", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const auto answer = app::answerCommandLine(c.arguments);
        ASSERT_EQ(answer.has_value(), !c.start.isEmpty());
        if (answer) {
            EXPECT_TRUE(answer->text.startsWith(c.start)) << answer->text;
            EXPECT_EQ(answer->status, c.status);
        }
    }
}

TEST(CommandLine, HelpListsEveryOptionOfTheProgram)
{
    const QString help = app::answerCommandLine({"resomar", "--help"})->text;
    for (const char *option : {"  -h, --help  ", "  -v, --version  ", "-platform"})
        EXPECT_TRUE(help.contains(option)) << help;
}

TEST(SessionBus, TurnedOffOnlyWhenAutolaunchWouldNeedAnUnusableHome)
{
    QTemporaryDir home, runtime, userRuntime;
    const std::string usable = home.path().toStdString();
    const std::string noBus = runtime.path().toStdString();
    // A user's bus where libdbus looks when DBUS_SESSION_BUS_ADDRESS is unset.
    const std::string withBus = userRuntime.path().toStdString();
    sockaddr_un bus {};
    bus.sun_family = AF_UNIX;
    (withBus + "/bus").copy(bus.sun_path, sizeof bus.sun_path - 1);
    const int listening = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_EQ(bind(listening, reinterpret_cast<const sockaddr *>(&bus), sizeof bus), 0);

    const struct
    {
        const char *address, *home, *runtime;
        const char *expected;
    } cases[] = {
        {"unix:path=/run/user/1000/bus", "/nonexistent", noBus.c_str(),
            "unix:path=/run/user/1000/bus"},
        {nullptr, "/nonexistent", withBus.c_str(), nullptr},
        {nullptr, usable.c_str(), noBus.c_str(), nullptr},
        {nullptr, "/nonexistent", noBus.c_str(), "disabled:"},
        {nullptr, nullptr, noBus.c_str(), "disabled:"},
        {nullptr, "/etc/hostname", nullptr, "disabled:"}, // not a folder
        {nullptr, "/proc/1", noBus.c_str(), "disabled:"}, // a folder nobody may write, root neither
    };
    // Each case sets the three variables read; the test's own come back at its end.
    const auto set = [](const char *name, const char *value) {
        value ? setenv(name, value, 1) : unsetenv(name);
    };
    const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
    for (const auto &c : cases) {
        set("DBUS_SESSION_BUS_ADDRESS", c.address);
        set("HOME", c.home);
        set("XDG_RUNTIME_DIR", c.runtime);
        app::skipBusAutolaunchWithoutHome();
        const char *now = std::getenv("DBUS_SESSION_BUS_ADDRESS");
        EXPECT_EQ(now ? std::string(now) : "(unset)", c.expected ? c.expected : "(unset)")
            << "HOME=" << (c.home ? c.home : "(unset)")
            << " XDG_RUNTIME_DIR=" << (c.runtime ? c.runtime : "(unset)");
    }
    for (const char *name : {"DBUS_SESSION_BUS_ADDRESS", "HOME", "XDG_RUNTIME_DIR"})
        set(name, before.contains(name) ? qPrintable(before.value(name)) : nullptr);
    close(listening);
}

} // namespace
