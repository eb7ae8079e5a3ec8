#!/bin/sh
# "--follow" on a real X server (Xvfb, the xcb platform): a script appends
# lines to the data file while the window follows it, a wheel zoom during
# the writing is answered and holds the range, and the plot saved afterwards
# holds every line the script wrote. The save dialog changes the working
# directory. Then the file is removed (the status line says so and the window
# stays) and written anew: it is followed again. Pictures of each step in
# WORK_DIR.
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
# save_plot NAME: Plot > File > Save ... as out/NAME.plt, in another folder,
# which becomes the working directory; waits for the plot and data files.
save_plot() {
    xdotool mousemove $((X + 81)) $((Y + 8)) click 1
    sleep 0.5
    xdotool key Down Right Down Down Return
    wait_window up "Save Plot" || fail "no dialog \"Save Plot\""
    sleep 0.5
    xdotool key ctrl+a type "$work/out/$1.plt"
    xdotool key Return
    n=0
    until [ -s "out/$1.dat" ] && [ -s "out/$1.plt" ]; do
        n=$((n + 1))
        [ $n -lt 120 ] || fail "no plot file $1 was written"
        sleep 0.5
    done
    sleep 0.5
}
mkdir out
save_plot saved
cp out/saved.plt out/saved.dat .
grep -q "^follow= SHOW" saved.plt || fail "the saved plot file does not say that it follows"
points=$(grep -c '^ *[-0-9]' saved.dat)
[ "$points" -eq $((lines + 1)) ] || fail "the saved plot holds $points lines, not $((lines + 1))"
# The zoom held the range while the rest of the lines came: x stays short of the last line's.
xmax=$(sed -n 's/^xMax= *//p' saved.plt)
awk -v m="$xmax" -v n="$lines" 'BEGIN { exit !(m < n) }' || fail "the range followed the data after the zoom (xMax $xmax)"
# The logger rotates its file: gone for a while, then written anew. The
# program follows it by its whole name although the dialog changed the
# working directory, and reads it again from its start.
rm grow.dat
sleep 1
import -window root gone.png
kill -0 "$pid" 2>/dev/null || fail "the program ended when the file went"
printf '1 5 5\n2 6 6\n3 7 7\n' >grow.dat
sleep 1
n=0
until save_plot back && [ "$(grep -c '^ *[-0-9]' out/back.dat)" -eq 3 ]; do
    n=$((n + 1))
    [ $n -lt 4 ] || fail "the file written anew was not followed: out/back.dat holds $(grep -c '^ *[-0-9]' out/back.dat) lines, not 3"
    rm -f out/back.dat out/back.plt
done
import -window root back.png
kill "$pid"
wait "$pid" 2>/dev/null
echo "followed $points lines; the zoom during the writing held the range (xMax $xmax); the file written anew was followed"
