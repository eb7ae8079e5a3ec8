# What the tests on a real X server share; sourced after `kurvex` is set.

# Every wait is for a condition, which an idle machine meets in
# milliseconds. One wait gives up after 120 s, and the waits of one test
# together after 480 s: both hold under AddressSanitizer on a loaded
# machine, and tests/CMakeLists.txt gives every X test a TIMEOUT above that.
x_test_end=$(($(date +%s) + 480))

# wait_until COMMAND...: runs the command until it succeeds; false when the
# wait's deadline passes first.
wait_until() {
    give_up=$(($(date +%s) + 120))
    [ "$give_up" -lt "$x_test_end" ] || give_up=$x_test_end
    until "$@"; do
        [ "$(date +%s)" -lt "$give_up" ] || return 1
        sleep 0.1
    done
}

# The id of the mapped window of that exact name, if any. (A search that
# meets a menu being destroyed fails at once, so waiting asks again.)
window_of() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}
window_up() { [ -n "$(window_of "$1")" ]; }
window_gone() { [ -z "$(window_of "$1")" ]; }
# wait_window up|gone NAME: waits for the window to appear or to go.
wait_window() { wait_until "window_$1" "$2"; }

# The number of menus shown: the program's windows without a WM_NAME (the
# toolkit marks a menu as a popup only the first time it shows it).
menu_count() {
    menus=0
    for w in $(xdotool search --onlyvisible --class kurvex 2>/dev/null); do
        xprop -id "$w" WM_NAME 2>/dev/null | grep -q '= *$' && menus=$((menus + 1))
    done
    echo $menus
}
more_menus_than() { [ "$(menu_count)" -gt "$1" ]; }
fewer_menus_than() { [ "$(menu_count)" -lt "$1" ]; }

# open_menu X: opens the menu whose title is X pixels right of the window's
# corner (X, Y) and waits until it is shown, so that keys reach it.
open_menu() {
    before=$(menu_count)
    xdotool mousemove $((X + $1)) $((Y + 8)) click 1
    wait_until more_menus_than "$before" || fail "the menu at $1 did not open"
}
# open_submenu KEYS...: the keys that reach a submenu's item in the open
# menu and open it ("Right"); waits until the submenu is shown.
open_submenu() {
    before=$(menu_count)
    xdotool key "$@"
    wait_until more_menus_than "$before" || fail "no submenu opened"
}
# menu_key KEYS...: the keys that take an item of the open menus (the last
# one "Return"); waits until the menus have closed.
menu_key() {
    before=$(menu_count)
    xdotool key "$@"
    wait_until fewer_menus_than "$before" || fail "the menus stayed open"
}

# has_focus NAME: the keyboard focus is in the window of that name.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(window_of "$1")" ]; }
# wait_dialog NAME: waits until the dialog is up and has the keyboard focus.
wait_dialog() {
    wait_window up "$1" || fail "no dialog \"$1\""
    wait_until has_focus "$1" || fail "the dialog \"$1\" did not take the focus"
}

# settled_shot WINDOW FILE: a picture of the window (or "root") once two
# pictures taken one after the other are the same: the program has drawn
# what it has to draw.
shot_twice() {
    import -window "$1" "$2.a.png" && import -window "$1" "$2.b.png" &&
        [ "$(compare -metric AE "$2.a.png" "$2.b.png" null: 2>&1)" = 0 ]
}
# differs_from WINDOW FILE: the window (or "root") looks other than FILE.
differs_from() {
    import -window "$1" now.png && [ "$(compare -metric AE "$2" now.png null: 2>&1)" != 0 ]
}
settled_shot() {
    wait_until shot_twice "$1" "$2" || fail "the picture $2 did not settle"
    mv "$2.a.png" "$2"
    rm -f "$2.b.png"
}

# start_kurvex ARGS...: starts kurvex, waits for its first window and sets
# pid, id (the window) and X, Y (its position).
first_window() {
    id=$(xdotool search --onlyvisible --name "^#1: Kurvex" 2>/dev/null | head -1)
    [ -n "$id" ]
}
display_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
start_kurvex() {
    # A check that the display takes clients before the program needs it.
    wait_until display_answers || { echo "the X server at $DISPLAY does not answer" >&2; exit 1; }
    "$kurvex" "$@" &
    pid=$!
    if ! wait_until first_window || ! wait_until painted; then
        echo "no kurvex window appeared" >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    eval "$(xdotool getwindowgeometry --shell "$id")"
}
# painted: the screen shows more than a plain background, so the program
# has drawn its windows (one may cover another) and answers clicks in them.
painted() {
    import -window root painted.png 2>/dev/null && [ "$(convert painted.png -format %k info:)" -gt 2 ]
}

# enter_work_dir DIR: works in a fresh DIR (set as work) whose own settings
# folder keeps the user's settings away from the program.
enter_work_dir() {
    work=$1
    rm -rf "$work"
    mkdir -p "$work/config"
    cd "$work" || exit 1
    XDG_CONFIG_HOME="$work/config"
    export XDG_CONFIG_HOME
}

# fail TEXT: a picture of the screen (failed.png), the text, and the
# program (pid) stopped.
fail() {
    import -window root failed.png
    echo "$1 (see ${work:-the current folder})" >&2
    kill "$pid" 2>/dev/null
    exit 1
}

# Waits for the program $pid to end; fails when it does not or ends with
# another status.
ended() { ! kill -0 "$pid" 2>/dev/null; }
expect_exit_0() {
    how=$1
    if ! wait_until ended; then
        echo "$how: the program is still running" >&2
        kill -9 "$pid"
        exit 1
    fi
    wait "$pid"
    status=$?
    if [ $status -ne 0 ]; then
        echo "$how: the program ended with status $status" >&2
        exit 1
    fi
    echo "$how: status 0"
}
