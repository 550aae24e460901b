#!/usr/bin/env bash
# Opens an exported Farsi page in headless Chromium: the browser must read the Farsi item
# names as Farsi (the page declares its Windows-1256 charset), not as Latin letters.
# BrowserCheck.sh MOLVANE_CLI CHROMIUM FARSI_TEMPLATE WORK_DIR; leaves WORK_DIR/page.png to look at.
set -euo pipefail
cli=$1 chromium=$2 template=$3 work=$4
mkdir -p "$work"

# The Farsi template with a balanced reaction and 4 g of hydrogen in its first row.
sed -e '1s/^\r$/2H2+O2>2H2O\r/' -e '3s/^2\r$/4\r/' \
    -e '7s/^.*$/H2,2,2.02,,4,\r\nO2,1,31.98,,,\r\nH2O,2,18.01,,,\r/' "$template" >"$work/water.KVX"
"$cli" calc "$work/water.KVX"
"$cli" html "$work/water.KVX" "$work/page.html"

browser=("$chromium" --headless --no-sandbox --disable-gpu --user-data-dir="$work/profile")
"${browser[@]}" --dump-dom "file://$work/page.html" 2>/dev/null >"$work/dom.html"
"${browser[@]}" --screenshot="$work/page.png" --window-size=800,300 "file://$work/page.html" \
    2>/dev/null

fail=0
for text in 'فرمول' 'مول' 'گرم' 'ليتر' '31.66336633663' 'Molvane - water' '→'; do
    grep -qF "$text" "$work/dom.html" || { echo "not in the page as shown: $text"; fail=1; }
done
# the Farsi bytes read as Windows-1252, and the arrow byte of a missing Wingdings face
for text in 'ãæá' 'à'; do
    grep -qF "$text" "$work/dom.html" && { echo "shown as Latin letters: $text"; fail=1; }
done
[ -s "$work/page.png" ] || { echo "no screenshot"; fail=1; }
exit $fail
