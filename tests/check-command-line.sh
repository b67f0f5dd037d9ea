#!/usr/bin/env bash
# The command line without a display, in the C locale of a fresh system: --help and --version,
# a usage error, Qt's own options reaching the windows, and batch runs from a table file or
# standard input, with the promise that a refused table writes nothing at all.
#   usage: tests/check-command-line.sh PROGRAM
# shellcheck disable=SC2016  # the conditions are quoted so that check evaluates them later
set -u
program=${1:?usage: $0 PROGRAM}
here=$(dirname "$(realpath "$0")")
help=$here/golden/help.txt
source "$here/check-helpers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

run() {  # run ARGS...: the program without a display; output in out and err, status in $status
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL="${locale:-C}" \
    timeout "${limit:-20}" "$program" "$@" >out 2>err
  status=$?
}
lines() { [ "$(wc -l <"$1")" -eq "$2" ]; }
ok() { [ "$status" -eq "$1" ] && [ ! -s "${2:-/dev/null}" ]; }  # ok STATUS [EMPTY-FILE]

# The options that Qt adds are described in Qt's words, which change between its releases: of
# those the help must only list all three.
qt_options='^  (-h, --help|--help-all|-v, --version)  '
for option in --help -h; do
  run $option
  check "$option" 'ok 0 err'
  check "$option: usage line, then the help as written" \
    '[ "$(head -n 1 out)" = "Usage: $program [options] [FILE...]" ] &&
     [ "$(grep -cE "$qt_options" out)" -eq 3 ] &&
     tail -n +2 out | grep -vE "$qt_options" | cmp -s - "$help"'
done
run --version
check "--version" 'ok 0 err && [ "$(cat out)" = "armoursmith 1.0.0" ] && lines out 1'
# A batch run writes the same bytes in the C locale as in a UTF-8 one.
printf 'Material,Piece,Name\nLeather,Cap,D\xc3\xa4mmerung\n' >utf8.csv
run --batch utf8.csv
mv out c_locale
locale=C.UTF-8 run --batch utf8.csv
check "a UTF-8 name, in the C locale and a UTF-8 one" \
  'ok 0 err && cmp -s out c_locale && grep -q "^NAME=Dämmerung" out'
rm utf8.csv c_locale

for bad in --bogus -x --batch -platform "--batch table.csv stray" "-o out.txt table.csv"; do
  run $bad
  # Not 0, and not a signal (a crash or an abort ends with 128 and more).
  check "$bad: a usage error in one line on stderr, failure status" \
    '[ $status -ge 1 ] && [ $status -lt 128 ] && [ ! -s out ] && lines err 1 &&
     grep -q "Try .armoursmith --help.\.$" err'
done

# The last set names every other option of Qt's that the program passes on.
every="-platform offscreen -platformtheme none -plugin none -qwindowicon none -icon none -title T
  -session s -name n -visual v -stylesheet /dev/null -geometry 300x200 -display :7 -widgetcount
  -nograb -dograb -testability -platformpluginpath /nonexistent -qmljsdebugger port:0,block=false"
for options in "-platform offscreen" "--platform offscreen -style fusion -reverse" \
  "-platform offscreen -qwindowgeometry 300x200+0+0 -qwindowtitle T" "$every"; do
  # shellcheck disable=SC2086  # the options are several words
  limit=3 run $options
  check "$options: still running after the time limit" 'ok 124'
done
env -u DISPLAY QT_QPA_PLATFORM=offscreen timeout 20 "$program" -platform xcb >out 2>err
status=$?
check "-platform xcb reaches the windows, which find no display" 'ok 1'

# A table with quoted commas, CR LF line ends and a whole set; its output starts with the
# designer line and the Leather cap block and ends with the Platemail set's end-of-file mark.
printf 'Material,Piece,Name\r\nLeather,Cap,x\r\nPlatemail,Whole Set,"Dawn, Bright"\r\n' >table.csv
run --batch table.csv
check "batch to standard output" 'ok 0 err'
cp out expected
check "the output is the generated text" \
  '[ "$(head -c 33 expected)" = $'"'"'// Designed By: Admin Pimlet :)\r'"'"' ] &&
   [ "$(grep -c "^NAME=Dawn, Bright " expected)" -eq 6 ] && [ "$(grep -c "^NAME=x" expected)" -eq 1 ] &&
   [ "$(tail -c 7 expected)" = $'"'"'[EOF]\r'"'"' ]'
env -u DISPLAY "$program" --batch - <table.csv >out 2>err
check "a table from standard input" 'cmp -s out expected'
run --batch <(cat table.csv)
check "a table from a pipe, read once" 'ok 0 err && cmp -s out expected'
run --batch table.csv -o result.txt
check "-o writes the file, nothing to stdout" 'ok 0 out && cmp -s result.txt expected'
chmod 640 result.txt
run --batch table.csv --output result.txt
check "--output replaces a file, keeping its permissions" \
  'ok 0 && [ "$(stat -c %a result.txt)" = 640 ]'
mkfifo pipe
timeout 20 cat pipe >piped &
run --batch table.csv -o pipe
wait
check "-o to a pipe writes into it, not over it" 'ok 0 && [ -p pipe ] && cmp -s piped expected'

