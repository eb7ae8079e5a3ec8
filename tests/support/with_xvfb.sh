#!/bin/sh
# with_xvfb.sh [--screen WxHxD] COMMAND...: runs the command with DISPLAY on
# a fresh Xvfb server, then ends the server and waits until it is gone
# before it returns the command's status.
#
# The server never resets: by default an X server resets when its last
# client leaves, and a client that connects during the reset is refused (one
# in forty quick connections on a loaded machine), so a program started
# right after a check of the display could find no display. The server picks
# a free display number itself (-displayfd), so servers started at the same
# time never share a number; and waiting for its end means the next server
# never meets one still shutting down.
set -u
screen=1024x768x24
if [ "${1-}" = --screen ]; then
    screen=$2
    shift 2
fi
dir=$(mktemp -d "${TMPDIR:-/tmp}/kurvex-xvfb.XXXXXX") || exit 1
server=
stop_server() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -rf "$dir"
}
trap stop_server EXIT
trap 'exit 143' HUP INT TERM

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
server=$!
# The number comes once the server takes clients.
give_up=$(($(date +%s) + 120))
until grep -q '^[0-9][0-9]*$' "$dir/display" 2>/dev/null; do
    if ! kill -0 "$server" 2>/dev/null || [ "$(date +%s)" -ge "$give_up" ]; then
        echo "Xvfb did not start:" >&2
        cat "$dir/log" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=:$(cat "$dir/display")
export DISPLAY
"$@"
