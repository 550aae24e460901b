#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while from a scratch copy of its
# committed seed corpus. Fails on a crash, a leak, or a unit slower than a second (timeout).
# Usage: scripts/fuzz.sh [seconds per target, default 60] [build directory, default build-fuzz]
# CI passes its sanitizer build, which is configured for the fuzz targets already.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out=${2:-build-fuzz}
[[ $out = /* ]] || out=$root/$out
# Only the targets and the libraries they link; the program itself is not needed.
targets=()
for name in balance evaluate grid_calc document editor_paint icons redox; do targets+=(--target "fuzz_$name"); done
"$root/scripts/build.sh" "${targets[@]}" "$out" -DCMAKE_CXX_COMPILER=clang++ -DMOLVANE_FUZZ=ON \
    -DMOLVANE_GUI=ON

fuzz() { # fuzz NAME: runs one target
    local name=$1 corpus="$out/corpus/$1" log="$out/fuzz_$1.log"
    # New inputs go to the scratch copy, never into the committed corpus.
    rm -rf "$corpus"
    mkdir -p "$corpus"
    cp "$root/fuzz/corpus/$name/"* "$corpus/"
    local options=(-max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$out/fuzz_$name-")
    case $name in evaluate | grid_calc) options+=(-dict="$root/fuzz/formula.dict") ;; esac
    if ! "$out/fuzz/fuzz_$name" "${options[@]}" "$corpus" >"$log" 2>&1; then
        cat "$log"
        echo "fuzz_$name failed; the input is in $out/fuzz_$name-*" >&2
        return 1
    fi
    echo "fuzz_$name: $(grep -E '^stat::number_of_executed_units' "$log")"
}

# Two targets at a time, one per core of the CI machine.
failed=0
for pair in "balance evaluate" "grid_calc document" "editor_paint icons" "redox"; do
    for name in $pair; do fuzz "$name" & done
    for name in $pair; do wait -n || failed=1; done
done
exit $failed
