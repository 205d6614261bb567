#!/usr/bin/env bash
# Starts the real program under a window manager (openbox), which puts a title
# bar and a frame around the main window: the window must end up centred on the screen with its
# outer size, frame included.
set -euo pipefail
program=$1
test_name="window manager test"
source "$(dirname "$0")/lib.sh"
export LC_ALL=${LC_ALL:-C.UTF-8}

need xdotool xprop xwininfo openbox
[ -n "${XVFB_PID:-}" ] || fail "run it through virtual_screen.sh --noreset"
export HOME=$XDG_RUNTIME_DIR # private to this run, removed with the screen: openbox's files
pid='' wm=''
trap 'kill $pid $wm 2>/dev/null || true; wait' EXIT
start_openbox

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

title=$(main_title "$program")
"$program" &
pid=$!
# The splash, which openbox leaves without a frame, gives way to the main window, which it frames;
# the program centres it again once the frame is on.
wait_until 30 shown "$title" || fail "no main window titled like '$title' within 30 s"
main=$(visible "$title")
wait_until 30 centred "$main" 2>/dev/null \
    || fail "the main window not centred with its frame: $(outer "$main" 2>/dev/null || echo gone) on a ${screen_width}x$screen_height screen"
read -r x y w h < <(outer "$main")
[ "$h" -gt 428 ] || fail "the main window has no title bar ($w x $h): no window manager framed it"
# Fixed in size: the window manager allows it neither resizing nor maximizing. (Openbox still
# draws its maximize button for any fixed-size window; the button then does nothing.)
actions=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
[[ $actions != *RESIZE* && $actions != *MAXIMIZE* ]] || fail "the main window may be resized: $actions"

echo "window manager test: main window centred with its frame ($w x $h at $x, $y)"
