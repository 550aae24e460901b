#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while from a scratch copy of its
# committed seed corpus. Fails on a crash, a leak, or a unit slower than a second (timeout).
# Usage: scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out="$root/build-fuzz"
"$root/scripts/build.sh" build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DMOLVANE_FUZZ=ON \
    -DMOLVANE_GUI=OFF -DBUILD_TESTING=OFF -DMOLVANE_BENCH=OFF

for name in balance evaluate grid_calc document; do
    # New inputs go to the scratch copy, never into the committed corpus.
    corpus="$out/corpus/$name"
    rm -rf "$corpus"
    mkdir -p "$corpus"
    cp "$root/fuzz/corpus/$name/"* "$corpus/"
    options=(-max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$out/fuzz_$name-")
    case $name in evaluate | grid_calc) options+=(-dict="$root/fuzz/formula.dict") ;; esac
    if ! "$out/fuzz/fuzz_$name" "${options[@]}" "$corpus" >"$out/fuzz_$name.log" 2>&1; then
        cat "$out/fuzz_$name.log"
        echo "fuzz_$name failed; the input is in $out/fuzz_$name-*" >&2
        exit 1
    fi
    echo "fuzz_$name: $(grep -E '^stat::number_of_executed_units' "$out/fuzz_$name.log")"
done
