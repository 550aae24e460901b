#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the full suite, then the pure
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

"$root/scripts/build.sh" build
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"

"$root/scripts/build.sh" build-asan -DMOLVANE_SANITIZE=ON -DMOLVANE_GUI=OFF -DMOLVANE_BENCH=OFF
ctest --test-dir "$root/build-asan" --output-on-failure --parallel "$(nproc)" -L pure
