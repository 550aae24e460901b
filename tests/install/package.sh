#!/usr/bin/env bash
# Builds the Debian package from this build, as scripts/package.sh does, and checks it:
# every file a desktop and a user need, stripped and hardened programs, library dependencies
# and recommended packages, and lintian's errors and warnings when it is installed.
# Usage: MOLVANE_PACKAGE_TEST=1 package.sh BUILD_DIR (without it: skipped, status 77)
set -euo pipefail
if [ "${MOLVANE_PACKAGE_TEST:-0}" != 1 ]; then
    echo "skipped: set MOLVANE_PACKAGE_TEST=1 to build and check the package"
    exit 77
fi
build=$1
scratch=$(mktemp -d)
# CPack rewrites build/install_manifest.txt, which lists what the user installed.
manifest=$build/install_manifest.txt
[ -f "$manifest" ] && cp -p "$manifest" "$scratch/manifest"
restore() {
    if [ -f "$scratch/manifest" ]; then cp -p "$scratch/manifest" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$scratch"
}
trap restore EXIT
cpack -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(ls "$scratch"/molvane_*.deb)

failed=0
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in bin/molvane bin/molvane-cli share/applications/org.molvane.Molvane.desktop \
    share/metainfo/org.molvane.Molvane.metainfo.xml share/mime/packages/molvane.xml \
    share/icons/hicolor/scalable/apps/molvane.svg share/man/man1/molvane.1.gz \
    share/man/man1/molvane-cli.1.gz share/molvane/New.KVX share/molvane/NewF.KVX \
    share/molvane/manual/en/index.html share/molvane/manual/fa/index.html \
    share/doc/molvane/copyright share/doc/molvane/changelog.gz \
    share/doc/molvane/examples/salt.KVX; do
    grep -qx "./usr/$file" <<<"$contents" || { echo "missing /usr/$file" >&2; failed=1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
# Printing and the SVG picture need their Qt libraries.
for library in libqt6widgets6 libqt6printsupport6 libqt6svg6 libc6; do
    [[ $depends == *"$library "* ]] || { echo "Depends lacks $library: $depends" >&2; failed=1; }
done

dpkg-deb -x "$deb" "$scratch/root"
for program in molvane molvane-cli; do
    if readelf -S "$scratch/root/usr/bin/$program" | grep -q '\.symtab\|\.debug_'; then
        echo "$program is not stripped" >&2
        failed=1
    fi
done

# Every link points at an address the build was given, never at a placeholder.
if grep -rl 'example\.org' "$scratch/root"; then
    echo "placeholder addresses left in the package" >&2
    failed=1
fi

# Hardened: the stack protector in, and every symbol bound at start with read-only relocations.
for program in molvane molvane-cli; do
    binary=$scratch/root/usr/bin/$program
    # Whole outputs: grep -q ending a pipe early would fail it under pipefail.
    dynamic=$(readelf -d "$binary") segments=$(readelf -lW "$binary")
    symbols=$(readelf --dyn-syms -W "$binary")
    grep -q 'FLAGS.*\bNOW\b' <<<"$dynamic" || { echo "$program: no BIND_NOW" >&2; failed=1; }
    grep -q GNU_RELRO <<<"$segments" || { echo "$program: no RELRO" >&2; failed=1; }
    grep -q __stack_chk_fail <<<"$symbols" || { echo "$program: no stack protector" >&2; failed=1; }
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in fonts-liberation2 fonts-farsiweb qt6-translations-l10n xdg-utils; do
    [[ $recommends == *"$package"* ]] || { echo "Recommends lacks $package: $recommends" >&2; failed=1; }
done

if command -v lintian >/dev/null; then
    if ! lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1; then
        grep -v 'running with root privileges' "$scratch/lintian.log" >&2
        failed=1
    fi
fi
exit $failed
