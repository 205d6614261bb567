#!/usr/bin/env bash
# Start-up of the Windows program under Wine, against the bare Qt Widgets window built with the
# same static Qt, on one virtual screen: the time from the process's start to its first window
# (Resomar's splash) and to its working window (its main window), and the Wine process's peak
# memory (VmHWM) half a second after that. Cold: Wine's own server and services start with the
# program (a first start after a log-in); warm: they are already running. Prints medians.
# Usage: bench/windows_startup.sh [RUNS]   (after ./scripts/windows; WINEPREFIX as it made it)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
if [ -z "${XVFB_PID:-}" ]; then
    exec tests/app/virtual_screen.sh --noreset -- "$0" "$@"
fi
source scripts/common.sh
export WINEPREFIX=${WINEPREFIX:-$PWD/build-windows/wine} WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The bare window, cross-built beside the program with the same preset.
cmake --preset windows -B build-windows/bench -DRESOMAR_BENCH=ON -DRESOMAR_TESTS=OFF >/dev/null
cmake --build build-windows/bench --target bare_window >/dev/null
bare=build-windows/bench/bench/bare_window.exe
resomar=build-windows/resomar/app/resomar.exe

now() { date +%s%N; }
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
# PROGRAM FIRST WORKING cold|warm: "ms-to-first-window ms-to-working-window peak-KiB"
measure() {
    local start first working pid peak
    if [ "$4" = cold ]; then wineserver --kill 2>/dev/null || true; wineserver --wait; fi
    start=$(now)
    wine "$1" &
    pid=$!
    until [ -n "$(shown "$2")" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "windows_startup: $1 ended before its window" >&2; exit 1; }
        sleep 0.005
    done
    first=$(now)
    until [ -n "$(shown "$3")" ]; do sleep 0.005; done
    working=$(now)
    sleep 0.5
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((first - start) / 1000000)) $(((working - start) / 1000000)) $peak"
}
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
results() { # NAME PROGRAM FIRST WORKING cold|warm
    local name=$1 file
    shift
    file=$(mktemp)
    for _ in $(seq "$runs"); do measure "$@" >>"$file"; done
    echo "$name $(cut -d' ' -f1 "$file" | median) $(cut -d' ' -f2 "$file" | median) $(cut -d' ' -f3 "$file" | median)"
    rm -f "$file"
}

wine wineboot --init >/dev/null 2>&1
measure "$bare" '^bare Qt window$' '^bare Qt window$' warm >/dev/null # the files in the page cache
printf '%-24s %16s %18s %16s\n' "" "first window (ms)" "working window (ms)" "peak (KiB)"
for mode in cold warm; do
    # Wine's server outlives its last program by a few seconds: kept for the warm runs.
    if [ "$mode" = warm ]; then
        wineserver --kill 2>/dev/null || true
        wineserver --wait
        wineserver --persistent
    fi
    for program in bare resomar; do
        if [ "$program" = bare ]; then
            read -r _ first working peak < <(results bare "$bare" '^bare Qt window$' '^bare Qt window$' "$mode")
        else
            # Wine's Windows speaks English: the splash is "About Resomar".
            read -r _ first working peak < <(results resomar "$resomar" 'About Resomar$' '^v[0-9.]* Resomar $' "$mode")
        fi
        printf '%-24s %16s %18s %16s\n' "$program, $mode" "$first" "$working" "$peak"
    done
done
wineserver --kill
echo "medians of $runs runs each"
