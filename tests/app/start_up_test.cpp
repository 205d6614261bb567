#include "app/command_line.hpp"
#include "app/platform.hpp"
#include "app/session_bus.hpp"

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// A failed comparison prints the texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

const QStringList kAllPlatforms {"libqxcb.so", "libqoffscreen.so", "libqwayland-generic.so",
    "libqwayland-egl.so", "libqminimal.so"};
const QStringList kNoWayland {"libqxcb.so", "libqoffscreen.so", "libqminimal.so"};

struct NoPlatformCase
{
    const char *name;
    QStringList arguments;
    QStringList environment; // NAME=value
    QStringList plugins;
    QString why;
};

QProcessEnvironment environmentOf(const QStringList &settings)
{
    QProcessEnvironment environment;
    for (const QString &setting : settings)
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    return environment;
}

TEST(WhyNoPlatform, SaysWhatIsMissing)
{
    const NoPlatformCase cases[] = {
        {"nothing set", {"resomar"}, {}, kAllPlatforms, "DISPLAY is not set"},
        {"X display", {"resomar"}, {"DISPLAY=:97"}, kAllPlatforms, "no X server answers on :97"},
        {"-display wins", {"resomar", "-display", ":5"}, {"DISPLAY=:97"}, kAllPlatforms,
            "no X server answers on :5"},
        {"--display too", {"resomar", "--display", "host:1"}, {}, kAllPlatforms,
            "no X server answers on host:1"},
        {"a value is not an option", {"resomar", "-style", "-display"}, {"DISPLAY=:3"},
            kAllPlatforms, "no X server answers on :3"},
        {"Wayland session, no plugin", {"resomar"}, {"WAYLAND_DISPLAY=wayland-0"}, kNoWayland,
            "the qt6-wayland package is not installed"},
        {"Wayland session type, no plugin", {"resomar"}, {"XDG_SESSION_TYPE=wayland", "DISPLAY=:0"},
            kNoWayland, "the qt6-wayland package is not installed"},
        {"Wayland session, nobody answers", {"resomar"}, {"WAYLAND_DISPLAY=wayland-1"},
            kAllPlatforms, "no Wayland compositor answers on wayland-1"},
        {"X session, no Wayland plugin needed", {"resomar"}, {"DISPLAY=:2"}, kNoWayland,
            "no X server answers on :2"},
        {"-platform wayland, no plugin", {"resomar", "-platform", "wayland"}, {"DISPLAY=:0"},
            kNoWayland, "the qt6-wayland package is not installed"},
        {"-platform wayland-egl", {"resomar", "-platform", "wayland-egl"}, {}, kAllPlatforms,
            "no Wayland compositor answers on wayland-0"},
        {"-platform wins over the variable", {"resomar", "-platform", "xcb"},
            {"QT_QPA_PLATFORM=wayland", "DISPLAY=:4"}, kNoWayland, "no X server answers on :4"},
        {"variable", {"resomar"}, {"QT_QPA_PLATFORM=nosuch"}, kAllPlatforms,
            "Qt has no \"nosuch\" platform plugin"},
        {"a list, with options", {"resomar"}, {"QT_QPA_PLATFORM=xcb:dpi=96;nosuch"}, kAllPlatforms,
            "Qt has no \"nosuch\" platform plugin"},
        {"no X plugin at all", {"resomar"}, {"DISPLAY=:0"}, {"libqoffscreen.so"},
            "Qt has no \"xcb\" platform plugin"},
        {"another platform", {"resomar", "-platform", "vnc"}, {}, {"libqvnc.so"},
            "Qt could not open \"vnc\""},
    };
    for (const NoPlatformCase &c : cases) {
        EXPECT_EQ(app::whyNoPlatform(c.arguments, environmentOf(c.environment), c.plugins), c.why)
            << "case: " << c.name;
    }
}

TEST(NoPlatformMessage, IsOneLineNamingTheProgram)
{
    EXPECT_EQ(app::noPlatformMessage("DISPLAY is not set", "/usr/bin/resomar"),
        "resomar: no display to open the window on (DISPLAY is not set); to run it without a "
        "screen: xvfb-run /usr/bin/resomar\n");
}

struct CommandLineCase
{
    QStringList arguments;
    QString start; // of the text printed
    int status;
};

TEST(CommandLine, AnswersHelpVersionAndMistakes)
{
    const CommandLineCase cases[] = {
        {{"resomar", "--help"}, "Utilisation : resomar [options]\n", 0},
        {{"resomar", "-h"}, "Utilisation : resomar [options]\n", 0},
        {{"resomar", "--version"}, "Resomar " RESOMAR_VERSION "\n", 0},
        {{"resomar", "-v"}, "Resomar " RESOMAR_VERSION "\n", 0},
        {{"resomar", "--nosuch", "--help"}, "Utilisation : resomar [options]\n", 0},
        {{"resomar", "--nosuch"}, "resomar : option inconnue : nosuch\n", 1},
        {{"resomar", "fichier"}, "resomar : argument inattendu : fichier\n", 1},
    };
    for (const CommandLineCase &c : cases) {
        const auto answer = app::answerCommandLine(c.arguments);
        ASSERT_TRUE(answer) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(answer->text.startsWith(c.start)) << answer->text.toStdString();
        EXPECT_EQ(answer->status, c.status) << c.arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(app::answerCommandLine({"resomar"}));
}

TEST(CommandLine, HelpListsEveryOptionOfTheProgram)
{
    const QString help = app::answerCommandLine({"resomar", "--help"})->text;
    EXPECT_TRUE(help.contains("  -h, --help  ")) << help.toStdString();
    EXPECT_TRUE(help.contains("  -v, --version  ")) << help.toStdString();
    EXPECT_TRUE(help.contains("-platform")) << help.toStdString();
}

TEST(CommandLine, OnlyHelpAndVersionNeedNoScreen)
{
    const struct
    {
        std::vector<const char *> arguments;
        bool textOnly;
    } cases[] = {
        {{"resomar"}, false},
        {{"resomar", "--help"}, true},
        {{"resomar", "-platform", "offscreen", "-v"}, true},
        {{"resomar", "--version"}, true},
        {{"resomar", "--helpful"}, false},
        {{"resomar", "-display", ":1"}, false},
    };
    for (const auto &c : cases) {
        std::vector<char *> argv;
        for (const char *argument : c.arguments)
            argv.push_back(const_cast<char *>(argument));
        EXPECT_EQ(app::asksOnlyForText(static_cast<int>(argv.size()), argv.data()), c.textOnly)
            << c.arguments.back();
    }
}

// Sets or unsets an environment variable for one test, and puts it back.
class Variable
{
public:
    Variable(const char *name, const char *value)
        : name_(name)
    {
        if (const char *old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~Variable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char *name_;
    std::optional<std::string> old_;
};

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
    for (const auto &c : cases) {
        Variable address("DBUS_SESSION_BUS_ADDRESS", c.address);
        Variable homeVariable("HOME", c.home);
        Variable runtimeVariable("XDG_RUNTIME_DIR", c.runtime);
        app::skipBusAutolaunchWithoutHome();
        const char *now = std::getenv("DBUS_SESSION_BUS_ADDRESS");
        EXPECT_EQ(now ? std::string(now) : "(unset)", c.expected ? c.expected : "(unset)")
            << "HOME=" << (c.home ? c.home : "(unset)")
            << " XDG_RUNTIME_DIR=" << (c.runtime ? c.runtime : "(unset)");
    }
    close(listening);
}

} // namespace
