#!/usr/bin/env bash
# Checks what a built tree installs and packages: the files land where the
# desktop expects them, both validators accept the metadata, and the Debian
# package holds the same files, depends on the Qt runtime and passes lintian.
#   usage: packaging/check-package.sh BUILD_DIR
set -u
build=${1:?usage: $0 BUILD_DIR}
build=$(cd "$build" && pwd) || exit 2
id=io.github.armoursmith.armoursmith
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
passed=0 failed=0

check() {  # check "what" command...
  local what=$1; shift
  if "$@" >"$tmp/out" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $what" >&2
    sed 's/^/    /' "$tmp/out" >&2
  fi
}

files=(bin/armoursmith share/applications/armoursmith.desktop
       share/icons/hicolor/scalable/apps/armoursmith.svg
       share/metainfo/$id.metainfo.xml share/man/man1/armoursmith.1.gz
       share/doc/armoursmith/copyright share/doc/armoursmith/changelog.gz)
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  files+=("share/icons/hicolor/${size}x$size/apps/armoursmith.png")
done

check "cmake --install" cmake --install "$build" --prefix "$tmp/root"
for f in "${files[@]}"; do
  check "installed $f" test -s "$tmp/root/$f"
done
for size in "${sizes[@]}"; do
  check "icon of $size pixels is a $size x $size PNG" grep -q "^PNG image data, $size x $size," \
    <(file -b "$tmp/root/share/icons/hicolor/${size}x$size/apps/armoursmith.png")
done
check "manual page is gzipped troff" \
  grep -q 'troff' <(zcat "$tmp/root/share/man/man1/armoursmith.1.gz" | file -b -)
check "desktop-file-validate" \
  desktop-file-validate "$tmp/root/share/applications/armoursmith.desktop"
# "Open with" in a file manager: the entry takes files and names the table types.
check "desktop entry opens tables" grep -qx -e 'Exec=armoursmith %F' \
  "$tmp/root/share/applications/armoursmith.desktop"
check "desktop entry lists the table types" grep -qx \
  -e 'MimeType=text/csv;text/tab-separated-values;' \
  "$tmp/root/share/applications/armoursmith.desktop"
check "appstreamcli validate" \
  appstreamcli validate --no-net --pedantic "$tmp/root/share/metainfo/$id.metainfo.xml"

check "cpack -G DEB" \
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/deb"
deb=$(ls "$tmp"/deb/armoursmith_*.deb 2>/dev/null | head -n 1)
if [ -n "$deb" ]; then
  dpkg-deb -c "$deb" >"$tmp/contents"
  for f in "${files[@]}"; do
    check "package holds usr/$f" grep -q " \./usr/$f\$" "$tmp/contents"
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  for p in libqt6widgets6 qt6-qpa-plugins libc6; do
    check "package depends on $p" grep -qw "$p" <<<"$depends"
  done
  recommends=$(dpkg-deb -f "$deb" Recommends)
  for p in qt6-wayland qt6-translations-l10n; do
    check "package recommends $p" grep -qw "$p" <<<"$recommends"
  done
  # Lintian prints errors, warnings and (with -I) informational notes; only the last may show.
  # It advises against running as root, which is what a container or CI does.
  check "lintian prints nothing" \
    bash -c 'out=$(lintian --allow-root --fail-on error,warning "$1" 2>&1) && [ -z "$out" ] ||
             { echo "$out"; exit 1; }' - "$deb"
else
  failed=$((failed + 1))
  echo "FAIL: no armoursmith_*.deb was written" >&2
fi

echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
