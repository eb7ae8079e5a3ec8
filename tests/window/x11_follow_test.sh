#!/bin/sh
# "--follow" on a real X server (Xvfb, the xcb platform): a script appends
# lines to the data file while the window follows it, a wheel zoom during
# the writing is answered and holds the range, and the plot saved afterwards
# holds every line the script wrote. Then the file is removed: the status line says so and
# the window stays. Pictures of each step in WORK_DIR.
# Usage: x11_follow_test.sh KURVEX WORK_DIR
set -u
kurvex=$1
work=$2
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$work"
lines=600
echo "0 0 1" >grow.dat

# Appends lines 1 .. $lines of two channels, a few at a time, the last
# line of each batch written in two parts as a logger may leave it.
write_lines() {
    awk -v n="$lines" 'BEGIN {
        for (i = 1; i <= n; i++) {
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

start_kurvex --follow grow.dat
write_lines &
writer=$!
sleep 1.5
import -window root following.png
# A wheel zoom in the middle of the plot while the lines keep coming.
xdotool mousemove $((X + 320)) $((Y + 250))
xdotool click 4
sleep 0.3
xdotool click 4
sleep 0.3
import -window root zoomed.png
kill -0 "$pid" 2>/dev/null || fail "the program ended during the zoom"
wait "$writer"
sleep 1
import -window root written.png
# Plot > File > Save ...
xdotool mousemove $((X + 81)) $((Y + 8)) click 1
sleep 0.5
xdotool key Down Right Down Down Return
wait_window up "Save Plot" || fail "no dialog \"Save Plot\""
sleep 0.5
xdotool key ctrl+a type "$work/saved.plt"
xdotool key Return
n=0
until [ -s saved.dat ] && [ -s saved.plt ]; do
    n=$((n + 1))
    [ $n -lt 60 ] || fail "no plot file was written"
    sleep 0.5
done
sleep 0.5
grep -q "^follow= SHOW" saved.plt || fail "the saved plot file does not say that it follows"
points=$(grep -c '^ *[-0-9]' saved.dat)
[ "$points" -eq $((lines + 1)) ] || fail "the saved plot holds $points lines, not $((lines + 1))"
# The zoom held the range while the rest of the lines came: x stays short of the last line's.
xmax=$(sed -n 's/^xMax= *//p' saved.plt)
awk -v m="$xmax" -v n="$lines" 'BEGIN { exit !(m < n) }' || fail "the range followed the data after the zoom (xMax $xmax)"
rm grow.dat
sleep 1
import -window root gone.png
kill -0 "$pid" 2>/dev/null || fail "the program ended when the file went"
kill "$pid"
wait "$pid" 2>/dev/null
echo "followed $points lines; the zoom during the writing held the range (xMax $xmax)"
