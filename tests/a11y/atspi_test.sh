#!/usr/bin/env bash
# Runs the real program on a virtual screen with its own session bus and walks what a screen
# reader reads of it over AT-SPI (tests/a11y/atspi_tree.py).
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
test_name="AT-SPI test"
source "$here/../app/lib.sh"

need dbus-run-session xdotool
# Debian's own Python, the one python3-pyatspi installs into.
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"

# A screen of its own that does not reset when a poll's client leaves, and a bus of its own.
if [ -z "${XVFB_PID:-}" ]; then
    exec "$here/../app/virtual_screen.sh" --noreset -- dbus-run-session -- "$0" "$@"
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY # the X server above, and the French of a fresh account
export LC_ALL=C.UTF-8 LANGUAGE= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
exec "$python" "$here/atspi_tree.py" "$program"