printf 'Material,Piece\n' >empty.csv
run --batch empty.csv -o empty.txt
check "a table of only a header writes an empty file" 'ok 0 empty.txt && [ -f empty.txt ]'

# Refused tables: status 2, one "FILE:LINE: what" line per problem, and nothing written.
printf 'keep me\n' >kept.txt
printf 'Material,Piece,Name\nLeather,Cap,fine\nWood,Cap,x\nLeather,Cap,"open\n' >bad.csv
run --batch bad.csv -o kept.txt
check "a refused table: status 2, a line per problem, the old file kept" \
  'ok 2 out && [ "$(cat kept.txt)" = "keep me" ] &&
   [ "$(cut -d: -f1,2 err | tr "\n" " ")" = "bad.csv:3 bad.csv:4 " ]'
run --batch bad.csv -o new.txt
check "a refused table makes no file" 'ok 2 && [ ! -e new.txt ]'
run --batch bad.csv
check "a refused table writes not one byte to stdout" 'ok 2 out'
env -u DISPLAY "$program" --batch - <bad.csv >out 2>err
status=$?
check "nor from standard input" 'ok 2 out && lines err 2'
{
  echo Material,Piece
  for _ in $(seq 25); do echo "Wood,Cap"; done
} >many.csv
run --batch many.csv
check "twenty problems, then how many more" \
  'ok 2 && lines err 21 && [ "$(tail -n 1 err)" = "many.csv: 5 more problems" ]'
# One sheet saved by a spreadsheet program four ways (tests/batch/sheet/export.sh): comma and
# UTF-8, semicolons, tabs and UTF-16 give the same text; Windows-1252 is refused once, with
# the cure.
sheet=$here/batch/sheet
for saved in items-comma-utf8.csv items-semicolon.csv items-tab-utf16.txt; do
  run --batch "$sheet/$saved" -o sheet.scp
  check "$saved gives the sheet's text" 'ok 0 out && ok 0 err && cmp -s sheet.scp "$sheet/items.scp"'
done
env -u DISPLAY "$program" --batch - <"$sheet/items-tab-utf16.txt" >out 2>err
status=$?
check "UTF-16 from standard input too" 'ok 0 err && cmp -s out "$sheet/items.scp"'
run --batch "$sheet/items-windows-1252.csv" -o kept.txt
check "Windows-1252: one line with the cure, status 2, the old file kept" \
  'ok 2 out && lines err 1 && [ "$(cat kept.txt)" = "keep me" ] &&
   grep -q "is not UTF-8; save the table as \"CSV UTF-8\" or \"Unicode text\"$" err'

# Rows after a set that ends with "[EOF]" are written, with one warning on the first of them.
printf 'Material,Piece\nLeather,Whole Set\n\nLeather,Cap\nPlatemail,Whole Set\nRingmail,Tunic\n' >after.csv
run --batch after.csv -o after.scp
check "rows after a set's end-of-file mark: written, status 0, one warning with the row's line" \
  'ok 0 out && lines err 1 && [ "$(cut -d: -f1-3 err)" = "after.csv:4: warning" ] &&
   [ "$(grep -c "^ID=" after.scp)" -eq 14 ]'

# A table that changes between its check and its second reading: the warning, printed between
# them, says when to change it; the output, a pipe that holds the writing until it is read,
# gets the rows before the new problem, which is reported with status 2.
printf 'Material,Piece\nLeather,Whole Set\nLeather,Cap\n' >changing.csv
mkfifo changing.fifo
# The limits are wide because a loaded machine under the sanitizers can take seconds to start.
env -u DISPLAY timeout 120 "$program" --batch changing.csv -o changing.fifo >out 2>err &
for _ in $(seq 1200); do grep -q warning err && break; sleep 0.1; done
echo "Wood,Cap" >>changing.csv
timeout 120 cat changing.fifo >/dev/null
wait $!
status=$?
check "a table that changes after its check: refused when read again" \
  'ok 2 out && lines err 2 && [ "$(tail -n 1 err | cut -d: -f1,2)" = "changing.csv:4" ]'

run --batch missing.csv
check "a missing table" \
  'ok 2 && [ "$(cat err)" = "missing.csv: cannot be read: No such file or directory" ]'
run --batch "$work"
check "a directory as table" 'ok 2 && lines err 1'
run --batch table.csv -o no/such/dir/out.txt
check "an output that cannot be made: status 1" 'ok 1 && lines err 1'
# Standard output on a full disk: a short text fails when it is flushed, a long one at once.
{
  echo Material,Piece
  for _ in $(seq 20); do echo "Ringmail,Whole Set"; done
} >long.csv
for table in table.csv long.csv; do
  env -u DISPLAY "$program" --batch $table >/dev/full 2>err
  status=$?
  check "$table to a full standard output: status 1, one line" \
    'ok 1 && [ "$(cat err)" = "<stdout>: cannot be written: No space left on device" ]'
done
rm out err
check "no temporary file left behind" \
  '[ "$(ls -A | tr "\n" " ")" = "after.csv after.scp bad.csv changing.csv changing.fifo empty.csv empty.txt expected kept.txt long.csv many.csv pipe piped result.txt sheet.scp table.csv " ]'

echo "command line: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
