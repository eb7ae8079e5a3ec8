#!/bin/sh
# Every dialog of the menus on a real X server (Xvfb, the xcb platform):
# each opens from its menu item over the plot window and Escape closes it
# (also the box "Mouse and Keys" of the Help menu and "Figure on Paper" of
# Save Figure);
# Enter in "Edit Lables" is OK and renames the window; "Plot" in
# "Statistics" opens the statistics window while the dialog stays open.
# Usage: x11_dialogs_test.sh KURVEX DATA_FILE WORK_DIR
set -u
kurvex=$1
data=$2
work=$3
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$work"

# The menu title at x offset $1, the keys that reach the item, the caption
# of its dialog; a picture of the dialog goes to $3.png.
open_dialog() {
    open_menu "$1"
    keys=$2
    case $keys in
        *Right*) # shellcheck disable=SC2086
                 open_submenu ${keys%%Right*} Right; keys=${keys#*Right} ;;
    esac
    # shellcheck disable=SC2086
    xdotool key $keys
    wait_dialog "$3"
    settled_shot "$(window_of "$3")" "$4.png"
}

close_dialog() {
    xdotool key Escape
    wait_window gone "$1" || fail "Escape did not close \"$1\""
}

plot=81 graphs=129 extras=184 help=230
start_kurvex "$data"
open_dialog $plot "Down Down Return" "Edit Lables" lables
close_dialog "Edit Lables"
open_dialog $plot "Down Down Down Down Right Return" "Color Palettes" color_set
close_dialog "Color Palettes"
open_dialog $plot "Down Down Down Down Down Down Down Right Return" "Set Range & Ticks" range_and_ticks
close_dialog "Set Range & Ticks"
# Save Figure > On Paper ..., the popup's fourth item.
open_dialog $plot "Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Right Down Down Down Return" \
    "Figure on Paper" figure_paper
close_dialog "Figure on Paper"
open_dialog $graphs "Down Down Return" "Edit Graphs" edit_graphs
close_dialog "Edit Graphs"
open_dialog $graphs "Down Down Down Down Down Down Down Down Down Down Return" "Handle Graphs" handle_graphs
close_dialog "Handle Graphs"
open_dialog $extras "Down Down Return" "Distribution" distribution
close_dialog "Distribution"
# The box of Help > Mouse and Keys, the menu's first item.
open_dialog $help "Down Return" "Mouse and Keys" mouse_and_keys
close_dialog "Mouse and Keys"

# "Plot" of the statistics: found by its caption among the dialog's
# buttons, the new window comes up while the dialog stays.
open_dialog $extras "Down Return" "Statistics" statistics
xdotool key shift+Tab shift+Tab shift+Tab space
wait_window up "#2: Kurvex - Graph 1 - Statistics" || fail "Plot in Statistics opened no window"
[ -n "$(window_of Statistics)" ] || fail "the Statistics dialog closed on Plot"
import -window root statistics_plotted.png
close_dialog "Statistics"

# Enter is OK: the window takes the title typed in "Edit Lables".
open_dialog $plot "Down Down Return" "Edit Lables" lables_renamed
xdotool key Tab Tab Tab ctrl+a
xdotool type Renamed
xdotool key Return
wait_window gone "Edit Lables" || fail "Enter did not close \"Edit Lables\""
wait_window up "#1: Renamed" || fail "the window did not take the new title"
kill "$pid"
wait "$pid" 2>/dev/null
echo "every dialog opened and closed"
