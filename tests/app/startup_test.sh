#!/usr/bin/env bash
# Starts the real program on a virtual screen and uses it as a person would: the splash comes
# first, then the main window; its "&Quitter" button ends the program with status 0.
set -euo pipefail
program=$1
export LC_ALL=${LC_ALL:-C.UTF-8}

for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "startup test: $tool is missing (scripts/setup installs it)"; exit 1; }
done

if [ -z "${RESOMAR_ON_XVFB:-}" ]; then
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    RESOMAR_ON_XVFB=1 XDG_RUNTIME_DIR=$runtime exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM # a real X server this time
for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

fail() { echo "startup test: $*"; kill "$pid" 2>/dev/null || true; exit 1; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
# Prints the window titled like $2 once it shows, waiting up to $1 tenths of a second.
wait_shown() {
    for _ in $(seq "$1"); do
        local id
        id=$(visible "$2")
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
}

"$program" &
pid=$!

# The splash first, alone.
splash=$(wait_shown 50 'propos de Resomar$')
[ -n "$splash" ] || fail "no splash window within 5 s"
[ -z "$(visible '^v1\.20 Resomar $')" ] || fail "the main window came with the splash"

# Then the main window, about two seconds later, and the splash gone.
main=$(wait_shown 100 '^v1\.20 Resomar $')
[ -n "$main" ] || fail "no main window titled 'v1.20 Resomar ' within 10 s"
sleep 0.3
[ -z "$(visible 'propos de Resomar$')" ] || fail "the splash stayed"

# "&Quitter" of the tab shown at start, the mask tab: 120, 1080 in its panel, 240, 2880 in its
# frame, 240, 900 in the window; in pixels, its middle.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + (240 + 240 + 120 + 600) / 15)) $((Y + (900 + 2880 + 1080 + 240) / 15)) click 1

for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running 5 s after \"&Quitter\""
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "ended with status $status"
echo "startup test: splash, main window, quit with status 0"
