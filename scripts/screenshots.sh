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

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
timeout 10 bash -c "until [ -s '$work/display' ]; do sleep 0.1; done"
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM

"$ebo" &
pid=$!

window_titled() {
    for _ in $(seq 100); do
        for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            [ "$(xdotool getwindowname "$window")" = "$1" ] && { echo "$window"; return 0; }
        done
        sleep 0.1
    done
    echo "no window '$1'" >&2
    return 1
}

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
