#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and run ebo.
# Installs only what is missing, so it is cheap to run again.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n       # Qt Widgets, uic and Qt's own Japanese texts
    fonts-ipafont-gothic                     # Japanese glyphs
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev                 # libFuzzer
    xvfb xauth xdotool libx11-dev imagemagick  # end-to-end tests and screenshots
    desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
