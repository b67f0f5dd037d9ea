#!/usr/bin/env bash
# Starts the program in a desktop session of its own, with the accessibility bus, and drives
# it through that bus (tests/atspi_check.py): every control of both windows is found with its
# role and name, and MAKE SCRIPT!!! writes its script.
#   x11:     on a virtual X display (Xvfb)
#   wayland: natively on a headless Weston compositor; then also without a compositor, where
#            the program must say so in one line and exit with status 1
# Every step is bounded by a timeout.
#   usage: tests/check-session.sh x11|wayland PROGRAM
set -u
mode=${1:?usage: $0 x11|wayland PROGRAM}
program=$(realpath "${2:?usage: $0 x11|wayland PROGRAM}")
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
chmod 700 "$tmp"
server=
trap '[ -z "$server" ] || kill "$server" 2>/dev/null; rm -rf "$tmp"' EXIT

fail() {
  echo "FAIL: $1" >&2
  # Without the Wayland protocol log's lines, which would bury the rest.
  [ -z "${2:-}" ] || grep -v '^\[ *[0-9.]*\] ' "$2" | sed 's/^/    /' >&2
  exit 1
}

# Waits up to 10 s for a file to appear.
await() {
  for _ in $(seq 100); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

start_server() {
  case $mode in
    x11)
      # A display number of its own: other checks on this machine may run their own servers.
      # Xvfb writes the number to the given descriptor once it accepts connections. Without
      # -noreset it starts afresh whenever its last client leaves, as the accessibility bus's
      # launcher does right at the start, and refuses connections meanwhile.
      for _ in 1 2 3; do
        display=$((RANDOM % 900 + 100))
        Xvfb ":$display" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
          3>"$tmp/display" >"$tmp/server.log" 2>&1 &
        server=$!
        for _ in $(seq 100); do
          [ -s "$tmp/display" ] || ! kill -0 "$server" 2>/dev/null && break
          sleep 0.1
        done
        [ "$(cat "$tmp/display")" = "$display" ] && break
        kill "$server" 2>/dev/null
        server=
      done
      [ -n "$server" ] || fail "Xvfb did not start" "$tmp/server.log"
      session=(env -u WAYLAND_DISPLAY DISPLAY=":$display" QT_QPA_PLATFORM=xcb)
      ;;
    wayland)
      # The compositor's socket goes into a runtime directory of its own.
      export XDG_RUNTIME_DIR=$tmp
      rm -f "$tmp"/wayland-armoursmith*
      weston --backend=headless-backend.so --socket=wayland-armoursmith --idle-time=0 \
        >"$tmp/server.log" 2>&1 &
      server=$!
      await "$tmp/wayland-armoursmith" || fail "Weston did not start" "$tmp/server.log"
      session=(env -u DISPLAY WAYLAND_DISPLAY=wayland-armoursmith QT_QPA_PLATFORM=wayland)
      ;;
    *) fail "unknown mode $mode" ;;
  esac
}

start_server

# Without a compositor the Wayland platform cannot start: one clear line, status 1, in the C
# locale of a fresh system too.
if [ "$mode" = wayland ]; then
  env -u DISPLAY WAYLAND_DISPLAY=no-such-compositor QT_QPA_PLATFORM=wayland LC_ALL=C timeout 20 \
    "$program" >/dev/null 2>"$tmp/stderr"
  status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l <"$tmp/stderr")" -eq 1 ] &&
    grep -q 'no display could be opened' "$tmp/stderr" ||
    fail "without a compositor: status $status and not one line naming the display" \
      "$tmp/stderr"
fi

# Started through a link of another name, the program still names itself armoursmith on the
# bus; on Wayland it gives the compositor the name of its desktop entry.
ln -s "$program" "$tmp/linked"
[ "$mode" = wayland ] && session+=(WAYLAND_DEBUG=client)
# dbus-run-session gives the program and the check a session bus of their own.
"${session[@]}" timeout 60 dbus-run-session -- "$here/atspi_check.py" "$tmp/linked" \
  >"$tmp/check.log" 2>&1 || fail "the program in a $mode session" "$tmp/check.log"
[ "$mode" = x11 ] || grep -q 'set_app_id("armoursmith")' "$tmp/check.log" ||
  fail "the program gave Weston no app id armoursmith" "$tmp/check.log"
grep "^atspi:" "$tmp/check.log"
echo "$mode session: passed"
