#!/usr/bin/env bash
# Starts the program natively on Wayland, on a headless weston of its own, with no X display, and
# checks that its splash and then its main window come up (read from the client's protocol log,
# WAYLAND_DEBUG, so nothing else talks to the compositor).
# Usage: wayland_test.sh PROGRAM
set -euo pipefail
program=$1
test_name="wayland test"
source "$(dirname "$0")/lib.sh"
need weston

own=$(mktemp -d "${TMPDIR:-/tmp}/resomar-wayland.XXXXXX")
chmod 700 "$own"
compositor=
pid=
trap 'kill $pid $compositor 2>/dev/null || true; wait; rm -rf "$own"' EXIT
# What the program said, without the protocol log.
fail() {
    echo "$test_name: $*"
    grep -av '^\[' "$own/program.log" 2>/dev/null | sed 's/^/  program said: /' || true
    exit 1
}

export XDG_RUNTIME_DIR=$own
XDG_RUNTIME_DIR=$own weston --backend=headless-backend.so --socket=resomar-wayland --idle-time=0 \
    >"$own/weston.log" 2>&1 &
compositor=$!
# The socket is listening (flag 00010000 in /proc/net/unix) once weston accepts clients.
listening() {
    grep -q " 00010000 .* $own/resomar-wayland\$" /proc/net/unix && return
    kill -0 "$compositor" 2>/dev/null || { cat "$own/weston.log"; fail "weston did not start"; }
    false
}
wait_until 60 listening || fail "weston not listening within 60 s"

env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=resomar-wayland XDG_SESSION_TYPE=wayland \
    WAYLAND_DEBUG=client DBUS_SESSION_BUS_ADDRESS=disabled: "$program" >"$own/program.log" 2>&1 &
pid=$!
# libwayland writes an object as xdg_toplevel@15 up to 1.22 and as xdg_toplevel#15 from 1.23
# (Debian 13).
titled() {
    grep -aE -- "-> xdg_toplevel[@#][0-9]+\.set_title" "$own/program.log" | grep -aqF "set_title(\"$1\")" && return
    still_running "before its window \"$1\""
    false
}
for title in "À propos de Resomar" "v$("$program" --version | sed -n 's/^Resomar //p') Resomar "; do
    wait_until 60 titled "$title" || fail "no window \"$title\" within 60 s"
done
echo "wayland test: splash, then main window, natively on Wayland"
