#!/usr/bin/env bash
# Runs the real program on a virtual screen with a session bus of its own (and its own
# accessibility bus, started on demand), read as a screen reader reads it: over AT-SPI
# (tests/a11y/atspi_tree.py), or by the real Orca screen reader, driven from the keyboard through
# the three tasks, which is what a blind user hears (tests/a11y/orca_walk.py).
# Usage: screen_reader_test.sh PROGRAM atspi|orca [english]
#
# Orca refuses to start while another Orca of the same user runs anywhere on the machine: the
# walk gets a process namespace of its own where it can (root, or user namespaces), whose
# processes all end with it; elsewhere it waits for the other Orcas to end. Orca says nothing of
# a window without a window manager: openbox frames ours.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-} reader=${2:-}
[[ $reader = atspi || $reader = orca ]] || { echo "usage: $0 PROGRAM atspi|orca [english]" >&2; exit 2; }
shift 2
test_name=$([ "$reader" = orca ] && echo "Orca test" || echo "AT-SPI test")
source "$here/../app/lib.sh"

need xdotool dbus-run-session
[ "$reader" = atspi ] || need orca openbox xprop
python=/usr/bin/python3 # Debian's own, the one Orca and python3-pyatspi run on
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"

if [ "$reader" = orca ] && [ -z "${RESOMAR_READER_STAGE:-}" ]; then
    export RESOMAR_READER_STAGE=namespace
    namespace=(unshare --pid --fork --kill-child --mount-proc)
    [ "$(id -u)" = 0 ] || namespace=(unshare --user --map-root-user --pid --fork --kill-child --mount-proc)
    if "${namespace[@]}" true 2>/dev/null; then
        exec "${namespace[@]}" "$0" "$program" "$reader" "$@"
    fi
    echo "$test_name: no process namespace here: waiting for other Orcas of this user to end"
    for _ in $(seq 600); do
        pgrep -u "$(id -u)" -x orca >/dev/null || break
        sleep 1
    done
fi
# A screen that does not reset when a poll's client leaves, and a session bus of its own.
if [ "${RESOMAR_READER_STAGE:-}" != screen ]; then
    export RESOMAR_READER_STAGE=screen
    exec "$here/../app/virtual_screen.sh" --noreset -- dbus-run-session -- "$0" "$program" "$reader" "$@"
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
if [ "$reader" = atspi ]; then
    export LC_ALL=C.UTF-8 LANGUAGE='' # the French of a fresh account
    exec "$python" "$here/atspi_tree.py" "$program"
fi
export HOME=$XDG_RUNTIME_DIR # private to this run: openbox's and Orca's files go with the screen
wm=
trap 'kill "$wm" 2>/dev/null || true' EXIT
start_openbox
"$python" "$here/orca_walk.py" "$program" "$@"
