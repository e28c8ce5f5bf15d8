#!/usr/bin/env bash
# Makes docs/screenshot.png: starts busquery on the sample city under a virtual display, looks
# up line 12 the way a traveller does (a click into the line box, typing, Enter) and captures
# the window. Needs Xvfb, xdotool and ImageMagick (apt-get install xvfb xdotool imagemagick).
# Usage: scripts/screenshot.sh [BIN_DIR]   (default build/bin, which holds busquery and busdata)
set -euo pipefail
cd "$(dirname "$0")/.."

bin=${1:-build/bin}
out=docs/screenshot.png
title='Velmorina公交查询系统2009'

for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "screenshot.sh needs $tool: apt-get install xvfb xdotool imagemagick" >&2
        exit 2
    fi
done
if [[ ! -x "$bin/busquery" || ! -f "$bin/busdata" ]]; then
    echo "screenshot.sh: no busquery with its busdata in $bin; build first" >&2
    exit 2
fi

# A display number nobody uses.
number=90
while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
export DISPLAY=:$number

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done

"$bin/busquery" 2>/dev/null &
app=$!
window=$(timeout 20 xdotool search --sync --name "$title" | head -n 1)
sleep 1  # the banner settles: its page or the placeholder
eval "$(xdotool getwindowgeometry --shell "$window")"

# The line box sits at 5760, 360 twips (384, 24 pixels at 96 dpi), 133 by 20 pixels.
xdotool mousemove $((X + 430)) $((Y + 34)) click 1
sleep 0.2
xdotool type --delay 80 '12'
xdotool key Return
sleep 0.5
xdotool mousemove $((X + WIDTH - 20)) $((Y + HEIGHT - 20))  # the pointer out of the picture
sleep 0.3

mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out"
