#!/usr/bin/env bash
# Starts the real program on the X screen in DISPLAY and uses it as a person would: the splash
# comes first, then the main window; its "&Quitter" button ends the program with status 0.
# Usage: virtual_screen.sh --noreset -- startup_test.sh PROGRAM [--display-option|--stderr-closed]
# It polls the screen while the program starts, so the server must not reset when a client
# leaves (--noreset). With --display-option the program gets the screen through Qt's -display
# option instead of DISPLAY.
set -euo pipefail
program=$1
export LC_ALL=${LC_ALL:-C.UTF-8}
# The main window's title carries the version the program gives.
version=$("$program" --version | tr -d '\r' | sed -n 's/^Resomar //p') # Windows ends its lines with CR LF
main_title="^v${version//./\\.} Resomar \$"

command -v xdotool >/dev/null || { echo "startup test: xdotool is missing (scripts/setup installs it)"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "startup test: no X server answers: DISPLAY is not set (run it through virtual_screen.sh)"; exit 1; }
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "startup test: no X server answers on $DISPLAY"; exit 1; }

output=$(mktemp "${TMPDIR:-/tmp}/resomar-startup.XXXXXX")
pid=
finish() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -f "$output"
}
trap finish EXIT
fail() {
    echo "startup test: $*"
    if [ -s "$output" ]; then sed 's/^/  program said: /' "$output"; fi
    exit 1
}

if [ "${2:-}" = --display-option ]; then
    env -u DISPLAY "$program" -display "$DISPLAY" >"$output" 2>&1 &
elif [ "${2:-}" = --stderr-closed ]; then # and Qt warns: no XDG_RUNTIME_DIR
    env -u XDG_RUNTIME_DIR "$program" >"$output" 2>&- &
else
    "$program" >"$output" 2>&1 &
fi
pid=$!

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
# Sets shown to the window titled like $1 once it shows. Gives up, naming it $2, when the program
# ends first or after 60 s: a deadline for a program that hangs, not a pace it must keep.
wait_shown() {
    for _ in $(seq 600); do
        shown=$(visible "$1")
        [ -n "$shown" ] && return
        if ! kill -0 "$pid" 2>/dev/null; then
            local status=0
            wait "$pid" || status=$?
            pid=
            fail "the program ended with status $status before $2"
        fi
        sleep 0.1
    done
    fail "no $2 within 60 s"
}

# The splash first, alone.
splash=${RESOMAR_SPLASH:-propos de Resomar\$}
wait_shown "$splash" "its splash"
[ -z "$(visible "$main_title")" ] || fail "the main window came with the splash"

# Then the main window, and the splash gone.
wait_shown "$main_title" "its main window titled 'v$version Resomar '"
main=$shown
for _ in $(seq 100); do
    [ -z "$(visible "$splash")" ] && break
    sleep 0.1
done
[ -z "$(visible "$splash")" ] || fail "the splash stayed 10 s after the main window showed"

# "&Quitter" of the tab shown at start, the mask tab: 120, 1080 in its panel, 240, 2880 in its
# frame, 240, 900 in the window; in pixels, its middle.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + (240 + 240 + 120 + 600) / 15)) $((Y + (900 + 2880 + 1080 + 240) / 15)) click 1

for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running 30 s after \"&Quitter\""
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "ended with status $status after \"&Quitter\""
echo "startup test: splash, main window, quit with status 0"
