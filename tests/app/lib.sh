# shellcheck shell=bash disable=SC2034,SC2154 # wm is for the caller, test_name from it
# Helpers of the scripts that drive the real program, sourced once they set `test_name`
# (how their lines start) and, where the program writes into a file, `output`.

# Says what went wrong, then what the program said, and stops.
fail() {
    echo "$test_name: $*"
    if [ -s "${output:-}" ]; then sed 's/^/  program said: /' "$output"; fi
    exit 1
}

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup installs it)"
    done
}

# Runs a command every 0.1 s until it succeeds, for at most $1 seconds; its last status. A
# deadline for a program that hangs, not a pace it must keep.
wait_until() {
    local tenths=$(($1 * 10))
    shift
    until "$@"; do
        [ $((tenths -= 1)) -gt 0 ] || return 1
        sleep 0.1
    done
}

# The main window's title as xdotool reads a pattern: "v", the version program $1 gives, " Resomar ".
main_title() {
    local version
    version=$("$1" --version | tr -d '\r' | sed -n 's/^Resomar //p') # Windows ends lines with CR LF
    echo "^v${version//./\\.} Resomar \$"
}

# The first window on show titled like $1, if any; a window closing while they are listed makes
# the listing fail, and the next one is made anew.
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
shown() { [ -n "$(visible "$1")" ]; }

# Fails, saying so, when the program of $pid has ended.
still_running() {
    kill -0 "$pid" 2>/dev/null && return
    local status=0
    wait "$pid" || status=$?
    pid=
    fail "the program ended with status $status $1"
}

# Starts openbox, keeping its files in $HOME, and waits until it manages the screen: it names
# itself on the root window then.
start_openbox() {
    openbox >"$HOME/openbox.log" 2>&1 &
    wm=$!
    wait_until 30 managed || fail "openbox did not start within 30 s: $(cat "$HOME/openbox.log")"
}
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Every file of Wine's drive C: but the user's Temp folder, and every registry line naming us.
wine_state() {
    wineserver --wait
    find "$WINEPREFIX/drive_c" -path '*/Temp/*' -prune -o -print | sort
    grep -ih resomar "$WINEPREFIX"/*.reg | sed 's/ [0-9]*$//' | sort || true
}
