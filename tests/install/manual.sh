#!/usr/bin/env bash
# The manual has the same sections in both languages, among them the contact section Help
# falls back to, each page links the other, and its pictures are there.
# Usage: manual.sh MANUAL_DIR
set -euo pipefail
manual=$1
ids() { grep -o 'id="[a-z-]*"' "$1" | sort; }
en=$(ids "$manual/en/index.html")
fa=$(ids "$manual/fa/index.html")
if [ "$en" != "$fa" ]; then
    diff <(echo "$en") <(echo "$fa") >&2 || true
    exit 1
fi
grep -qx 'id="contact"' <<<"$en"
# Each help link left unconfigured opens its own paragraph, which says so.
for link in website comments source; do
    grep -q "id=\"contact-$link\">.*not configured" "$manual/en/index.html"
done
grep -q 'href="../fa/index.html"' "$manual/en/index.html"
grep -q 'href="../en/index.html"' "$manual/fa/index.html"
grep -q '<html lang="fa" dir="rtl">' "$manual/fa/index.html"
# Every in-page link has its target, every picture its file.
for page in "$manual"/*/index.html; do
    for picture in $(grep -o 'src="[^"]*"' "$page" | sed 's/src="\(.*\)"/\1/'); do
        [ -f "$(dirname "$page")/$picture" ] || { echo "$page: no picture $picture" >&2; exit 1; }
    done
    for target in $(grep -o 'href="#[a-z]*"' "$page" | sed 's/href="#\(.*\)"/\1/'); do
        grep -q "id=\"$target\"" "$page" || { echo "$page: no section #$target" >&2; exit 1; }
    done
done
