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
    wait_dialog "Conconi File"
    import -window root "$2"
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_window gone "Conconi File" || fail "the Conconi File dialog did not take $1"
}

# The processor time the program has used, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

"$program" &
pid=$!
choose_file "$runner_a" dialog.png
wait_window up "#1: Conconi Test" || fail "no window \"#1: Conconi Test\""
id=$(window_of "#1: Conconi Test")
eval "$(xdotool getwindowgeometry --shell "$id")"
settled_shot "$id" runner_a.png

# Graphs > Data File > Add ...: handed over to the edition, which asks again.
open_menu 129
open_submenu Down Right
xdotool key Down Return
choose_file "$runner_b" dialog_add.png
wait_until differs_from "$id" runner_a.png || fail "the added file changed nothing in the window"
settled_shot "$id" runner_a_and_b.png

# Idle, the loop waits for messages: over 2 s far less than a processor.
# (A processor shared with other work only lengthens the wait for a quiet
# 2 s; a program that keeps one busy never has them.)
hz=$(getconf CLK_TCK)
idle_for_2s() {
    before=$(cpu_ticks)
    sleep 2
    used=$(( $(cpu_ticks) - before ))
    [ "$used" -lt $((2 * hz / 4)) ]
}
wait_until idle_for_2s || fail "the idle program kept a processor busy ($used ticks in 2 s)"
echo "processor time while idle: $used of $((2 * hz)) ticks"

"$close_window" "$id"
expect_exit_0 "kurvex-conconi plotted both files and its window was closed"
