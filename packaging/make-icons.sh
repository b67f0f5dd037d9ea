#!/usr/bin/env bash
# Renders every icon file from the master packaging/armoursmith.svg: the desktop's PNG sizes,
# the Windows .ico and the macOS .icns. The results are kept in the repository, so that no
# platform's build needs these tools; run this after changing the SVG and commit its output.
# The main window's 64 px icon, packaging/armoursmith.png (256 colours), is drawn by hand and
# not rendered here.
#   usage: packaging/make-icons.sh [OUTPUT_DIR]   (default: packaging/icons)
# Needs rsvg-convert (librsvg2-bin), icotool (icoutils) and png2icns (icnsutils).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/icons}
mkdir -p "$out"

for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$here/armoursmith.svg" -o "$out/armoursmith-$size.png"
done
# The 256 px image is stored as PNG, as Windows expects for that size.
icotool -c -o "$out/armoursmith.ico" "$out"/armoursmith-{16,24,32,48}.png -r "$out/armoursmith-256.png"
png2icns "$out/armoursmith.icns" "$out"/armoursmith-{16,32,48,128,256}.png >/dev/null
