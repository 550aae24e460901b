#!/usr/bin/env bash
# Installs the build into a scratch prefix, moves the prefix elsewhere and checks that the
# moved programs still run and find their own data directory, not the configured one.
# Usage: relocate.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Every file is in the one default component; installing it by name writes its own manifest,
# so build/install_manifest.txt keeps listing what the user installed.
cmake --install "$build" --component Unspecified --prefix "$scratch/first" >/dev/null
mv "$scratch/first" "$scratch/moved"
prefix=$scratch/moved
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$prefix/bin/molvane-cli" --version | grep -qx "molvane-cli [0-9.]*"
"$prefix/bin/molvane-cli" show "$prefix/share/doc/molvane/examples/salt.KVX" | grep -q '^Reaction: 2Na+Cl2>2NaCl$'
[ -f "$prefix/share/molvane/New.KVX" ] && [ -f "$prefix/share/molvane/NewF.KVX" ]
if [ -x "$prefix/bin/molvane" ]; then
    help=$("$prefix/bin/molvane" --help)
    manual=$(sed -n 's/^Manual: //p' <<<"$help")
    if [ "$manual" != "$prefix/share/molvane/manual/en/index.html" ]; then
        echo "the moved program reads its manual from '$manual'" >&2
        exit 1
    fi
    [ -f "$manual" ]
fi
echo "installed, moved and run from $prefix"
