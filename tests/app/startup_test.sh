#!/usr/bin/env bash
# Starts the real program on the X screen in DISPLAY and uses it as a person would: the splash
# comes first, then the main window; its "&Quitter" button ends the program with status 0.
# Usage: virtual_screen.sh --noreset -- startup_test.sh PROGRAM [--display-option|--stderr-closed]
# It polls the screen while the program starts, so the server must not reset when a client
# leaves (--noreset). With --display-option the program gets the screen through Qt's -display
# option instead of DISPLAY.
set -euo pipefail
program=$1
test_name="startup test"
source "$(dirname "$0")/lib.sh"
export LC_ALL=${LC_ALL:-C.UTF-8}
main_title=$(main_title "$program")

need xdotool
[ -n "${DISPLAY:-}" ] || fail "no X server answers: DISPLAY is not set (run it through virtual_screen.sh)"
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "no X server answers on $DISPLAY"

output=$(mktemp "${TMPDIR:-/tmp}/resomar-startup.XXXXXX")
pid=
trap 'kill $pid 2>/dev/null || true; rm -f "$output"' EXIT

if [ "${2:-}" = --display-option ]; then
    env -u DISPLAY "$program" -display "$DISPLAY" >"$output" 2>&1 &
elif [ "${2:-}" = --stderr-closed ]; then # and Qt warns: no XDG_RUNTIME_DIR
    env -u XDG_RUNTIME_DIR "$program" >"$output" 2>&- &
else
    "$program" >"$output" 2>&1 &
fi
pid=$!

# Whether the window titled like $1 is on show; fails when the program has ended before it ($2).
appeared() { shown "$1" || { still_running "before $2"; false; }; }
gone() { ! shown "$1"; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

# The splash first, alone.
splash=${RESOMAR_SPLASH:-propos de Resomar\$}
wait_until 60 appeared "$splash" "its splash" || fail "no splash within 60 s"
gone "$main_title" || fail "the main window came with the splash"

# Then the main window, and the splash gone.
wait_until 60 appeared "$main_title" "its main window" || fail "no main window titled like '$main_title' within 60 s"
wait_until 10 gone "$splash" || fail "the splash stayed 10 s after the main window showed"

# "&Quitter" of the tab shown at start, the mask tab: 120, 1080 in its panel, 240, 2880 in its
# frame, 240, 900 in the window; in pixels, its middle.
eval "$(xdotool getwindowgeometry --shell "$(visible "$main_title")")"
xdotool mousemove $((X + (240 + 240 + 120 + 600) / 15)) $((Y + (900 + 2880 + 1080 + 240) / 15)) click 1

wait_until 30 ended || fail "still running 30 s after \"&Quitter\""
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "ended with status $status after \"&Quitter\""
echo "startup test: splash, main window, quit with status 0"
