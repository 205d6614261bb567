#!/usr/bin/env bash
# The installer as a classroom administrator uses it: silent install (/S) puts resomar.exe into
# Program Files with a Start-menu entry and an entry in the installed-programs list, and its silent
# uninstall leaves the Wine profile's files and registry as they were. The uninstaller runs from a
# copy of itself in the user's Temp folder, which goes at the next restart (Wine's here) and leaves an
# empty folder there, as every NSIS uninstaller does: Temp is not compared.
# Usage: virtual_screen.sh -- installer_test.sh SETUP_EXE   (WINEPREFIX: an initialised Wine prefix)
set -euo pipefail
setup=$(realpath "$1")
wine_run=$(dirname "$(realpath "$0")")/../../packaging/windows/wine-run
work=$(mktemp -d "${TMPDIR:-/tmp}/resomar-installer.XXXXXX")
trap 'rm -rf "$work"' EXIT
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Resomar'

state() { # every file of drive C:, and every registry line that names us
    wineserver --wait
    find "$WINEPREFIX/drive_c" -path '*/Temp/*' -prune -o -print | sort
    grep -ih resomar "$WINEPREFIX"/*.reg | sed 's/ [0-9]*$//' | sort || true
}
fail() { echo "installer test: $*" >&2; exit 1; }

state >"$work/before"
"$wine_run" "$setup" /S
wineserver --wait
programs="$WINEPREFIX/drive_c/Program Files/Resomar"
[ -f "$programs/resomar.exe" ] || fail "no resomar.exe in $programs"
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Resomar/Resomar.lnk" ] \
    || fail "no Start-menu entry"
"$wine_run" reg query "$uninstall_key" >"$work/entry"
grep -q 'UninstallString.*Uninstall.exe' "$work/entry" || fail "no uninstall entry: $(cat "$work/entry")"

"$wine_run" 'C:\Program Files\Resomar\Uninstall.exe' /S
wineserver --wait
"$wine_run" wineboot --restart
state >"$work/after"
diff "$work/before" "$work/after" || fail "the uninstaller left the above behind"
echo "installer test: installed silently, uninstalled without a trace"
