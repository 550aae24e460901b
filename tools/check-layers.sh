#!/usr/bin/env bash
# Fails when a file reads a header of a folder its target does not link, or a standard-C++
# folder a Qt header (tools/check-layers.py, on the compiler's own dependency log), or when
# molvane-cli links Qt or its document module QtGui or Qt Widgets (only the bmp module may).
# Usage: tools/check-layers.sh [path/to/molvane-cli]   (default: build/cli/molvane-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
failed=0
cli=${1:-build/cli/molvane-cli}
# Every include, however spelled, as the compiler read it.
python3 tools/check-layers.py "$(dirname "$(dirname "$cli")")" || failed=1

documents="$(dirname "$cli")/molvane-cli-documents.so"
if [ ! -f "$cli" ] || [ ! -f "$documents" ]; then
    echo "$cli or $documents not found: build it first" >&2
    failed=1
elif readelf -d "$cli" | grep -q 'Qt6'; then
    echo "$cli links Qt: balance, weight and eval would load it" >&2
    failed=1
elif readelf -d "$documents" | grep -qE 'Qt6(Gui|Widgets)'; then
    echo "$documents links QtGui or Qt Widgets: the document commands would load them" >&2
    failed=1
fi
exit $failed
