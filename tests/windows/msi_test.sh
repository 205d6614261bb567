#!/usr/bin/env bash
# The MSI package as Group Policy or Intune deploys it, under Wine's msiexec: a silent install
# (/qn) gives resomar.exe, which starts, a Start-menu entry and an entry among the installed
# programs with its folder, icon and size; a newer version's package replaces it, leaving one
# entry; an older one is refused; a silent uninstall (/x) leaves drive C: and the registry as they
# were (the user's Temp folder aside, as for the NSIS installer).
# Usage: msi_test.sh MSI VERSION NEWER_MSI NEWER_VERSION   (WINEPREFIX: an initialised Wine prefix)
set -euo pipefail
test_name="MSI test"
source "$(dirname "$(realpath "$0")")/../app/lib.sh"
msi=$(realpath "$1")
version=$2
newer=$(realpath "$3")
newer_version=$4
wine_run=$(dirname "$(realpath "$0")")/../../packaging/windows/wine-run
folder="$WINEPREFIX/drive_c/Program Files/Resomar"
msiexec() { # PACKAGE-ACTION PACKAGE: msiexec's status
    local status=0
    "$wine_run" msiexec "$1" "$(winepath -w "$2")" /qn || status=$?
    wineserver --wait
    return "$status"
}
# The installed programs' entries named Resomar, one "ProductCode DisplayVersion InstallLocation"
# line each, read from the registry as Wine keeps it.
entries() {
    awk '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\\{/ {
             match($0, /\{[^}]*\}/); code = substr($0, RSTART, RLENGTH); name = ""; version = ""; place = "" }
         /^$/ && name == "\"Resomar\"" { print code, version, place; name = "" }
         code && /^"DisplayName"=/ { name = substr($0, 15) }
         code && /^"DisplayVersion"=/ { version = substr($0, 18); gsub(/"/, "", version) }
         code && /^"InstallLocation"=/ { place = substr($0, 19); gsub(/"/, "", place) }' "$WINEPREFIX/system.reg"
}
installed() { # VERSION
    [ -f "$folder/resomar.exe" ] || fail "no resomar.exe after installing $1"
    "$wine_run" 'C:\Program Files\Resomar\resomar.exe' --version | grep -q '^Resomar ' || fail "resomar.exe does not start"
    # Wine's msiexec puts it in the user's Start menu even per machine (ALLUSERS=1), where Windows
    # puts it in every user's.
    [ -n "$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Resomar/Resomar.lnk')" ] \
        || fail "no Start-menu entry"
    [ "$(entries | wc -l)" -eq 1 ] || fail "not one entry among the installed programs: $(entries)"
    local version place
    read -r _ version place < <(entries)
    [ "$version" = "$1" ] || fail "the entry is of version $version, not $1"
    [ "$place" = 'C:\\Program Files\\Resomar\\' ] || fail "the entry's InstallLocation is $place"
    grep -q "ProductIcon\"=.*resomar.ico" "$WINEPREFIX/system.reg" || fail "the entry has no icon"
    grep -q '^"Size"="[1-9][0-9]*"' "$WINEPREFIX/system.reg" || fail "the entry has no size"
}

# Windows' own cache of installed packages, which every Windows has and Wine's msiexec makes at
# its first install: the package it keeps there must go, the folder stays.
mkdir -p "$WINEPREFIX/drive_c/windows/Installer"
before=$(wine_state)
msiexec /i "$msi" || fail "msiexec /i ended with status $?"
installed "$version"
msiexec /i "$newer" || fail "the newer package ended with status $?"
installed "$newer_version"
# 1603, "fatal error", as the downgrade message says; 67 once a Unix status keeps its low byte.
status=0
msiexec /i "$msi" || status=$?
[ "$status" -eq $((1603 % 256)) ] || fail "the older package over the newer ended with status $status, not 1603"
installed "$newer_version"
msiexec /x "$newer" || fail "msiexec /x ended with status $?"
"$wine_run" wineboot --restart
diff <(echo "$before") <(wine_state) || fail "the uninstall left the above behind"
echo "MSI test: installed, started, upgraded, downgrade refused, uninstalled without a trace"
