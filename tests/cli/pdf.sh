#!/usr/bin/env bash
# molvane-cli pdf as a user runs it, read back by pdftotext: a table longer than a page goes on
# over the next with its header row again, every page has the document's name and its number,
# and --steps appends the working.
# Usage: pdf.sh MOLVANE_CLI
set -euo pipefail
cli=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }

# Water with 80 rows below the header, in English and in Farsi.
for language in E F; do
    {
        printf '2H2+O2>2H2O\r\n%s\r\n81\r\n3\r\n120,60,160\r\nFormula,Number,Weight\r\n' "$language"
        for i in $(seq 1 80); do printf 'H2O,%d,18.01\r\n' "$i"; done
        printf 'Arial,8,00,0\r\nArial,9,00,0\r\nArial,16,10,0\r\nArial,16,10,16711680\r\n'
        printf 'Arial,11,10,0\r\n0\r\n5\r\n3\r\n4\r\n0\r\n'
    } >"$scratch/long$language.KVX"
    "$cli" pdf --steps "$scratch/long$language.KVX" "$scratch/long$language.pdf" >/dev/null
    pdftotext -layout "$scratch/long$language.pdf" "$scratch/long$language.txt"
    pages=$(pdfinfo "$scratch/long$language.pdf" | awk '/^Pages:/ { print $2 }')
    [ "$pages" -ge 2 ] || fail "$language: $pages page(s) for 80 rows"
    [ "$(grep -c 'Molvane - long' "$scratch/long$language.txt")" -eq "$pages" ] ||
        fail "$language: the name is not on each of $pages pages"
    [ "$(grep -c 'Formula *Number *Weight\|Weight *Number *Formula' "$scratch/long$language.txt")" -eq "$pages" ] ||
        fail "$language: the header row is not on each of $pages pages"
    grep -q "$pages */ *$pages\|$pages */ *$pages" "$scratch/long$language.txt" ||
        fail "$language: no page number $pages / $pages"
    for i in 1 40 80; do
        grep -q "H2O *$i *18.01\|18.01 *$i *H2O" "$scratch/long$language.txt" || fail "$language: row $i missing"
    done
done
# The working, in each document's language (pdftotext gives Farsi in its shaped letters).
grep -q "^ *Working" "$scratch/longE.txt" || fail "no English working"
grep -q "Coefficients: 2, 1, 2" "$scratch/longE.txt" || fail "the English working lacks the coefficients"
grep -q "a = H2" "$scratch/longF.txt" && grep -q "2، 1، 2" "$scratch/longF.txt" &&
    ! grep -q "Coefficients" "$scratch/longF.txt" || fail "no Farsi working"
# The table's columns stand from the right in Farsi.
grep -q "Weight *Number *Formula" "$scratch/longF.txt" || fail "the Farsi table is not mirrored"
echo "ok: $pages pages"
