#!/usr/bin/env bash
# Installs what is missing, builds, and starts ebo.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target ebo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "ebo: no display to show the window on; start it on a virtual one with: xvfb-run -a $PWD/build/release/app/ebo" >&2
    exit 1
fi
exec build/release/app/ebo
