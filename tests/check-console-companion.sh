#!/usr/bin/env bash
# The Windows console companion (armoursmith.com) under Wine, with a windowed stand-in for the
# program as armoursmith.exe beside it: the arguments arrive as typed, the standard streams are
# the shell's own, the shell gets the exit status, and the program ends with the companion.
#   usage: tests/check-console-companion.sh EMULATOR... COMPANION STAND_IN
# shellcheck disable=SC2016  # the conditions are quoted so that check evaluates them later
set -u
[ $# -ge 3 ] || { echo "usage: $0 EMULATOR... COMPANION STAND_IN" >&2; exit 2; }
emulator=("${@:1:$#-2}")
companion=${*: -2:1}
stand_in=${*: -1}
source "$(dirname "$(realpath "$0")")/check-helpers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A folder with a space in its name, as where the program is installed: the shell quotes it.
mkdir "$work/Program Files"
cd "$work/Program Files" || exit 1
cp "$companion" armoursmith.com
cp "$stand_in" armoursmith.exe

# A console program, which a shell waits for; the program it starts is a windowed one.
subsystem() { x86_64-w64-mingw32-objdump -p "$1" | grep -o 'Windows [CG]UI'; }
check "the companion is a console program" '[ "$(subsystem armoursmith.com)" = "Windows CUI" ]'

printf 'input\r\n\x1a bytes' >input
timeout 60 "${emulator[@]}" ./armoursmith.com 3 'two words' 'a "quoted" one' 'Rüstung «Ж»' '' \
  'back\slash\' <input >out 2>err
status=$?
printf '[3]\n[two words]\n[a "quoted" one]\n[Rüstung «Ж»]\n[]\n[back\\slash\\]\n' >expected
cat input >>expected
check "arguments as typed, the streams the shell's, the program's exit status" \
  '[ $status -eq 3 ] && cmp -s out expected && [ "$(cat err)" = "error stream" ]'

timeout 60 "${emulator[@]}" ./armoursmith.com </dev/null >out 2>err
status=$?
check "without arguments" '[ $status -eq 0 ] && [ ! -s out ] && [ "$(cat err)" = "error stream" ]'

# Ctrl+C or closing the console ends the companion: the program goes with it.
"${emulator[@]}" ./armoursmith.com outlive lifetime >out 2>err &
companion_process=$!
for _ in $(seq 300); do [ -s lifetime ] && break; sleep 0.1; done
kill -KILL "$companion_process"
wait "$companion_process" 2>/dev/null
sleep 3
check "the program ends with the companion" '[ "$(cat lifetime)" = started ]'

rm armoursmith.exe
timeout 60 "${emulator[@]}" ./armoursmith.com --version >out 2>err
status=$?
check "no program beside it: one line, failure status" \
  '[ $status -eq 1 ] && [ ! -s out ] && [ "$(wc -l <err)" -eq 1 ]'

echo "console companion: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
