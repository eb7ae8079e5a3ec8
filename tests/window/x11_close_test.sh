#!/bin/sh
# Closes the last window of kurvex on a real X server, once through the
# menu (Plot > Close) and once as a window manager does (WM_DELETE_WINDOW);
# the program must end with status 0 each time.
# Usage: x11_close_test.sh KURVEX X11_CLOSE_WINDOW DATA_FILE
set -u
kurvex=$1
close_window=$2
data=$3

# Starts kurvex, waits for its window and prints "PID WINDOW_ID X Y".
start() {
    "$kurvex" "$data" &
    pid=$!
    id=$(timeout 20 xdotool search --sync --name "#1: Kurvex" | head -1)
    if [ -z "$id" ]; then
        echo "no kurvex window appeared" >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    sleep 0.5  # the first paint
    eval "$(xdotool getwindowgeometry --shell "$id")"
}

# Waits for kurvex to end; fails when it does not or ends with another status.
expect_exit_0() {
    how=$1
    i=0
    while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    if kill -0 "$pid" 2>/dev/null; then
        echo "$how: kurvex is still running" >&2
        kill -9 "$pid"
        exit 1
    fi
    wait "$pid"
    status=$?
    if [ $status -ne 0 ]; then
        echo "$how: kurvex ended with status $status" >&2
        exit 1
    fi
    echo "$how: status 0"
}

start
# "Plot" is the second title of the menu bar; its last item is "Close".
xdotool mousemove $((X + 81)) $((Y + 8)) click 1
sleep 0.5
xdotool key Up Return
expect_exit_0 "Plot > Close"

start
"$close_window" "$id"
expect_exit_0 "WM_DELETE_WINDOW"
