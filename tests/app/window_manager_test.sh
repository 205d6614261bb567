#!/usr/bin/env bash
# Starts the real program under a window manager (openbox), which puts a title
# bar and a frame around the main window: the window must end up centred on the screen with its
# outer size, frame included.
set -euo pipefail
program=$1
export LC_ALL=${LC_ALL:-C.UTF-8}

for tool in xdotool xprop xwininfo openbox; do
    command -v "$tool" >/dev/null || { echo "window manager test: $tool is missing (scripts/setup installs it)"; exit 1; }
done
[ -n "${XVFB_PID:-}" ] || { echo "window manager test: run it through virtual_screen.sh --noreset"; exit 1; }
runtime=$XDG_RUNTIME_DIR # private to this run, removed with the screen
export HOME=$runtime    # openbox keeps its cache and session files there
pid='' wm=''
cleanup() {
    kill $pid $wm 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

fail() { echo "window manager test: $*"; exit 1; }

openbox >"$runtime/openbox.log" 2>&1 &
wm=$!
# Openbox names itself on the root window once it manages the screen.
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    kill -0 "$wm" 2>/dev/null || fail "openbox ended: $(cat "$runtime/openbox.log")"
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' \
    || fail "openbox did not start within 30 s: $(cat "$runtime/openbox.log")"

root=$(xwininfo -root | awk '/Window id:/ {print $4}')
read -r screen_width screen_height < <(xdotool getdisplaygeometry)

# Prints "left top width height" of the outermost window around window $1: its frame.
outer() {
    local id=$1 parent
    while :; do
        parent=$(xwininfo -id "$id" -tree | awk '/Parent window id:/ {print $4}')
        [ "$parent" = "$root" ] && break
        id=$parent
    done
    xwininfo -id "$id" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} /Border width:/ {b = $3}
        END {print x, y, w + 2 * b, h + 2 * b}'
}
# Whether window $1 is centred with its outer size, to the pixel (the middle may fall on a half).
centred() {
    local x y w h
    read -r x y w h < <(outer "$1") || return 1
    [ $(((2 * x - (screen_width - w)) ** 2)) -le 4 ] && [ $(((2 * y - (screen_height - h)) ** 2)) -le 4 ]
}
# Waits until window $1 is centred: the program centres it again once the frame is on.
expect_centred() {
    for _ in $(seq 300); do
        centred "$1" 2>/dev/null && return
        sleep 0.1
    done
    fail "$2 not centred with its frame: $(outer "$1" 2>/dev/null || echo gone) on a ${screen_width}x$screen_height screen"
}

# Prints the id of the window titled like $1 once it shows; a window that closes while the
# windows are listed makes one listing fail, so list again.
wait_shown() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no window titled '$1' within 30 s"
}

# The main window's title holds the version, as the program tells it.
version=$("$program" --version)
version=${version#Resomar }
"$program" &
pid=$!
# The splash, which openbox leaves without a frame, gives way to the main window, which it frames.
main=$(wait_shown "^v${version//./\\.} Resomar \$")
[[ $main =~ ^[0-9]+$ ]] || { echo "$main"; exit 1; }
expect_centred "$main" "the main window"
read -r x y w h < <(outer "$main")
[ "$h" -gt 428 ] || fail "the main window has no title bar ($w x $h): no window manager framed it"
# Fixed in size: the window manager allows it neither resizing nor maximizing. (Openbox still
# draws its maximize button for any fixed-size window; the button then does nothing.)
actions=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
[[ $actions != *RESIZE* && $actions != *MAXIMIZE* ]] || fail "the main window may be resized: $actions"

echo "window manager test: main window centred with its frame ($w x $h at $x, $y)"
