#!/usr/bin/env bash
# Sets up the machine, builds Molvane and molvane-cli (the tests are scripts/test.sh's) and
# starts Molvane.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" --target molvane --target molvane-cli build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start Molvane from a desktop session, or under a virtual one with"
    echo "  xvfb-run -s '-screen 0 1280x800x24' $root/build/app/molvane"
    echo "Meanwhile, molvane-cli balancing a few reactions:"
    exec "$root/build/cli/molvane-cli" balance --table "H2+O2>H2O" "Fe+O2>Fe2O3" \
        "C3H8+O2>CO2+H2O" "KMnO4+HCl>KCl+MnCl2+H2O+Cl2"
fi
exec "$root/build/app/molvane" "$@"
