#!/bin/sh
# kurvex-conconi on a real X server (Xvfb, the xcb platform): it asks at once
# for a Conconi file and plots it; "Add ..." of data files asks again and
# adds a graph; with nothing to do it does not keep a processor busy; closing
# its window ends it with status 0. Pictures of the window go to WORK_DIR.
# Usage: x11_conconi_test.sh KURVEX_CONCONI X11_CLOSE_WINDOW RUNNER_A RUNNER_B WORK_DIR
set -u
program=$1
close_window=$2
runner_a=$3
runner_b=$4
work=$5
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$work"

# Types a path into the Conconi dialog, which has come up, and takes it.
choose_file() {
    wait_window up "Conconi File" || fail "no Conconi File dialog came up"
    sleep 0.5
    import -window root "$2"
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_window gone "Conconi File" || fail "the Conconi File dialog did not take $1"
    sleep 0.5
}

# The processor time the program has used, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

"$program" &
pid=$!
choose_file "$runner_a" dialog.png
id=$(window_of "#1: Conconi Test")
[ -n "$id" ] || fail "no window \"#1: Conconi Test\""
eval "$(xdotool getwindowgeometry --shell "$id")"
import -window "$id" runner_a.png

# Graphs > Data File > Add ...: handed over to the edition, which asks again.
xdotool mousemove $((X + 129)) $((Y + 8)) click 1
sleep 0.5
xdotool key Down Right Down Return
choose_file "$runner_b" dialog_add.png
import -window "$id" runner_a_and_b.png

# Idle, the loop waits for messages: over 2 s far less than a processor.
hz=$(getconf CLK_TCK)
before=$(cpu_ticks)
sleep 2
used=$(( $(cpu_ticks) - before ))
echo "processor time while idle: $used of $((2 * hz)) ticks"
[ "$used" -lt $((2 * hz / 4)) ] || fail "the idle program kept a processor busy ($used ticks in 2 s)"

"$close_window" "$id"
i=0
while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
kill -0 "$pid" 2>/dev/null && fail "kurvex-conconi still runs after its window was closed"
wait "$pid"
status=$?
[ $status -eq 0 ] || { echo "kurvex-conconi ended with status $status" >&2; exit 1; }
echo "kurvex-conconi plotted both files and ended with status 0"
