#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every check CI runs: formatting, layering,
# clang-tidy, the full suite, the full suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzz targets. Prints how long each stage took.
# MOLVANE_SKIP_FORMAT=1 skips the format check, e.g. to time the rest on an unformatted tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
timings=()

stage() { # stage NAME COMMAND...
    local name=$1 start=$SECONDS
    shift
    echo "=== $name"
    "$@"
    timings+=("$(printf '%-12s %5d s' "$name" $((SECONDS - start)))")
}

stage setup scripts/setup.sh --test
# The tests, the benchmarks and -Werror are CI's: a plain configure builds none of them.
ci_options=(-DBUILD_TESTING=ON -DMOLVANE_WERROR=ON)
stage build scripts/build.sh build "${ci_options[@]}" -DMOLVANE_BENCH=ON
if [ "${MOLVANE_SKIP_FORMAT:-0}" = 1 ]; then
    echo "=== format: skipped (MOLVANE_SKIP_FORMAT=1)"
else
    stage format tools/check-format.sh
fi
stage layers tools/check-layers.sh build/cli/molvane-cli
stage tidy tools/check-tidy.sh build
# The package test too, which a plain ctest skips.
stage tests env MOLVANE_PACKAGE_TEST=1 ctest --test-dir build --output-on-failure --parallel "$(nproc)"
# One clang build serves both: the whole suite under the sanitizers, then the fuzz targets.
stage asan-build scripts/build.sh build-asan "${ci_options[@]}" -DCMAKE_CXX_COMPILER=clang++ -DMOLVANE_SANITIZE=ON \
    -DMOLVANE_FUZZ=ON -DMOLVANE_BENCH=OFF
stage asan-tests ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"
stage fuzz scripts/fuzz.sh 60 build-asan

printf '%s\n' "=== stage timings" "${timings[@]}"
