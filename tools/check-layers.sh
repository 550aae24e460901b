#!/usr/bin/env bash
# Fails when a folder includes a folder later in the layer order, when a standard-C++ folder
# includes a Qt header, or when molvane-cli links Qt or its document module QtGui or Qt Widgets
# (only the bmp module may).
# Usage: tools/check-layers.sh [path/to/molvane-cli]   (default: build/cli/molvane-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
order=(core grid editor texts document export widgets ui app)
failed=0

# The folders a file in product folder $1 may include, itself last.
allowedFor() {
    if [ "$1" = cli ]; then
        echo "core grid editor texts document export cli"
        return
    fi
    local folders=() f
    for f in "${order[@]}"; do
        folders+=("$f")
        [ "$f" = "$1" ] && break
    done
    echo "${folders[*]}"
}

checkFolder() { # checkFolder DIR LEVEL
    local allowed file line folder
    allowed=" $(allowedFor "$2") "
    while IFS=: read -r file line folder; do
        folder=${folder#*\"}
        folder=${folder%/}
        if [[ "$allowed" != *" $folder "* ]]; then
            echo "$file:$line: $1 may not include $folder/" >&2
            failed=1
        fi
    done < <(git ls-files -z "$1" | xargs -0 -r grep -HnoE '^#include "[a-z]+/' || true)
}

for folder in "${order[@]}" cli; do
    checkFolder "$folder" "$folder"
    [ -d "tests/$folder" ] && checkFolder "tests/$folder" "$folder"
done

if git ls-files -z core grid editor texts | xargs -0 grep -nE '^#include <Q' >&2; then
    echo "standard-C++ folders (core grid editor texts) may not include Qt headers" >&2
    failed=1
fi

cli=${1:-build/cli/molvane-cli}
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
