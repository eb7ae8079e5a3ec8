#!/bin/sh
# "Log X", "Log Y" and "Time X" of the Plot menu on a real X server (Xvfb,
# the xcb platform), on a file of positive x and negative y values: "Log X"
# makes the x axis logarithmic; "Log Y" warns that no y value is positive
# and leaves the axis linear; "Time X" makes the logarithmic x axis a time
# axis, so the saved plot file names the x axis as a time axis and nothing
# as logarithmic; "Smooth Lines" smooths the graph and the plot file keeps it. Pictures of each step in WORK_DIR.
# Usage: x11_log_axes_test.sh KURVEX WORK_DIR
set -u
kurvex=$1
work=$2
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$work"
awk 'BEGIN { for (i = 0; i <= 300; i++) { x = 10 ^ (-2 + i / 50); printf "%.8g %.8g\n", x, -x * x } }' >falling.dat

# The item of the Plot menu $1 places down (separators are passed over).
plot_menu_item() {
    open_menu 81
    xdotool key --repeat "$1" Down
    menu_key Return
}

start_kurvex falling.dat
settled_shot "$id" linear.png
plot_menu_item 9
wait_until differs_from "$id" linear.png || fail "\"Log X\" changed nothing in the window"
settled_shot root log_x.png
plot_menu_item 10
wait_window up "Warning" || fail "\"Log Y\" on negative values gave no warning"
import -window root warning.png
xdotool key Return
wait_window gone "Warning" || fail "the warning did not close"
settled_shot root log_y_refused.png
plot_menu_item 11
wait_until differs_from root log_y_refused.png || fail "\"Time X\" changed nothing in the window"
settled_shot root time_x.png
plot_menu_item 12
wait_until differs_from root time_x.png || fail "\"Smooth Lines\" changed nothing in the window"
settled_shot root smooth.png

# Plot > File > Save ...
open_menu 81
open_submenu Down Right
xdotool key Down Down Return
wait_dialog "Save Plot"
xdotool key ctrl+a type "$work/log.plt"
xdotool key Return
saved() { [ -s log.dat ] && grep -q "^\[Graph1\]" log.plt 2>/dev/null && window_gone "Save Plot"; }
wait_until saved || fail "no plot file was written"
kill "$pid"
wait "$pid" 2>/dev/null
grep -q "^xTime= SHOW" log.plt || fail "the plot file does not name the time axis"
if grep -q "Log" log.plt; then fail "the plot file names a logarithmic axis"; fi
grep -q "^antiAlias= SHOW" log.plt || fail "the plot file does not keep the smoothing"
echo "the x axis became logarithmic, then a time axis; the y axis stayed linear; lines were smoothed"
