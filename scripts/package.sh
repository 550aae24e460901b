#!/usr/bin/env bash
# Builds the Debian package of Molvane in build-package/ and prints its path. Any cmake option
# goes through, e.g. scripts/package.sh -DMOLVANE_HOMEPAGE_URL=https://... . Install it with
#   sudo apt install ./build-package/molvane_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# Optimised as Debian builds (-O2); warnings of another compiler must not stop a package build.
"$root/scripts/build.sh" build-package -DCMAKE_INSTALL_PREFIX=/usr -DMOLVANE_WERROR=OFF \
    -DBUILD_TESTING=OFF -DMOLVANE_BENCH=OFF "$@"
cd "$root/build-package"
cpack -G DEB >/dev/null
ls "$root"/build-package/molvane_*.deb
