#!/usr/bin/env bash
# Starts the program natively on Wayland, on a headless weston of its own, with no X display, and
# checks that its splash and then its main window come up (read from the client's protocol log,
# WAYLAND_DEBUG, so nothing else talks to the compositor).
# Usage: wayland_test.sh PROGRAM
set -euo pipefail
program=$1

command -v weston >/dev/null || { echo "wayland test: weston is missing (scripts/setup weston)"; exit 1; }
own=$(mktemp -d "${TMPDIR:-/tmp}/resomar-wayland.XXXXXX")
chmod 700 "$own"
compositor=
pid=
stop() {
    for process in $pid $compositor; do
        kill "$process" 2>/dev/null || true
        wait "$process" 2>/dev/null || true
    done
    rm -rf "$own"
}
trap stop EXIT
fail() {
    echo "wayland test: $*"
    grep -av '^\[' "$own/program.log" 2>/dev/null | sed 's/^/  program said: /' || true
    exit 1
}

export XDG_RUNTIME_DIR=$own
XDG_RUNTIME_DIR=$own weston --backend=headless-backend.so --socket=resomar-wayland --idle-time=0 \
    >"$own/weston.log" 2>&1 &
compositor=$!
# The socket is listening (flag 00010000 in /proc/net/unix) once weston accepts clients.
for _ in $(seq 600); do
    grep -q " 00010000 .* $own/resomar-wayland\$" /proc/net/unix && break
    kill -0 "$compositor" 2>/dev/null || { cat "$own/weston.log"; fail "weston did not start"; }
    sleep 0.1
done
grep -q " 00010000 .* $own/resomar-wayland\$" /proc/net/unix || fail "weston not listening within 60 s"

env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=resomar-wayland XDG_SESSION_TYPE=wayland \
    WAYLAND_DEBUG=client DBUS_SESSION_BUS_ADDRESS=disabled: "$program" >"$own/program.log" 2>&1 &
pid=$!
# Deadlines for a program that hangs, not a pace it must keep. libwayland writes an object as
# xdg_toplevel@15 up to 1.22 and as xdg_toplevel#15 from 1.23 (Debian 13).
wait_title() {
    for _ in $(seq 600); do
        grep -aE -- "-> xdg_toplevel[@#][0-9]+\.set_title" "$own/program.log" | grep -aqF "set_title(\"$1\")" && return
        if ! kill -0 "$pid" 2>/dev/null; then
            local status=0
            wait "$pid" || status=$?
            pid=
            fail "the program ended with status $status before its window \"$1\""
        fi
        sleep 0.1
    done
    fail "no window \"$1\" within 60 s"
}
wait_title "À propos de Resomar"
wait_title "v$("$program" --version | sed -n 's/^Resomar //p') Resomar "
echo "wayland test: splash, then main window, natively on Wayland"
