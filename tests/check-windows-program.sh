#!/usr/bin/env bash
# The Windows program under Wine: through armoursmith.com its help, version and a usage error
# as the Linux command line gives them; then armoursmith.exe started with a table on a virtual
# X display: both windows come up, the script window holds the table's text byte for byte
# (copied out of it and read from the Windows clipboard), the main window shows the program's
# icon and the script window Windows' default one, and Exit ends the program as soon as a
# plain Qt program's button that quits ends that one.
#   usage: tests/check-windows-program.sh WINE_RUN PREFIX COMPANION CLIPBOARD_TEXT PLAIN_QUIT
# WINE_RUN is cmake/wine-run, PREFIX a Wine prefix for this check alone, COMPANION
# armoursmith.com with armoursmith.exe beside it, CLIPBOARD_TEXT tests/clipboard_text.cpp's
# program, PLAIN_QUIT tests/plain_quit_probe.cpp's.
# shellcheck disable=SC2016  # the conditions are quoted so that check evaluates them later
set -u
[ $# -eq 5 ] || { echo "usage: $0 WINE_RUN PREFIX COMPANION CLIPBOARD_TEXT PLAIN_QUIT" >&2; exit 2; }
wine_run=("$1" "$2")
companion=$3
program=${companion%.com}.exe
clipboard_text=$4
plain_quit=$5
here=$(dirname "$(realpath "$0")")
source "$here/check-helpers.sh"
work=$(mktemp -d)
trap 'kill $program_process $window_manager $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
program_process='' window_manager='' xvfb=''

run() {  # run ARGS...: armoursmith.com, without a display; out, err and $status
  timeout 120 "${wine_run[@]}" "$companion" "$@" >out 2>err
  status=$?
}
ok() { [ "$status" -eq "$1" ] && [ ! -s "${2:-/dev/null}" ]; }  # ok STATUS [EMPTY-FILE]
# What a Windows console program prints in text mode: each line ends with CR LF.
crlf() { [ -s "$1" ] && ! grep -qv $'\r$' "$1"; }

# On Windows Qt's own help option has a third name, -?.
qt_options='^  ((-\?, )?-h, --help|--help-all|-v, --version)  '
run --help
check "--help: the usage line, then the help as written, with CR LF" \
  'ok 0 err && crlf out && tr -d "\r" <out >help &&
   head -n 1 help | grep -qE "^Usage: .*armoursmith\.exe \[options\] \[FILE\.\.\.\]$" &&
   [ "$(grep -cE "$qt_options" help)" -eq 3 ] &&
   tail -n +2 help | grep -vE "$qt_options" | cmp -s - "$here/golden/help.txt"'
run --version
check "--version" 'ok 0 err && [ "$(cat out)" = $'"'"'armoursmith 1.0.0\r'"'"' ]'
run --bogus
check "a usage error: one line on stderr, status 1" \
  'ok 1 out && crlf err && [ "$(wc -l <err)" -eq 1 ] && tr -d "\r" <err | grep -q "Try .armoursmith --help.\.$"'

# A Wine server left behind by an interrupted run may hold windows that never show.
WINEPREFIX=${wine_run[1]} wineserver -k 2>/dev/null

# A display of its own, whatever number is free, with a window manager as every desktop has:
# without one, Wine waits two seconds for it whenever it hides a window.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>display 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s display ] && break; sleep 0.1; done
display=:$(cat display)
export DISPLAY=$display ARMOURSMITH_WINE_DISPLAY=$display
evilwm -fn fixed >/dev/null 2>&1 &
window_manager=$!
# The X window of the top-level window with this caption, once it is shown (or nothing).
window() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return
    sleep 0.2
  done
}
icon() { xprop -id "$1" _NET_WM_ICON | sha256sum; }
# What the program wrote to err but the line Qt writes under Wine 8, which lacks the
# per-monitor DPI awareness (version 2) that Qt asks Windows for.
messages() { grep -v '^SetProcessDpiAwarenessContext(.*) failed' err; }
# Clicks at X, Y in WINDOW, brought to the front, and waits for the process PID to end: the
# time it took in ms in $took, its exit status in $status.
click_to_end() {
  xdotool windowraise "$1" sleep 0.3 mousemove --window "$1" "$2" "$3" click 1
  local clicked ended
  clicked=$(date +%s%N)
  timeout 60 tail --pid="$4" -f /dev/null || kill "$4"
  ended=$(date +%s%N)
  wait "$4"
  status=$?
  took=$(((ended - clicked) / 1000000))
}

# A plain Qt program first: its window's icon is the one Windows gives a program without an
# icon of its own, and its quit the yardstick for the program's Exit.
"${wine_run[@]}" "$plain_quit" >out 2>err &
program_process=$!
plain=$(window Plain)
plain_icon=$(icon "$plain")
click_to_end "$plain" 100 50 "$program_process"
program_process=''
plain_took=$took
check "a plain Qt program comes up and quits" '[ -n "$plain" ] && [ "$status" -eq 0 ]'

# Started with a table named in Cyrillic letters, as Explorer's "Open with" starts it.
cp "$here/batch/windows.csv" 'Доспехи.csv'
"${wine_run[@]}" "$program" 'Доспехи.csv' >out 2>err &
program_process=$!
form1=$(window 'Admin Harnwright')
form2=$(window Form2)
check "both windows come up" '[ -n "$form1" ] && [ -n "$form2" ]'
check "the main window shows the program's icon, the script window Windows' default one" \
  '[ "$(icon "$form1")" != "$plain_icon" ] && [ "$(icon "$form2")" = "$plain_icon" ]'

# Select all and copy in the script window's text box, as a user would.
xdotool mousemove --window "$form2" 100 100 click 1 sleep 0.5 key ctrl+a sleep 0.2 key ctrl+c
sleep 1
timeout 60 "${wine_run[@]}" "$clipboard_text" >copied 2>/dev/null
check "the script window holds the table's text, byte for byte" \
  'cmp -s copied "$here/batch/windows.txt"'

# Exit, bottom left in the main window, ends the program and its windows with it.
click_to_end "$form1" 56 432 "$program_process"
program_process=''
check "Exit: status 0, no message" '[ "$status" -eq 0 ] && [ -z "$(messages)" ]'
echo "From the click to the end: Exit $took ms, a plain Qt program's quit $plain_took ms"
# A quarter of a second's leeway for a loaded machine.
check "Exit ends the program as soon as a plain Qt program ends" \
  '[ "$took" -le $((plain_took + 250)) ]'

echo "Windows program: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
