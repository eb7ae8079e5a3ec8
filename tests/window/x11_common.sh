# What the tests on a real X server share; sourced after `kurvex` is set.

# start_kurvex ARGS...: starts kurvex, waits for its first window and sets
# pid, id (the window) and X, Y (its position).
start_kurvex() {
    "$kurvex" "$@" &
    pid=$!
    id=$(timeout 20 xdotool search --sync --name "#1: Kurvex" | head -1)
    if [ -z "$id" ]; then
        echo "no kurvex window appeared" >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    sleep 0.5  # the first paint
    eval "$(xdotool getwindowgeometry --shell "$id")"
}

# The id of the mapped window of that exact name, if any. (A search that
# meets a menu being destroyed fails at once, so waiting asks again.)
window_of() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}
# Waits up to 30 s for the window to appear (up) or to go (gone).
wait_window() {
    n=0
    while :; do
        w=$(window_of "$2")
        { [ "$1" = up ] && [ -n "$w" ]; } || { [ "$1" = gone ] && [ -z "$w" ]; } && return 0
        n=$((n + 1))
        [ $n -lt 100 ] || return 1
        sleep 0.3
    done
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
    echo "$1 (see $work)" >&2
    kill "$pid" 2>/dev/null
    exit 1
}

# Waits for the program $pid to end; fails when it does not or ends with
# another status.
expect_exit_0() {
    how=$1
    i=0
    while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    if kill -0 "$pid" 2>/dev/null; then
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
