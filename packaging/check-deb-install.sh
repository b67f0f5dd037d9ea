#!/usr/bin/env bash
# Builds the Debian package from a built tree, installs it with apt (which must find its Qt
# dependencies), starts the installed program under a virtual display, checks that its main
# window comes up, and removes the package again. Needs root or sudo; skipped without.
#   usage: packaging/check-deb-install.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
title="Admin Harnwright"

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "package install: skipped, it needs root or sudo"
  exit 0
fi
# The package is installed machine-wide: one check at a time, whichever checkout runs it.
exec 9>/tmp/armoursmith-deb-install.lock
flock 9
if dpkg-query -W -f='${Status}' armoursmith 2>/dev/null | grep -q "ok installed"; then
  echo "package install: skipped, armoursmith is installed already and is left as it is"
  exit 0
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {  # fail "what" [log]
  echo "FAIL: $1" >&2
  [ -z "${2:-}" ] || cat "$2" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
  fail "cpack -G DEB" "$tmp/cpack.log"
deb=$(find "$tmp" -maxdepth 1 -name 'armoursmith_*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack wrote no armoursmith_*.deb"

apt() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"; }
apt install "$deb" >"$tmp/apt.log" 2>&1 || fail "apt-get install $deb" "$tmp/apt.log"
trap 'apt remove armoursmith >/dev/null; rm -rf "$tmp"' EXIT

# shellcheck disable=SC2016  # expanded by the shell inside the virtual display
# Inside the virtual display: start the program, wait up to 10 s for its window, end it.
window_check='
  /usr/bin/armoursmith 2>"$1" &
  for _ in $(seq 50); do
    if xwininfo -root -tree | grep -qF "\"$2\""; then kill $!; exit 0; fi
    sleep 0.2
  done
  kill $!
  exit 1'
if env -u QT_QPA_PLATFORM xvfb-run -a bash -c "$window_check" - "$tmp/stderr" "$title"; then
  echo "package install: the installed program showed \"$title\"; package removed again"
else
  fail "no window \"$title\" appeared from /usr/bin/armoursmith" "$tmp/stderr"
fi
