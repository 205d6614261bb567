#!/usr/bin/env bash
# What a blind user hears: the real program read by the real Orca screen reader, driven from the
# keyboard through the three tasks (tests/a11y/orca_walk.py). Usage: orca_test.sh PROGRAM [english]
#
# Orca refuses to start while another Orca of the same user runs anywhere on the machine: the
# walk gets a process namespace of its own where it can (root, or user namespaces), whose
# processes all end with it; elsewhere it waits for the other Orcas to end. Orca says nothing of
# a window without a window manager: openbox frames ours.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
test_name="Orca test"
source "$here/../app/lib.sh"

need orca openbox xprop xdotool dbus-run-session
python=/usr/bin/python3 # Debian's own, the one Orca and python3-pyatspi run on
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"

if [ -z "${RESOMAR_ORCA_STAGE:-}" ]; then
    export RESOMAR_ORCA_STAGE=namespace
    namespace=(unshare --pid --fork --kill-child --mount-proc)
    [ "$(id -u)" = 0 ] || namespace=(unshare --user --map-root-user --pid --fork --kill-child --mount-proc)
    if "${namespace[@]}" true 2>/dev/null; then
        exec "${namespace[@]}" "$0" "$@"
    fi
    echo "$test_name: no process namespace here: waiting for other Orcas of this user to end"
    for _ in $(seq 600); do
        pgrep -u "$(id -u)" -x orca >/dev/null || break
        sleep 1
    done
fi
if [ "$RESOMAR_ORCA_STAGE" != screen ]; then
    # A screen that does not reset between clients, and a session bus of its own (with its own
    # accessibility bus, started on demand).
    export RESOMAR_ORCA_STAGE=screen
    exec "$here/../app/virtual_screen.sh" --noreset -- dbus-run-session -- "$0" "$@"
fi

export HOME=$XDG_RUNTIME_DIR # private to this run: openbox's and Orca's files go with the screen
wm=
trap 'kill "$wm" 2>/dev/null || true' EXIT
start_openbox
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
"$python" "$here/orca_walk.py" "$@"
