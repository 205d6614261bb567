#include "session_bus.hpp"

#ifdef _WIN32

// Windows has no D-Bus session bus to autolaunch.
void app::skipBusAutolaunchWithoutHome()
{ }

#else

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace app {
namespace {

bool set(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

} // namespace

void skipBusAutolaunchWithoutHome()
{
    if (set("DBUS_SESSION_BUS_ADDRESS"))
        return;
    struct stat status
    {
    };
    if (set("XDG_RUNTIME_DIR")
        && stat((std::string(std::getenv("XDG_RUNTIME_DIR")) + "/bus").c_str(), &status) == 0
        && S_ISSOCK(status.st_mode))
        return; // libdbus finds the user's bus there by itself
    const char *home = std::getenv("HOME");
    if (home && *home && stat(home, &status) == 0 && S_ISDIR(status.st_mode)
        && access(home, W_OK | X_OK) == 0)
        return;
    // Not an address libdbus can reach, so it fails at once instead of autolaunching.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

} // namespace app

#endif
