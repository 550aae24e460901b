#!/usr/bin/env bash
# Installs what building and running Molvane needs on Debian 12; with --test also what the
# tests, the checks and the package test need. Safe to run again.
#   setup.sh [--test]
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config python3
    qt6-base-dev qt6-svg-dev libgl-dev
    fonts-liberation2 fonts-farsiweb
    qt6-translations-l10n xdg-utils
)
# Tests, benchmarks, sanitizers and fuzzing, the style checks, the X11 scenarios and the
# package's checkers.
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format clang-tidy
    xvfb xauth openbox xdotool x11-utils imagemagick wmctrl xclip poppler-utils
    desktop-file-utils appstream shared-mime-info lintian
)
case "${1:-}" in
"") ;;
--test) packages+=("${test_packages[@]}") ;;
*)
    echo "usage: setup.sh [--test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
