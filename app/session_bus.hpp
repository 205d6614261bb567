#pragma once

namespace app {

// With no session bus known (DBUS_SESSION_BUS_ADDRESS unset, no $XDG_RUNTIME_DIR/bus), D-Bus
// autolaunches one through dbus-launch, which records it under $HOME; with HOME unusable that
// costs the splash seconds. Only in that case is the bus turned off for this process, before Qt
// starts. A bus that exists is always used: a screen reader talks to the program through it.
void skipBusAutolaunchWithoutHome();

} // namespace app
