#!/usr/bin/env bash
# The X server goes away under the running program (run by virtual_screen.sh, which names it in
# XVFB_PID): prints what the program said on its error output, then its status.
# Usage: lost_screen_test.sh PROGRAM
set -euo pipefail
said=$(mktemp "${TMPDIR:-/tmp}/resomar-said.XXXXXX")
trap 'rm -f "$said"' EXIT
"$1" 2>"$said" &
pid=$!
timeout 60 xdotool search --sync --onlyvisible --name 'Resomar' >/dev/null
kill "$XVFB_PID"
status=0
wait "$pid" || status=$?
cat "$said"
echo "status $status"
