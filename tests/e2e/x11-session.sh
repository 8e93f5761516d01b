# Sourced by the scripts that show ebo on a virtual display: the end-to-end
# test and the screenshots. Expects $work (a scratch folder) and, for the
# window lookups, $pid (the running ebo).

# Starts Xvfb on a free display (it writes the number to fd 3) and points
# DISPLAY at it; sets $xvfb to its process id.
start_virtual_display() {
    # -noreset: the server must not reset when ebo, its last client, exits
    # and the next ebo is about to connect.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
    xvfb=$!
    timeout 10 bash -c "until [ -s '$work/display' ]; do sleep 0.1; done" || return 1
    export DISPLAY=":$(cat "$work/display")"
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
}

# Prints the id of the visible window of ebo whose title is exactly $1.
# (xdotool's own --name match is unreliable for Japanese titles.)
find_window_titled() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        if [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ]; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

# The same, waiting up to 10 seconds for the window to appear.
window_titled() {
    local window
    for _ in $(seq 100); do
        window=$(find_window_titled "$1") && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}
