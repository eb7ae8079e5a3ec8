#!/bin/sh
# "Log X" and "Log Y" of the Plot menu on a real X server (Xvfb, the xcb
# platform), on a file of positive x and negative y values: "Log X" makes
# the x axis logarithmic; "Log Y" warns that no y value is positive and
# leaves the axis linear; the saved plot file names only the x axis as
# logarithmic. Pictures of each step in WORK_DIR.
# Usage: x11_log_axes_test.sh KURVEX WORK_DIR
set -u
kurvex=$1
work=$2
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$work"
awk 'BEGIN { for (i = 0; i <= 300; i++) { x = 10 ^ (-2 + i / 50); printf "%.8g %.8g\n", x, -x * x } }' >falling.dat

# The item of the Plot menu $1 places down (separators are passed over).
plot_menu_item() {
    xdotool mousemove $((X + 81)) $((Y + 8)) click 1
    sleep 0.5
    xdotool key --repeat "$1" Down
    xdotool key Return
}

start_kurvex falling.dat
plot_menu_item 9
sleep 1
import -window root log_x.png
plot_menu_item 10
wait_window up "Warning" || { import -window root no_warning.png; fail "\"Log Y\" on negative values gave no warning"; }
import -window root warning.png
xdotool key Return
wait_window gone "Warning" || fail "the warning did not close"

# Plot > File > Save ...
xdotool mousemove $((X + 81)) $((Y + 8)) click 1
sleep 0.5
xdotool key Down Right Down Down Return
wait_window up "Save Plot" || fail "no dialog \"Save Plot\""
sleep 0.5
xdotool key ctrl+a type "$work/log.plt"
xdotool key Return
n=0
until [ -s log.plt ]; do
    n=$((n + 1))
    [ $n -lt 60 ] || fail "no plot file was written"
    sleep 0.5
done
sleep 0.5
kill "$pid"
wait "$pid" 2>/dev/null
grep -q "^xLog= SHOW" log.plt || fail "the plot file does not name the logarithmic x axis"
if grep -q "yLog" log.plt; then fail "the plot file names a logarithmic y axis"; fi
echo "the x axis became logarithmic, the y axis stayed linear"
