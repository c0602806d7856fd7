#!/usr/bin/env bash
# The installer under Wine (the ctest packaging.installer of a Windows build):
# installs silently into the build's Wine prefix, checks the files, the
# Start-menu entries and the Add/Remove Programs entry, starts the installed
# programs without the build's DLL folders (they must find everything in
# their own folder), uninstalls silently and checks that the program is gone
# while a user's data file in its folder and the language in HKCU\QV-44T stay.
#   tests/wine/installer.sh BUILD SETUP VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
setup=$2
version=$3
portable=$build/q731-$version-win64
scratch=$build/packaging/installer-check
rm -rf "$scratch"
mkdir -p "$scratch"

export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
unset WINEPATH
drive_c=$WINEPREFIX/drive_c
installed=$drive_c/Program\ Files/Q-731
installed_windows='C:\Program Files\Q-731'
menu=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Q-731
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Q-731'
language_key='HKCU\QV-44T'
shortcuts=("Q-731 对讲机编程软件.lnk" "Q-731 Radio Programming Software.lnk")

fail() {
    echo "installer: $*" >&2
    exit 1
}
# Empty when the key or the value is not there (a fresh prefix has no language yet).
reg_value() {
    { wine reg query "$1" /v "$2" 2>/dev/null || true; } | tr -d '\r' | awk -v v="$2" '$1 == v { print $3 }'
}

[ -f "$setup" ] || fail "$setup was not built"
[ -d "$portable" ] || fail "$portable was not laid out"

# The language the other tests left, put back at the end; the installed
# program starts in English here.
language_before=$(reg_value "$language_key" BinaryValue)
restore_language() {
    if [ -n "$language_before" ]; then
        wine reg add "$language_key" /v BinaryValue /t REG_BINARY /d "$language_before" /f >/dev/null 2>&1
    else
        wine reg delete "$language_key" /f >/dev/null 2>&1 || true
    fi
    rm -rf "$installed" "$menu"
}
trap restore_language EXIT
# What an earlier run may have left.
rm -rf "$installed" "$menu"
wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
wine reg add "$language_key" /v BinaryValue /t REG_BINARY /d 01000000 /f >/dev/null 2>&1 ||
    fail "could not set $language_key"

echo "\$ $(basename "$setup") /S"
wine "$setup" /S || fail "the silent installation ended with $?"

diff -r --exclude=uninstall.exe "$portable" "$installed" ||
    fail "the installed folder differs from $(basename "$portable")"
[ -f "$installed/uninstall.exe" ] || fail "no uninstall.exe installed"
echo "files: $(find "$installed" -type f | wc -l), as in $(basename "$portable"), and uninstall.exe"
for shortcut in "${shortcuts[@]}"; do
    [ -f "$menu/$shortcut" ] || fail "no Start-menu entry $shortcut"
    grep -aq 'q731.exe' "$menu/$shortcut" || fail "the Start-menu entry $shortcut does not start q731.exe"
done
echo "Start menu: ${shortcuts[*]}"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] ||
    fail "Add/Remove Programs has no entry of version $version"
wine reg query "$uninstall_key" /v QuietUninstallString | grep -q 'uninstall.exe" /S' ||
    fail "the Add/Remove Programs entry has no quiet uninstaller"
echo "Add/Remove Programs: version $version"
classes='HKLM\Software\Classes'
wine reg query "$classes\.dat" /ve 2>/dev/null | grep -q 'Q731.DataFile' ||
    fail ".dat files do not open in the program"
wine reg query "$classes\Q731.DataFile\shell\open\command" /ve 2>/dev/null | tr -d '\r' |
    grep -qF '"C:\Program Files\Q-731\q731.exe" "%1"' || fail "the .dat open command is not q731.exe"
echo ".dat: opens in q731.exe"

echo "\$ q731-cli.exe --version"
wine "$installed_windows\\q731-cli.exe" --version 2>&1 | tr -d '\r' | tee "$scratch/cli.log"
grep -qxF "q731-cli $version" "$scratch/cli.log" ||
    fail "the installed q731-cli.exe does not start"

