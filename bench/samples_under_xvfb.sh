#!/bin/sh
# kurvex-samples on a real X server (Xvfb, the xcb platform) with both
# windows visible: how long the 20000 passes take, alone and while input
# arrives at a steady rate, and the longest time the program went without
# taking its waiting input. The program reports both on standard error when
# KURVEX_SAMPLES_TIMING=1.
# Usage: bench/samples_under_xvfb.sh KURVEX_SAMPLES [RUNS]
set -u
program=$(readlink -f "$1")
runs=${2:-3}

if [ -z "${KURVEX_BENCH_INSIDE:-}" ]; then
    KURVEX_BENCH_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$program" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1  # no Kurvex.ini of the caller's folder
XDG_CONFIG_HOME="$work" QT_QPA_PLATFORM=xcb KURVEX_SAMPLES_TIMING=1
export XDG_CONFIG_HOME QT_QPA_PLATFORM KURVEX_SAMPLES_TIMING

# Input over window 1 while the computation runs: a pointer move every
# 10 ms (each one writes the status line), and every 50th step a wheel
# step that zooms in or out and repaints the whole window.
feed_input() {
    w=$(timeout 20 xdotool search --sync --onlyvisible --name "#1: Sine Function 1" | head -1)
    [ -n "$w" ] || return
    eval "$(xdotool getwindowgeometry --shell "$w")"
    i=0
    while [ ! -s report ]; do
        xdotool mousemove $((X + 300 + i % 200)) $((Y + 150 + i % 100))
        if [ $((i % 50)) -eq 25 ]; then
            xdotool click $((4 + i / 50 % 2))
        fi
        i=$((i + 1))
        sleep 0.01
    done
}

one_run() {
    : > report
    "$program" 2> report &
    pid=$!
    [ "$1" = input ] && feed_input &
    feeder=$!
    n=0
    while [ ! -s report ] && [ $n -lt 600 ]; do sleep 0.1; n=$((n + 1)); done
    wait "$feeder" 2>/dev/null
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    echo "$1: $(cat report)"
}

r=0
while [ $r -lt "$runs" ]; do
    one_run quiet
    one_run input
    r=$((r + 1))
done
