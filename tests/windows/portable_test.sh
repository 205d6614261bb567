#!/usr/bin/env bash
# The portable zip as a user on Windows has it: unpacked into a folder whose name has a space and
# an accent, resomar.exe starts under Wine on the X screen in DISPLAY (splash, then the main window),
# "&Quitter" ends it with status 0, and it wrote nothing, neither beside itself nor in the profile.
# Usage: virtual_screen.sh -- portable_test.sh ZIP   (WINEPREFIX: an initialised Wine prefix)
set -euo pipefail
zip=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

work=$(mktemp -d "${TMPDIR:-/tmp}/resomar-portable.XXXXXX")
trap 'rm -rf "$work"' EXIT
folder="$work/Dossier d'essai é"
mkdir "$folder"
unzip -q "$zip" -d "$folder"
exe=$(find "$folder" -name resomar.exe)
cat >"$work/resomar" <<WRAPPER
#!/bin/sh
exec "$here/../../packaging/windows/wine-run" "$exe" "\$@"
WRAPPER
chmod +x "$work/resomar"

profile="$WINEPREFIX/drive_c/users"
touch "$work/before"
# Wine's Windows speaks English here, so the program does: its splash is "About Resomar".
RESOMAR_SPLASH='About Resomar$' "$here/../app/startup_test.sh" "$work/resomar"
written=$(find "$folder" "$profile" -newer "$work/before" -type f)
[ -z "$written" ] || { echo "portable test: the program wrote $written"; exit 1; }
wineserver --kill # Wine's own processes go before the screen does
echo "portable test: started from \"$folder\", wrote nothing"
