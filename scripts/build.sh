#!/usr/bin/env bash
# Configures and builds one out-of-tree build directory, everything or only the targets named:
#   build.sh [--target NAME]... DIR [cmake options...]
# A relative DIR is taken from the source root, an absolute one as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=()
while [ "${1:-}" = --target ]; do
    targets+=(--target "$2")
    shift 2
done
dir=$1
shift
[[ $dir = /* ]] || dir=$root/$dir
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
