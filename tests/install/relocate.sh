#!/usr/bin/env bash
# Installs the build into a scratch prefix, moves the prefix elsewhere and checks that the
# moved programs still run and find their own data directory, not the configured one, and
# that molvane without a display says so.
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
    # No display: one line naming molvane-cli and status 1, not Qt's abort.
    status=0
    "$prefix/bin/molvane" 2>"$scratch/no-display" || status=$?
    if [ $status -ne 1 ] || [ "$(wc -l <"$scratch/no-display")" -ne 1 ] ||
        ! grep -q 'graphical session.*molvane-cli' "$scratch/no-display"; then
        echo "without a display molvane exited $status saying:" >&2
        cat "$scratch/no-display" >&2
        exit 1
    fi
fi
echo "installed, moved and run from $prefix"
