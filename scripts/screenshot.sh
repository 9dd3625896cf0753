#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture: the main window on the sample
# year, shown on a private X server (Xvfb) and captured from there.
set -euo pipefail
QM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$QM_ROOT/scripts/deps.sh"
qm_ensure_packages xvfb xdotool imagemagick openbox
qm_build "$QM_ROOT/build"

work=$(mktemp -d)
cp "$QM_ROOT/examples/QuillmoorAds.ini" "$QM_ROOT/examples/QuillmoorAds.qmr" "$work/"
sed -i "1s/,[0-9]*\r\$/,$(date +%Y)\r/" "$work/QuillmoorAds.qmr"

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x700x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
pids=($xpid)
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

(cd "$work" && exec env QT_QPA_PLATFORM=xcb "$QM_ROOT/build/QuillmoorAds" "$work/QuillmoorAds.qmr") &
pids+=($!)
window=$(timeout 20 xdotool search --sync --name '^Quillmoor Ad Sales - ver' | head -1)
sleep 1
mkdir -p "$QM_ROOT/docs"
import -window "$(xdotool getwindowfocus -f 2>/dev/null || echo "$window")" -frame "$QM_ROOT/docs/screenshot.png" 2>/dev/null ||
  import -window "$window" "$QM_ROOT/docs/screenshot.png"
echo "Wrote $QM_ROOT/docs/screenshot.png"
