#!/usr/bin/env bash
# Start-up time (process start to its first window on screen) and peak memory of Resomar, against
# the bare Qt Widgets window built beside it, on one virtual screen; prints medians and ratios.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$1
runs=${2:-15}

# On a virtual screen of its own; it polls the screen while the programs start, so the server
# must not reset when a client leaves.
if [ -z "${XVFB_PID:-}" ]; then
    exec "$(dirname "$0")/../tests/app/virtual_screen.sh" --noreset -- "$0" "$@"
fi

now() { date +%s%N; }
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }

# Runs a program once; prints "milliseconds-to-first-window peak-kilobytes". The peak is read once
# the program is in its working state: Resomar's main window, the bare window itself.
measure() {
    local program=$1 first=$2 working=$3
    local start end pid peak
    start=$(now)
    "$program" &
    pid=$!
    until [ -n "$(shown "$first")" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "startup: $program ended before its window showed" >&2; exit 1; }
        sleep 0.002
    done
    end=$(now)
    until [ -n "$(shown "$working")" ]; do sleep 0.05; done
    sleep 0.5
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $peak"
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

results() {
    local name=$1; shift
    local file
    file=$(mktemp)
    for _ in $(seq "$runs"); do measure "$@" >>"$file"; done
    echo "$name $(cut -d' ' -f1 "$file" | median) $(cut -d' ' -f2 "$file" | median)"
    rm -f "$file"
}

measure "$build/bench/bare_window" '^bare Qt window$' '^bare Qt window$' >/dev/null # warm the caches
read -r _ bare_ms bare_kb < <(results bare "$build/bench/bare_window" '^bare Qt window$' '^bare Qt window$')
read -r _ app_ms app_kb < <(results resomar "$build/app/resomar" 'propos de Resomar$' '^v1\.20 Resomar $')

printf '%-28s %12s %14s\n' "" "start-up (ms)" "peak memory (KiB)"
printf '%-28s %12s %14s\n' "bare Qt Widgets window" "$bare_ms" "$bare_kb"
printf '%-28s %12s %14s\n' "Resomar" "$app_ms" "$app_kb"
printf '%-28s %12s %14s\n' "ratio" "$(awk "BEGIN {printf \"%.2f\", $app_ms / $bare_ms}")" \
    "$(awk "BEGIN {printf \"%.2f\", $app_kb / $bare_kb}")"
echo "medians of $runs runs each"
