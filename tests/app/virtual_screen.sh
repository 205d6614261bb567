#!/usr/bin/env bash
# Runs a command on a virtual X screen of its own, then stops the screen and removes what it made.
# Usage: virtual_screen.sh [--noreset] [--screen WIDTHxHEIGHTxDEPTH] [--] COMMAND [ARGUMENTS...]
#
# The server tells its display number once it accepts connections (-displayfd), so nothing polls
# it: on a server with no client, a client that connects and leaves makes it reset, and a program
# connecting at that moment is dropped. --noreset turns those resets off, for scripts that poll
# the screen while the program starts. The command gets DISPLAY, XVFB_PID (the server's process),
# a private XDG_RUNTIME_DIR, no session bus (DBUS_SESSION_BUS_ADDRESS=disabled:, unless set) and
# no desktop portal.
set -euo pipefail

server_options=(-nolisten tcp)
screen=1024x768x24
while [ $# -gt 0 ]; do
    case $1 in
        --noreset) server_options+=(-noreset); shift ;;
        --screen) screen=$2; shift 2 ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--noreset] [--screen WxHxD] [--] COMMAND [ARGUMENTS...]" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "virtual screen: Xvfb is missing (scripts/setup xvfb)" >&2; exit 1; }

own=$(mktemp -d "${TMPDIR:-/tmp}/resomar-screen.XXXXXX")
server=
stop() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true # the server removes its socket and lock file
    fi
    rm -rf "$own"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkfifo "$own/display"
Xvfb -displayfd 3 "${server_options[@]}" -screen 0 "$screen" 3>"$own/display" >"$own/server.log" 2>&1 &
server=$!
number=
read -r number <"$own/display" || true
if [ -z "$number" ]; then
    echo "virtual screen: no X server answers (Xvfb did not start):" >&2
    cat "$own/server.log" >&2
    exit 1
fi

mkdir -m 700 "$own/runtime"
export DISPLAY=:$number XVFB_PID=$server XDG_RUNTIME_DIR=$own/runtime
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}
# Qt 6.8 asks the desktop portal for its version at start and frees the pending call only when the
# answer comes: a program that quits first leaves it to LeakSanitizer. There is no portal here.
export QT_NO_XDG_DESKTOP_PORTAL=1
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
"$@"
