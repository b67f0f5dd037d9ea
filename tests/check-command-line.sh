#!/usr/bin/env bash
# The command line without a display, in the C locale of a fresh system: --help and --version,
# a usage error, Qt's own options reaching the windows, and batch runs from a table file or
# standard input, with the promise that a refused table writes nothing at all.
#   usage: tests/check-command-line.sh PROGRAM
# shellcheck disable=SC2016  # the conditions are quoted so that check evaluates them later
set -u
program=${1:?usage: $0 PROGRAM}
help=$(dirname "$(realpath "$0")")/golden/help.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
passed=0 failed=0

check() {  # check WHAT CONDITION: counts whether the shell condition holds
  if eval "$2"; then passed=$((passed + 1)); else
    failed=$((failed + 1))
    echo "FAIL: $1" >&2
    sed 's/^/    out: /' out >&2
    sed 's/^/    err: /' err >&2
  fi
}
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
    '[ "$(head -n 1 out)" = "Usage: $program [options]" ] &&
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

for bad in --bogus -x --batch -platform stray; do
  run $bad
  # Not 0, and not a signal (a crash or an abort ends with 128 and more).
  check "$bad: one line on stderr, failure status" \
    '[ $status -ge 1 ] && [ $status -lt 128 ] && [ ! -s out ] && lines err 1'
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
# designer line and the Platemail set and ends with the Leather cap block.
printf 'Material,Piece,Name\r\nPlatemail,Whole Set,"Dawn, Bright"\r\nLeather,Cap,x\r\n' >table.csv
run --batch table.csv
check "batch to standard output" 'ok 0 err'
cp out expected
check "the output is the generated text" \
  '[ "$(head -c 33 expected)" = $'"'"'// Designed By: Admin Pimlet :)\r'"'"' ] &&
   [ "$(grep -c "^NAME=Dawn, Bright " expected)" -eq 6 ] &&
   [ "$(tail -c 16 expected)" = $'"'"'{Hp Out of HP}\r'"'"' ]'
env -u DISPLAY "$program" --batch - <table.csv >out 2>err
check "a table from standard input" 'cmp -s out expected'
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
{
  echo Material,Piece
  for _ in $(seq 25); do echo "Wood,Cap"; done
} >many.csv
run --batch many.csv
check "twenty problems, then how many more" \
  'ok 2 && lines err 21 && [ "$(tail -n 1 err)" = "many.csv: 5 more problems" ]'
run --batch missing.csv
check "a missing table" \
  'ok 2 && [ "$(cat err)" = "missing.csv: cannot be read: No such file or directory" ]'
run --batch "$work"
check "a directory as table" 'ok 2 && lines err 1'
run --batch table.csv -o no/such/dir/out.txt
check "an output that cannot be made: status 1" 'ok 1 && lines err 1'
rm out err
check "no temporary file left behind" \
  '[ "$(ls -A | tr "\n" " ")" = "bad.csv empty.csv empty.txt expected kept.txt many.csv pipe piped result.txt table.csv " ]'

echo "command line: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
