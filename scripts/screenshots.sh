#!/usr/bin/env bash
# Takes the README's screenshots of both windows on a virtual display.
#   screenshots.sh [EBO_BINARY]    (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/.."

ebo=$(realpath "${1:-build/release/app/ebo}")
out=docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill ${pid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

source tests/e2e/x11-session.sh
start_virtual_display

"$ebo" &
pid=$!

main=$(window_titled "ebo暗号化")
sleep 0.5
import -window "$main" "$out/main-window.png"

xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key Return
help=$(window_titled "ebo暗号化ヘルプ")
sleep 0.5
import -window "$help" "$out/help-window.png"
echo "wrote $out/main-window.png and $out/help-window.png"
