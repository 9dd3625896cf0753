#!/usr/bin/env bash
# Makes the icon's PNG sizes from its one SVG source (needs rsvg-convert, Debian
# package librsvg2-bin). The PNGs are committed, so a build needs neither.
set -euo pipefail
QM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
svg="$QM_ROOT/data/icons/org.quillmoor.QuillmoorAds.svg"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$QM_ROOT/data/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$QM_ROOT/data/icons/${size}x${size}/org.quillmoor.QuillmoorAds.png"
done
