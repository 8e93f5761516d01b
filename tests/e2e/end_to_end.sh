#!/usr/bin/env bash
# Drives the real program in a real X window, as a person would: keyboard and
# mouse through xdotool, on an Xvfb display of its own.
#   end_to_end.sh EBO_BINARY CLOSE_WINDOW_BINARY
set -euo pipefail

ebo=$(realpath "$1")
close_window=$(realpath "$2")
work=$(mktemp -d)
pid=""

cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

source "$(dirname "$0")/x11-session.sh"
start_virtual_display || fail "Xvfb did not start"

# Bounded waits: poll a condition for up to 10 seconds.
wait_until() {
    local what=$1; shift
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

no_window_titled() { ! find_window_titled "$1" >/dev/null; }

focus() { xdotool windowfocus --sync "$1"; }

start_ebo() {
    (cd "$work" && exec "$ebo") &
    pid=$!
    main=$(window_titled "ebo暗号化") || fail "the main window did not appear"
    focus "$main"
}

# Points inside the main window (below its menu bar) at the key field and
# at the lock and unlock buttons.
key_field=(110 38)
lock_button=(45 66)
unlock_button=(132 66)

click_at() { xdotool mousemove --window "$main" "$1" "$2" click 1; }

# Types a key into the key field and clicks a button ("lock" or "unlock").
press_command() {
    local key=$1 button=$2
    focus "$main"
    click_at "${key_field[@]}"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$key"
    if [ "$button" = lock ]; then click_at "${lock_button[@]}"; else click_at "${unlock_button[@]}"; fi
}

# In the file dialog titled $1, types $2 as the name (or keeps the
# suggestion when $2 is empty) and confirms.
answer_dialog() {
    local title=$1 name=$2 dialog
    dialog=$(window_titled "$title") || fail "no '$title' dialog"
    focus "$dialog"
    if [ -n "$name" ]; then
        xdotool key --clearmodifiers ctrl+a
        xdotool type --delay 10 "$name"
    fi
    xdotool key Return
    wait_until "the '$title' dialog to close" no_window_titled "$title"
}

same_bytes() { [ -f "$2" ] && cmp -s "$1" "$2"; }

expect_exit_status_0() {
    local status=0
    timeout 10 tail --pid="$pid" -f /dev/null || fail "$1: ebo did not end"
    wait "$pid" || status=$?
    pid=""
    [ "$status" = 0 ] || fail "$1: exit status $status"
}

# Every byte value, then some text.
head -c 0 /dev/null >"$work/source.bin"
for i in $(seq 0 255); do printf "\\$(printf '%03o' "$i")"; done >"$work/source.bin"
printf 'Readme\r\n\032end\n' >>"$work/source.bin"
# The expected lock with key 7: every byte plus 7, modulo 256.
LC_ALL=C tr '\000-\377' '\007-\377\000-\006' <"$work/source.bin" >"$work/expected.locked"

echo "lock with key 7, accepting the suggested destination"
start_ebo
press_command 7 lock
answer_dialog "開く" "$work/source.bin"
answer_dialog "名前を付けて保存" ""
wait_until "the locked file" same_bytes "$work/expected.locked" "$work/source.binebo"

echo "unlock into another name"
press_command 7 unlock
answer_dialog "開く" "$work/source.binebo"
answer_dialog "名前を付けて保存" "$work/restored.bin"
wait_until "the unlocked file" same_bytes "$work/source.bin" "$work/restored.bin"

echo "an invalid key shows a message box and no file dialog"
press_command abc lock
box=$(window_titled "ebo") || fail "no message box captioned 'ebo'"
no_window_titled "開く" || fail "a file dialog opened for an invalid key"
focus "$box"
xdotool key Return
wait_until "the message box to close" no_window_titled "ebo"

echo "File > 閉じる ends the program with status 0"
focus "$main"
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key x
expect_exit_status_0 "File > 閉じる"

echo "closing the main window ends the program with status 0"
start_ebo
"$close_window" "$main"
expect_exit_status_0 "close box"

echo "end-to-end: all passed"
