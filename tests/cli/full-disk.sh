#!/usr/bin/env bash
# On a full disk the commands that write say so and exit 1, and the file they would replace
# keeps its bytes: calc in place, check -o and html. Needs root to mount a small file system.
# Usage: full-disk.sh MOLVANE_CLI EXAMPLE.KVX
set -euo pipefail
cli=$1
example=$2
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: mounting a small file system needs root"
    exit 0
fi
disk=$(mktemp -d)
trap 'umount "$disk"; rmdir "$disk"' EXIT
mount -t tmpfs -o size=64k tmpfs "$disk"
cp "$example" "$disk/doc.KVX"
echo "an old page" >"$disk/page.html"
dd if=/dev/zero of="$disk/filler" bs=1k count=128 2>/dev/null || true
for run in "calc $disk/doc.KVX" "check $disk/doc.KVX -o $disk/doc.KVX" "html $disk/doc.KVX $disk/page.html"; do
    status=0
    # shellcheck disable=SC2086
    out=$("$cli" $run 2>&1) || status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: $run exited $status: $out"; exit 1; }
    [[ "$out" == *"No space left on device"* ]] || { echo "FAIL: $run said: $out"; exit 1; }
done
cmp "$example" "$disk/doc.KVX" || { echo "FAIL: the document changed"; exit 1; }
[ "$(cat "$disk/page.html")" = "an old page" ] || { echo "FAIL: the page changed"; exit 1; }