# The window program on the platform plugin and style it ships with, whose
# windows Wine draws on an X server (Xvfb), in a Wine desktop of its own: the
# desktop of this run's Wine server was made without a display, and a
# program that shows windows on it does not end. It reports its start,
# closes itself through its close question and ends; timeout only guards a
# hang. (The desktop ends with status 0 whatever the program's, so its
# report is the check.)
command -v xvfb-run >/dev/null || fail "xvfb-run is missing: install xvfb (scripts/install-deps)"
# It opens a .dat file with a Chinese name and a space, as the association
# starts it.
[ -x "${Q731_LINUX_CLI:-}" ] || fail "Q731_LINUX_CLI must name the Linux q731-cli (scripts/test-windows sets it)"
"$Q731_LINUX_CLI" new "$scratch/车队 1.dat" >/dev/null || fail "q731-cli new"
echo "\$ Q731_START_CHECK=1 q731.exe \"车队 1.dat\""
Q731_START_CHECK=1 timeout 120 xvfb-run -a wine explorer /desktop=q731-check,1024x768 \
    "$installed_windows\\q731.exe" "Z:${scratch//\//\\}\\车队 1.dat" </dev/null >"$scratch/q731.log" 2>&1 ||
    { cat "$scratch/q731.log" >&2; fail "q731.exe did not end by itself"; }
tr -d '\r' <"$scratch/q731.log" | grep '^q731: ' | tee "$scratch/q731.out"
grep -qxF 'q731: started, window "Q-731 Radio Programming Software V'"$version"' - 车队 1.dat", language en' \
    "$scratch/q731.out" || fail "the installed q731.exe did not start in English"
grep -qxF "q731: help opens C:/Program Files/Q-731/manual/en/index.html" "$scratch/q731.out" ||
    fail "the installed q731.exe does not find its manual"
grep -qxF "q731: closed" "$scratch/q731.out" || fail "q731.exe did not close"

# What a user leaves behind: a data file saved in the program's folder, and
# a language value (05: English, as the program reads it, but not the 01 it
# writes itself, so that only the uninstaller could have changed it).
printf 'a dealer\x27s file' >"$installed/车队.dat"
wine reg add "$language_key" /v BinaryValue /t REG_BINARY /d 05000000 /f >/dev/null 2>&1 ||
    fail "could not set $language_key"
echo "\$ uninstall.exe /S"
# _?= runs the uninstaller in place, so that this waits for it; without it,
# it copies itself to the temporary folder, starts that copy and ends at
# once. It takes the folder unquoted, and Wine would quote an argument with a
# space: the command line goes through a batch file.
batch=$scratch/uninstall.bat
printf '@"%s\\uninstall.exe" /S _?=%s\r\n@exit /b %%errorlevel%%\r\n' \
    "$installed_windows" "$installed_windows" >"$batch"
wine cmd /c "Z:${batch//\//\\}" || fail "the silent uninstallation ended with $?"
(
    cd "$portable"
    find . -type f
) | while read -r file; do
    [ ! -e "$installed/$file" ] || fail "the uninstaller left $file"
done
for shortcut in "${shortcuts[@]}"; do
    [ ! -e "$menu/$shortcut" ] || fail "the uninstaller left the Start-menu entry $shortcut"
done
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left the Add/Remove Programs entry"
! wine reg query "$classes\Q731.DataFile" >/dev/null 2>&1 || fail "the uninstaller left the .dat file type"
! { wine reg query "$classes\.dat" /ve 2>/dev/null || true; } | grep -q Q731 ||
    fail "the uninstaller left .dat opening in the program"
echo "uninstalled: program files, Start-menu entries, .dat association and Add/Remove Programs entry gone"
[ "$(cat "$installed/车队.dat" 2>/dev/null)" = "a dealer's file" ] ||
    fail "the uninstaller removed the user's 车队.dat"
[ "$(reg_value "$language_key" BinaryValue)" = 05000000 ] ||
    fail "the uninstaller changed $language_key (now: $(reg_value "$language_key" BinaryValue))"
echo "kept: Q-731/车队.dat and $language_key BinaryValue 05000000"
