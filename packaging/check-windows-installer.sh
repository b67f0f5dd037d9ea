#!/usr/bin/env bash
# The Windows installer under Wine, silently as an administrator's script runs it: it installs
# into Program Files with a Start menu entry and "Open with" for tables, the installed program
# runs, and the uninstaller takes away every file and registry key the installer made.
#   usage: packaging/check-windows-installer.sh WINE_RUN PREFIX INSTALLER
# WINE_RUN is cmake/wine-run, PREFIX a Wine prefix for this check alone (made anew).
# shellcheck disable=SC2016  # the conditions are quoted so that check evaluates them later
set -u
[ $# -eq 3 ] || { echo "usage: $0 WINE_RUN PREFIX INSTALLER" >&2; exit 2; }
wine_run=("$1" "$2")
prefix=$2
installer=$3
source "$(dirname "$(realpath "$0")")/../tests/check-helpers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

wine() { timeout 120 "${wine_run[@]}" "$@" >out 2>err; status=$?; }
ok() { [ "$status" -eq "$1" ] && [ ! -s "${2:-/dev/null}" ]; }  # ok STATUS [EMPTY-FILE]
folder="$prefix/drive_c/Program Files/Armoursmith"
entry="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Armoursmith.lnk"
keys=('HKLM\Software\Classes\Applications\armoursmith.exe'
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Armoursmith')
# Every file and folder of the prefix's drive C but the temporary ones, and every registry
# key and value of the machine and the user that names the program.
files() { (cd "$prefix/drive_c" && find . -path '*/[Tt]emp' -prune -o -print | sort); }
registry() {
  local root
  for root in HKEY_LOCAL_MACHINE HKEY_CURRENT_USER; do
    wine regedit /E exported.reg "$root"
    iconv -f UTF-16 -t UTF-8 exported.reg | grep -i armoursmith
  done
}

rm -rf "$prefix" "$prefix.lock"
wine cmd /c exit  # makes the prefix
files >files-before
wine "$installer" /S
check "the silent install ends with status 0" 'ok 0'
check "the programs, read-me and licences in Program Files" \
  '[ -f "$folder/armoursmith.exe" ] && [ -f "$folder/armoursmith.com" ] &&
   [ -f "$folder/README.txt" ] && [ -f "$folder/licenses/Qt/LGPL-3.0-only.txt" ]'
check "a Start menu entry for all users" '[ -f "$entry" ]'
wine reg query "${keys[0]}\\SupportedTypes"
check '"Open with" for .csv and .tsv' 'ok 0 && grep -q "\.csv" out && grep -q "\.tsv" out'
wine reg query "${keys[0]}\\shell\\open\\command"
check "which opens the table with the installed program" \
  'ok 0 && grep -qF "\"C:\\Program Files\\Armoursmith\\armoursmith.exe\" \"%1\"" out'

wine 'C:\Program Files\Armoursmith\armoursmith.com' --version
check "the installed program runs" 'ok 0 err && [ "$(cat out)" = $'"'"'armoursmith 1.0.0\r'"'"' ]'

wine 'C:\Program Files\Armoursmith\uninstall.exe' /S
# The uninstaller runs on from a copy of itself in the temporary folder and ends later.
for _ in $(seq 600); do [ -e "$folder" ] || break; sleep 0.1; done
sleep 1
check "the uninstaller removes the folder" '[ ! -e "$folder" ]'
check "and the Start menu entry" '[ ! -e "$entry" ]'
for key in "${keys[@]}"; do
  wine reg query "$key"
  check "and the key $key" '[ "$status" -ne 0 ]'
done
check "no file is left, nor any other key" \
  'files | diff files-before - && [ -z "$(registry)" ]'

echo "Windows installer: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
