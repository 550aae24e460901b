#!/usr/bin/env bash
# Screenshots of the program as a user sees it, under a virtual display:
#   xvfb-run -a -s "-screen 0 1280x800x24" tools/screenshots.sh OUTDIR
# Needs xdotool and imagemagick. Shows: the start window, a balanced reaction with its grid
# calculated from a typed mass, the "Invalid number" box, and the window in Farsi.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/molvane-shots}
mkdir -p "$out"
export HOME=$(mktemp -d) # a first start: no stored settings

"$root/build/app/molvane" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 2
win=$(xdotool search --name "Molvane" | head -1)
xdotool windowfocus --sync "$win" || true
import -window root "$out/start.png"

xdotool mousemove 100 96 click 1
# Capitals where a lower-case letter would make another element (No, Co).
xdotool type --delay 30 "k4fe(cn)6+kmno4+h2so4 khso4+fe2(so4)3+mnso4+hNO3+CO2+h2o"
xdotool key Return
sleep 0.5
# The Gram cell of the first substance row: type a mass, then calculate.
xdotool mousemove "${GRAM_X:-420}" 176 click --repeat 2 1
xdotool type --delay 30 "100"
xdotool key Return
xdotool mousemove 712 508 click 1
sleep 0.5
import -window root "$out/balanced.png"

xdotool mousemove "${GRAM_X:-420}" 197 click --repeat 2 1
xdotool key ctrl+a
xdotool type --delay 30 "1.5."
sleep 0.7
import -window root "$out/invalid.png"

# The same window in Farsi: the menu from the right, the grid mirrored.
xdotool key Return
sleep 0.3
xdotool key Escape
xdotool mousemove 300 300 click 1
xdotool key F9
sleep 0.7
import -window root "$out/farsi.png"
