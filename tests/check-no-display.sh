#!/usr/bin/env bash
# Starts the program without a display, where it must end at once with status 1 and one line
# on stderr that gives the toolkit's first warning as the reason and names xvfb-run, in the C
# locale of a fresh system too; on the offscreen platform it must start and keep running.
#   usage: tests/check-no-display.sh PROGRAM
set -u
program=${1:?usage: $0 PROGRAM}
err=$(mktemp)
trap 'rm -f "$err"' EXIT
passed=0 failed=0

fail() {
  failed=$((failed + 1))
  echo "FAIL: $*" >&2
  sed 's/^/    /' "$err" >&2
}

for platform in -u\ QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb; do
  what="no display, $platform"
  # shellcheck disable=SC2086  # the platform setting is two words or one
  env -u DISPLAY -u WAYLAND_DISPLAY $platform LC_ALL=C timeout 20 "$program" >/dev/null 2>"$err"
  status=$?
  if [ "$status" -ne 1 ]; then
    fail "$what: exit status $status, not 1"
  elif [ "$(wc -l <"$err")" -ne 1 ] || ! grep -q 'opened (could not connect to display)' "$err" ||
    ! grep -q 'xvfb-run' "$err"; then
    fail "$what: stderr is not one line with the toolkit's reason and xvfb-run"
  else
    passed=$((passed + 1))
  fi
done

# Still running after two seconds means the window came up.
QT_QPA_PLATFORM=offscreen timeout 2 "$program" >/dev/null 2>"$err"
status=$?
if [ "$status" -eq 124 ]; then
  passed=$((passed + 1))
else
  fail "offscreen: ended with status $status instead of running"
fi

echo "no display: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
