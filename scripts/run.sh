#!/usr/bin/env bash
# Sets up the machine, builds Molvane and shows it balancing a few reactions.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build
"$root/build/cli/molvane-cli" balance --table "H2+O2>H2O" "Fe+O2>Fe2O3" "C3H8+O2>CO2+H2O" \
    "KMnO4+HCl>KCl+MnCl2+H2O+Cl2" "CH4+O2>CO2+H2O+CO"
