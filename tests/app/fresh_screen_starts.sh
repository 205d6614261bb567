#!/usr/bin/env bash
# Starts the program RESOMAR_STARTS times in a row (5 unless set), each time on a fresh virtual X
# screen with the server's default behaviour: it resets when its last client leaves, so a program
# that touches the display before Qt holds its own connection is dropped now and then. Nothing
# else talks to the server while the program connects: the test watches the server's sockets
# from /proc until it has a client, and only then looks for a window, once, on one connection.
# Usage: fresh_screen_starts.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
starts=${RESOMAR_STARTS:-5}

if [ -z "${RESOMAR_FRESH_SCREEN:-}" ]; then
    failures=0
    for run in $(seq "$starts"); do
        RESOMAR_FRESH_SCREEN=1 "$here/virtual_screen.sh" -- "$0" "$program" || {
            failures=$((failures + 1))
            echo "fresh screen starts: start $run of $starts failed"
        }
    done
    echo "fresh screen starts: $failures failures in $starts starts (RESOMAR_STARTS sets the count)"
    exit $((failures > 0))
fi

# One start, on the screen virtual_screen.sh has just made.
test_name="fresh screen starts"
source "$here/lib.sh"
sockets() { find "/proc/$XVFB_PID/fd" -lname 'socket:*' 2>/dev/null | wc -l; }
title=$(main_title "$program")
listening=$(sockets)
output=$(mktemp "${TMPDIR:-/tmp}/resomar-start.XXXXXX")
trap 'rm -f "$output"' EXIT
"$program" >"$output" 2>&1 &
pid=$!
connected() { [ "$(sockets)" -gt "$listening" ] || { still_running "before it connected"; false; }; }
wait_until 60 connected || { kill "$pid"; fail "no connection to the X server within 60 s"; }

if ! timeout 60 xdotool search --sync --onlyvisible --name "propos de Resomar\$|$title" >/dev/null 2>&1; then
    still_running "before its first window"
    kill "$pid"
    fail "no window within 60 s"
fi
still_running "once its window showed"
kill "$pid"
wait "$pid" 2>/dev/null || true
