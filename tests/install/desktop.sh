#!/usr/bin/env bash
# Checks what the desktop reads: the entry, the AppStream metadata, and the MIME type that
# makes file managers open .KVX documents with the program.
# Usage: desktop.sh SOURCE_DIR METAINFO
set -euo pipefail
data=$1/data
metainfo=$2
desktop-file-validate "$data/org.molvane.Molvane.desktop"
appstreamcli validate --no-net --explain "$metainfo"

# The metadata's id and the entry's file name are one name.
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
[ "$id.desktop" = org.molvane.Molvane.desktop ] || { echo "id $id" >&2; exit 1; }
grep -qx 'MimeType=application/x-molvane-document;' "$data/org.molvane.Molvane.desktop"

# The MIME database built from the package file knows both spellings of the extension.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/mime/packages"
cp "$data/molvane-mime.xml" "$scratch/mime/packages/molvane.xml"
XDG_DATA_HOME=$scratch update-mime-database "$scratch/mime" 2>"$scratch/warnings"
if [ -s "$scratch/warnings" ]; then
    cat "$scratch/warnings" >&2
    exit 1
fi
grep -q ':application/x-molvane-document:\*\.KVX:cs$' "$scratch/mime/globs2"
grep -q ':application/x-molvane-document:\*\.kvx$' "$scratch/mime/globs2"
grep -qx 'application/x-molvane-document:molvane' "$scratch/mime/icons"
echo "desktop entry, metadata and MIME type valid"
