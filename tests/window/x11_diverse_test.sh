#!/bin/sh
# A click on a checked "Diverse" menu item on a real X server (Xvfb, the xcb
# platform) leaves its check mark: the open submenu looks the same before
# and after the click.
# Usage: x11_diverse_test.sh KURVEX DATA_FILE WORK_DIR
set -u
kurvex=$1
data=$2
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$3"
# Every graph draws every 4th point dot, a rate no item offers, so "Diverse"
# of "Points Draw-Rate" is checked.
printf '[Graphs]\npointsDrawRate= 4\n' > Kurvex.ini

start_kurvex "$data"

# Opens Graphs > Points Draw-Rate with its last item, "Diverse", active and
# takes a picture of the screen: the keys pass Data File, Edit ..., Show,
# Line Width, Marker Size and Lines Draw-Rate.
# The submenu opens with its first item active; Up makes the last one
# active, which changes the picture.
open_diverse() {
    open_menu 128
    open_submenu Down Down Down Down Down Down Down Right
    settled_shot root "first_$1"
    xdotool key Up
    wait_until differs_from root "first_$1" || fail "Up did not move in the submenu"
    settled_shot root "$1"
}

settled_shot root closed.png
open_diverse before.png
menu_key Return  # the click
kill -0 "$pid" 2>/dev/null || fail "kurvex ended on the click"
open_diverse after.png
xdotool key Escape Escape
kill "$pid"

differing() { compare -metric AE "$1" "$2" null: 2>&1; }
[ "$(differing closed.png before.png)" != 0 ] || fail "the submenu did not open"
[ "$(differing before.png after.png)" = 0 ] || fail "the submenu changed with the click on Diverse"
echo "Diverse kept its check mark"
