#!/bin/sh
# "--follow" on a real X server (Xvfb, the xcb platform): a script appends
# lines to the data file while the window follows it, a wheel zoom before
# the writing holds the range while the lines come, a wheel step during the
# writing is taken, and the plot saved afterwards holds every line the
# script wrote. The save dialog changes the working directory. Then the
# file is removed (the status line says so and the window stays) and written
# anew: it is followed again. Pictures of each step in WORK_DIR.
# Usage: x11_follow_test.sh KURVEX WORK_DIR
set -u
kurvex=$1
work=$2
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$work"
lines=600
echo "0 0 1" >grow.dat
mkdir out

# Appends lines $1 .. $2 of two channels, a few at a time, the last line of
# each batch written in two parts as a logger may leave it.
write_lines() {
    awk -v first="$1" -v last="$2" 'BEGIN {
        for (i = first; i <= last; i++) {
            line = sprintf("%d %.4f %.4f", i, sin(i / 40) * (1 + i / 300), cos(i / 25))
            if (i % 10 == 0) {
                printf "%s", substr(line, 1, 3) >>"grow.dat"; fflush("grow.dat")
                system("sleep 0.02")
                printf "%s\n", substr(line, 4) >>"grow.dat"; fflush("grow.dat")
            } else {
                printf "%s\n", line >>"grow.dat"; fflush("grow.dat")
            }
            if (i % 10 == 0) system("sleep 0.03")
        }
    }'
}

# Save Plot of the Plot menu under the name out/$1.plt (and out/$1.dat), in
# another folder, which becomes the working directory; waits until both are
# written.
save_plot() {
    open_menu 81
    open_submenu Down Right
    xdotool key Down Down Return
    wait_dialog "Save Plot"
    xdotool key ctrl+a type "$work/out/$1.plt"
    xdotool key Return
    wait_until plot_saved "$1" || fail "no plot file $1.plt was written"
}
plot_saved() { [ -s "out/$1.dat" ] && grep -q '^\[Graph2\]' "out/$1.plt" 2>/dev/null && window_gone "Save Plot"; }
# Saves the plot again until the saved data hold every line written: the
# window follows the file at its own pace.
attempt=0
saved_every_line() {
    attempt=$((attempt + 1))
    saved=saved$attempt
    save_plot $saved
    points=$(grep -c '^ *[-0-9]' out/$saved.dat)
    [ "$points" -eq $((lines + 1)) ]
}

# The first half is there when the window opens; the zoom is answered
# before the rest comes, and holds the range while it comes.
write_lines 1 $((lines / 2))
start_kurvex --follow grow.dat
settled_shot root following.png
xdotool mousemove $((X + 320)) $((Y + 250))
xdotool click 4
xdotool click 4
wait_until differs_from root following.png || fail "the wheel did not zoom"
settled_shot root zoomed.png
write_lines $((lines / 2 + 1)) $lines &
writer=$!
# One more wheel step while the lines keep coming.
xdotool click 4
kill -0 "$pid" 2>/dev/null || fail "the program ended during the zoom"
wait "$writer"
wait_until saved_every_line || fail "the saved plot holds $points lines, not $((lines + 1))"
settled_shot root written.png
grep -q "^follow= SHOW" out/$saved.plt || fail "the saved plot file does not say that it follows"
# The zoom held the range while the rest of the lines came: x stays short of the last line's.
xmax=$(sed -n 's/^xMax= *//p' out/$saved.plt)
awk -v m="$xmax" -v n="$lines" 'BEGIN { exit !(m < n) }' || fail "the range followed the data after the zoom (xMax $xmax)"
# The logger rotates its file: gone for a while, then written anew. The
# program follows it by its whole name although the dialog changed the
# working directory, and reads it again from its start.
rm grow.dat
wait_until differs_from root written.png || fail "the window did not say that the file went"
settled_shot root gone.png
kill -0 "$pid" 2>/dev/null || fail "the program ended when the file went"
printf '1 5 5\n2 6 6\n3 7 7\n' >grow.dat
back_followed() { save_plot back && [ "$(grep -c '^ *[-0-9]' out/back.dat)" -eq 3 ]; }
wait_until back_followed || fail "the file written anew was not followed: out/back.dat holds $(grep -c '^ *[-0-9]' out/back.dat) lines, not 3"
settled_shot root back.png
kill "$pid"
wait "$pid" 2>/dev/null
echo "followed $points lines; the zoom before the writing held the range (xMax $xmax); the file written anew was followed"
