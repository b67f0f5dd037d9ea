#!/usr/bin/env bash
# The batch run through standard input and output and through output files, byte for byte
# against the files beside the tests. The same checks run for every platform's build: natively,
# and the Windows build under Wine, whose C runtime, file names and file replacing differ.
#   usage: tests/check-batch-command.sh [EMULATOR...] BATCH_COMMAND
# BATCH_COMMAND is tests/batch_command_main.cpp's program: BATCH_COMMAND TABLE [OUT]; or the
# program itself (armoursmith, armoursmith.com), run as PROGRAM --batch TABLE [-o OUT].
# shellcheck disable=SC2016  # the conditions are quoted so that check evaluates them later
set -u
[ $# -ge 1 ] || { echo "usage: $0 [EMULATOR...] BATCH_COMMAND" >&2; exit 2; }
command=("$@")
case ${command[-1]} in *.exe | *.com) windows=1 ;; *) windows=0 ;; esac
case ${command[-1]##*/} in armoursmith | armoursmith.com) options=1 ;; *) options=0 ;; esac
data=$(dirname "$(realpath "$0")")/batch
source "$(dirname "$(realpath "$0")")/check-helpers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

run() {  # run TABLE [OUT] [< INPUT]: output in out and err, status in $status
  if [ "$options" -eq 1 ]; then
    timeout 60 "${command[@]}" --batch "$1" ${2:+-o "$2"} >out 2>err
  else
    timeout 60 "${command[@]}" "$@" >out 2>err
  fi
  status=$?
}
ok() { [ "$status" -eq "$1" ] && [ ! -s "${2:-/dev/null}" ]; }  # ok STATUS [EMPTY-FILE]
# The table's rows after its first set, which ends with "[EOF]", draw one warning.
warned() { ok 0 && [ "$(wc -l <err)" -eq 1 ] && grep -q ':3: warning: ' err; }
leftovers() { ls -A | grep -Ev '^(out|err|program)$' | tr '\n' ' '; }

# Every material, whole sets and single pieces, quoted commas, cells in Latin, Cyrillic and
# Japanese letters: the text the windows write for it, CR LF ending every line once.
expected=$data/windows.txt
cp "$data/windows.csv" table.csv
run table.csv
check "to standard output, the bytes as written" 'warned && cmp -s out "$expected"'

# From standard input, with its CR LF line ends and a byte 1A (end of file to a text stream)
# in a cell of the second row: nothing of the table is lost or changed on the way.
sed 's/Dämmerung/Däm\x1Amerung/' table.csv >marked.csv
sed 's/Dämmerung/Däm\x1Amerung/g' "$expected" >marked.txt
run - <marked.csv
check "from standard input, bytes as they come" 'warned && cmp -s out marked.txt'
rm marked.csv marked.txt

# Onto an existing, longer file: it is replaced whole, and nothing else stays beside it.
head -c 200000 /dev/zero | tr '\0' x >old.scp
run table.csv old.scp
check "onto an existing file" 'warned && cmp -s old.scp "$expected" && [ ! -s out ]'
check "no new file left behind" '[ "$(leftovers)" = "old.scp table.csv " ]'

# Names in more than one script, as a user's language gives them.
mv table.csv 'Rüstung «Дракон».csv'
run 'Rüstung «Дракон».csv' '鎧 Доспехи.scp'
check "a table and an output named in several scripts" 'warned && cmp -s "鎧 Доспехи.scp" "$expected"'
run 'Rüstung «Дракон».csv' '鎧 Доспехи.scp'
check "and onto that file again" 'warned && cmp -s "鎧 Доспехи.scp" "$expected"'
run 'Fehlt «Дракон».csv'
check "a missing table is named as given" \
  'ok 2 out && [ "$(cut -d: -f1 err)" = "Fehlt «Дракон».csv" ] && [ "$(wc -l <err)" -eq 1 ]'
mv 'Rüstung «Дракон».csv' table.csv
rm '鎧 Доспехи.scp' old.scp

# A refused table leaves an existing output as it was.
printf 'keep me\r\n' >kept.scp
printf 'Material,Piece\nWood,Cap\n' >bad.csv
run bad.csv kept.scp
check "a refused table: status 2, the old file kept" \
  'ok 2 out && [ "$(cat kept.scp)" = $'"'"'keep me\r'"'"' ] && [ "$(leftovers)" = "bad.csv kept.scp table.csv " ]'

# Through a symbolic link: the file it points to takes the output, the link stays a link.
printf 'old\r\n' >real.scp
ln -s real.scp link.scp
run table.csv link.scp
check "through a symbolic link" 'warned && [ -L link.scp ] && cmp -s real.scp "$expected"'
rm link.scp real.scp
if [ "$windows" -eq 0 ]; then
  # As far as the shell's `>` follows links: a chain of 40, the kernel's limit.
  printf 'old\r\n' >real.scp
  for link in $(seq 39); do ln -sf "link$((link - 1)).scp" "link$link.scp"; done
  mv link39.scp link.scp && ln -sf real.scp link0.scp
  run table.csv link.scp
  check "through 40 symbolic links" 'warned && [ -L link.scp ] && cmp -s real.scp "$expected"'
  rm link*.scp real.scp
  # Started with standard input closed (as some services start programs), the output may
  # get descriptor 0: a pipe there is still written as a pipe, not replaced by a file.
  mkfifo pipe.scp
  timeout 60 cat pipe.scp >piped.scp &
  run table.csv pipe.scp <&-
  wait
  check "into a pipe on descriptor 0" 'warned && [ -p pipe.scp ] && cmp -s piped.scp "$expected"'
  rm pipe.scp piped.scp
fi

if [ "$windows" -eq 0 ] && [ "$(id -u)" -eq 0 ]; then
  # The owner, the group and the mode stay, the set-user-ID bit included (which a change of
  # owner clears).
  printf 'old\r\n' >owned.scp
  chown 65534:65534 owned.scp
  chmod 4754 owned.scp
  run table.csv owned.scp
  check "the owner and the mode kept" \
    'warned && [ "$(stat -c %u:%g:%a owned.scp)" = 65534:65534:4754 ] && cmp -s owned.scp "$expected"'
  rm owned.scp
  # Root may write any file: the next check runs as another user, with a copy of the program
  # that user may run.
  chmod 777 .
  cp "${command[-1]}" ./program
  command=(setpriv --reuid=65534 --regid=65534 --clear-groups ./program)
fi
# A file the user may not write is refused as the shell's `>` refuses it: status 1, one line
# after the table's warning, nothing written.
chmod 444 kept.scp
run table.csv kept.scp
check "a file the user may not write" \
  'ok 1 out && [ "$(cat kept.scp)" = $'"'"'keep me\r'"'"' ] && [ "$(wc -l <err)" -eq 2 ] &&
   tail -n 1 err | grep -Eq "^kept.scp: cannot be written: (Permission|Access) denied" &&
   [ "$(leftovers)" = "bad.csv kept.scp table.csv " ]'

echo "batch command: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
