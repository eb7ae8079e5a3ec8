#!/bin/sh
# Ends kurvex on a real X server through the menu (Plot > Close), as a
# window manager closes a window (WM_DELETE_WINDOW), and with "Exit Session"
# over two windows; the program must end with status 0 each time.
# Usage: x11_close_test.sh KURVEX X11_CLOSE_WINDOW DATA_FILE
set -u
kurvex=$1
close_window=$2
data=$3

. "$(dirname "$0")/x11_common.sh"
start() { start_kurvex "$data"; }

# Opens a menu of the menu bar ("Session" at 35, "Plot" at 81 pixels) and
# picks an item counted from its end.
menu() {
    open_menu "$1"
    xdotool key --repeat "$2" Up
    xdotool key Return
}

start
menu 81 1  # Plot > Close
expect_exit_0 "Plot > Close"

start
menu 81 3  # Plot > New
wait_window up "#2: Kurvex" || fail "Plot > New opened no second window"
menu 35 1  # Session > Exit Session, then Yes in the question box
wait_dialog "Kurvex"
xdotool key Return
expect_exit_0 "Exit Session"

start
"$close_window" "$id"
expect_exit_0 "WM_DELETE_WINDOW"
