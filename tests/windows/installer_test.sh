#!/usr/bin/env bash
# The installer as a classroom administrator uses it, under Wine: a silent install (/S) gives
# resomar.exe, which starts, a Start-menu entry and a full entry among the installed programs; a
# second silent install into another folder (/D) moves it, leaving nothing in the first; for a
# French user its prompts are French and a failed uninstall of the old version stops it; the
# entry's silent uninstall command leaves drive C: and the registry as they were. Not compared:
# the user's Temp folder, where every NSIS uninstaller runs from a copy of itself that goes at the
# next restart (Wine's, here), leaving an empty folder.
# Usage: virtual_screen.sh -- installer_test.sh SETUP_EXE   (WINEPREFIX: an initialised Wine prefix)
set -euo pipefail
test_name="installer test"
source "$(dirname "$(realpath "$0")")/../app/lib.sh"
setup=$1
wine_run=$(dirname "$(realpath "$0")")/../../packaging/windows/wine-run
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Resomar'
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Resomar"
entry() { "$wine_run" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
installed_in() { # FOLDER (Windows path), DIR (its Linux path)
    wineserver --wait
    [ -f "$2/resomar.exe" ] || fail "no resomar.exe in $1"
    "$wine_run" "$1\\resomar.exe" --version | grep -q '^Resomar ' || fail "resomar.exe in $1 does not start"
    [ -f "$menu/Resomar.lnk" ] || fail "no Start-menu entry"
    strings -a -el "$menu/Resomar.lnk" | grep -qF "$1" || fail "the Start-menu entry does not lead to $1"
    [ "$(entry InstallLocation)" = "$1" ] || fail "InstallLocation is '$(entry InstallLocation)', not $1"
    [ "$(entry QuietUninstallString)" = "\"$1\\Uninstall.exe\" /S" ] || fail "no QuietUninstallString"
    [ "$(entry DisplayIcon)" = "$1\\resomar.exe,0" ] || fail "no DisplayIcon"
    # In KiB: what the folder holds, give or take its rounding.
    local size
    size=$(du -sk "$2" | cut -f1)
    [ $(($(entry EstimatedSize))) -ge $((size * 9 / 10)) ] || fail "EstimatedSize $(entry EstimatedSize) for $size KiB"
}

before=$(wine_state)
"$wine_run" "$setup" /S
installed_in 'C:\Program Files\Resomar' "$WINEPREFIX/drive_c/Program Files/Resomar"

# Moved into a folder whose parent does not exist yet: the first folder goes whole.
"$wine_run" "$setup" /S '/D=C:\Labo\Resomar'
installed_in 'C:\Labo\Resomar' "$WINEPREFIX/drive_c/Labo/Resomar"
[ ! -e "$WINEPREFIX/drive_c/Program Files/Resomar" ] || fail "the move left 'C:\\Program Files\\Resomar'"

# A French user, an old version whose uninstaller cannot be run: both prompts are French (read
# from Wine's trace of its message boxes), and the installer stops with status 2, the install kept.
uninstaller=$(entry UninstallString)
"$wine_run" reg add "$key" /v UninstallString /d '"C:\Nowhere\Uninstall.exe"' /f >/dev/null
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT
LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 WINEDEBUG=-all,+msgbox WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    timeout 120 wine "$setup" 2>"$trace" &
setup_pid=$!
answer() { # waits for the message box saying $1, and says yes to it (its default button)
    for _ in $(seq 300); do
        grep -q "MSGBOX_OnInit.*$1" "$trace" && break
        sleep 0.1
    done
    grep -q "MSGBOX_OnInit.*$1" "$trace" || { kill "$setup_pid"; fail "no message box saying '$1'; Wine traced: $(cat "$trace")"; }
    box=$(xdotool search --sync --onlyvisible --name '^Installation de Resomar$' | tail -n 1)
    xdotool windowfocus --sync "$box" key Return
}
# Wine writes é as \00e9.
answer 'Resomar est d\\00e9j\\00e0 install\\00e9 dans \\00ab C:\\\\Labo\\\\Resomar \\00bb'
answer 'La d\\00e9sinstallation de la version d\\00e9j\\00e0 install\\00e9e a \\00e9chou\\00e9'
status=0
wait "$setup_pid" || status=$?
[ "$status" -eq 2 ] || fail "the installer ended with status $status after a failed uninstall, not 2"
"$wine_run" reg add "$key" /v UninstallString /d "$uninstaller" /f >/dev/null
installed_in 'C:\Labo\Resomar' "$WINEPREFIX/drive_c/Labo/Resomar"

# What a deployment tool runs: the entry's silent uninstall command.
eval "quiet=($(entry QuietUninstallString | sed 's/\\/\\\\/g'))"
"$wine_run" "${quiet[@]}"
wineserver --wait
"$wine_run" wineboot --restart
diff <(echo "$before") <(wine_state) || fail "the uninstaller left the above behind"
echo "installer test: installed, started, moved, French prompts, uninstalled without a trace"
