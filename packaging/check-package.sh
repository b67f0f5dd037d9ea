#!/usr/bin/env bash
# Checks what a built tree installs and packages: the files land where the
# desktop expects them, both validators accept the metadata, and the Debian
# package holds the same files and depends on the Qt runtime.
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
       share/icons/hicolor/64x64/apps/armoursmith.png
       share/metainfo/$id.metainfo.xml share/doc/armoursmith/copyright)

check "cmake --install" cmake --install "$build" --prefix "$tmp/root"
for f in "${files[@]}"; do
  check "installed $f" test -s "$tmp/root/$f"
done
check "icon is a 64x64 palette PNG" \
  grep -q '64 x 64, 8-bit colormap' <(file -b "$tmp/root/${files[2]}")
check "desktop-file-validate" \
  desktop-file-validate "$tmp/root/share/applications/armoursmith.desktop"
check "appstreamcli validate" \
  appstreamcli validate --no-net "$tmp/root/share/metainfo/$id.metainfo.xml"

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
else
  failed=$((failed + 1))
  echo "FAIL: no armoursmith_*.deb was written" >&2
fi

echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
