#!/usr/bin/env bash
# The installer as a classroom administrator uses it: a silent install (/S) gives resomar.exe, a
# Start-menu entry and an uninstall entry; a silent uninstall leaves drive C: and the registry as
# they were. Not compared: the user's Temp folder, where every NSIS uninstaller runs from a copy of
# itself that goes at the next restart (Wine's, here), leaving an empty folder.
# Usage: virtual_screen.sh -- installer_test.sh SETUP_EXE   (WINEPREFIX: an initialised Wine prefix)
set -euo pipefail
wine_run=$(dirname "$(realpath "$0")")/../../packaging/windows/wine-run
state() { # every file of drive C: but Temp's, and every registry line that names us
    wineserver --wait
    find "$WINEPREFIX/drive_c" -path '*/Temp/*' -prune -o -print | sort
    grep -ih resomar "$WINEPREFIX"/*.reg | sed 's/ [0-9]*$//' | sort || true
}
fail() { echo "installer test: $*" >&2; exit 1; }

before=$(state)
"$wine_run" "$1" /S
wineserver --wait
[ -f "$WINEPREFIX/drive_c/Program Files/Resomar/resomar.exe" ] || fail "no resomar.exe"
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Resomar/Resomar.lnk" ] \
    || fail "no Start-menu entry"
"$wine_run" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Resomar' \
    | grep -q 'UninstallString.*Uninstall.exe' || fail "no uninstall entry"
"$wine_run" 'C:\Program Files\Resomar\Uninstall.exe' /S
wineserver --wait
"$wine_run" wineboot --restart
diff <(echo "$before") <(state) || fail "the uninstaller left the above behind"
echo "installer test: installed silently, uninstalled without a trace"
