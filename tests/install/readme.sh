#!/usr/bin/env bash
# Runs every molvane-cli command the README shows, from the source root as a reader would,
# with this build's molvane-cli and a scratch directory for /tmp; each must succeed.
# Usage: readme.sh SOURCE_DIR MOLVANE_CLI
set -euo pipefail
source_dir=$1
cli=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$source_dir"
commands=$(sed -n '/^## molvane-cli/,/^```$/p' README.md | grep 'molvane-cli ' |
    sed "s|/tmp/|$scratch/|g; s|build/cli/molvane-cli|$cli|")
[ "$(wc -l <<<"$commands")" -ge 10 ] || { echo "README commands not found" >&2; exit 1; }
while IFS= read -r command; do
    if ! (set -o pipefail; eval "$command") >"$scratch/out" 2>&1; then
        echo "failed: $command" >&2
        cat "$scratch/out" >&2
        exit 1
    fi
done <<<"$commands"
