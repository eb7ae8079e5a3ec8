#!/bin/sh
# kurvex-samples on a real X server (Xvfb, the xcb platform): both windows
# appear; a wheel step over window 1 during the computation is answered
# while the points go on growing; closing both windows during the
# computation ends the program with status 0 before all passes are made.
# The computation takes well under a second, so the program is held
# (SIGSTOP) while input waits for it and while pictures are taken.
# Usage: x11_samples_test.sh KURVEX_SAMPLES X11_CLOSE_WINDOW WORK_DIR
set -u
program=$1
close_window=$2
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$3"
KURVEX_SAMPLES_TIMING=1
export KURVEX_SAMPLES_TIMING

fail() {
    echo "$1 (see $work)" >&2
    kill -CONT "$pid" 2>/dev/null
    kill "$pid" 2>/dev/null
    exit 1
}

# Starts the program and holds it as soon as its second window is up, at
# the start of the computation; sets pid, w1, w2 and X, Y of window 1.
start_held() {
    "$program" 2> report &
    pid=$!
    wait_until window_up "#2: Sine Function 2" || fail "window 2 did not appear"
    kill -STOP "$pid"
    w1=$(window_of "#1: Sine Function 1")
    w2=$(window_of "#2: Sine Function 2")
    [ -n "$w1" ] || fail "window 1 did not appear"
    eval "$(xdotool getwindowgeometry --shell "$w1")"
}

shot() { timeout 60 import -window "$@"; }

# The tick labels left of window 1's plot, which only a new range changes.
labels() { convert "$1" -crop 80x250+0+40 +repage "$2"; }
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" != 0 ]; }

# Lets the held program run a moment and holds it again; true once it has
# answered the wheel step (window 1's tick labels changed).
zoom_answered() {
    kill -CONT "$pid"
    sleep 0.05
    kill -STOP "$pid"
    shot "$w1" zoom_after.png
    labels zoom_after.png labels_after.png
    differ labels_before.png labels_after.png
}

# Held early enough, the program still has points to draw when it has
# answered the wheel step (it reports its passes only at the end); a start
# held too late is tried again.
attempt=0
while :; do
    attempt=$((attempt + 1))
    start_held
    shot "$w1" zoom_before.png
    labels zoom_before.png labels_before.png
    xdotool mousemove $((X + 450)) $((Y + 150)) click 5  # waits for the held program
    wait_until zoom_answered || fail "the wheel step during the computation changed no range"
    shot "$w2" grow_before.png
    computing=$(grep -c "passes: " report)
    kill -CONT "$pid"
    [ "$computing" -eq 0 ] && break
    kill "$pid"
    wait "$pid" 2>/dev/null
    [ $attempt -lt 5 ] || fail "the computation was always over before the program answered the wheel"
done
computation_over() { grep -q "passes: 20000" report; }
wait_until computation_over || fail "the computation did not end with all passes: $(cat report)"
settled_shot "$w2" grow_after.png
differ grow_before.png grow_after.png || fail "the points did not go on growing after the wheel step"
shot root after_computation.png
"$close_window" "$w1"
"$close_window" "$w2"
expect_exit_0 "closing both windows after the computation"

start_held
shot root held.png
"$close_window" "$w2"
"$close_window" "$w1"
kill -CONT "$pid"
expect_exit_0 "closing both windows during the computation"
grep -q "passes: " report || fail "no report of the computation"
grep -q "passes: 20000" report && fail "the computation went on after both windows had closed"
echo "zoomed during the computation, ended on closing: $(grep passes: report)"
