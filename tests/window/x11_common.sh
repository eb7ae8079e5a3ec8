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
