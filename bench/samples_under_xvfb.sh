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
    KURVEX_BENCH_INSIDE=1 exec sh "$(dirname "$0")/../tests/support/with_xvfb.sh" --screen 1280x1024x24 sh "$0" "$program" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1  # no Kurvex.ini of the caller's folder
XDG_CONFIG_HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb KURVEX_SAMPLES_TIMING=1
export XDG_CONFIG_HOME XDG_RUNTIME_DIR QT_QPA_PLATFORM KURVEX_SAMPLES_TIMING

finished() { grep -q "^computation:" report; }

# Input where window 1 comes up, from before the program starts until its
# computation is over, from one xdotool process so that it comes at a steady
# rate: a pointer move every 10 ms (each one writes the status line) and,
# every 5th, a wheel step that zooms out and repaints the whole window.
input_steps() {
    i=0
    while [ $i -lt 1000 ]; do
        printf ' mousemove %d %d sleep 0.01' $((300 + i % 200)) $((150 + i % 100))
        [ $((i % 5)) -eq 4 ] && printf ' click 5'
        i=$((i + 1))
    done
}

one_run() {
    : > report
    if [ "$1" = input ]; then
        # shellcheck disable=SC2046
        xdotool $(input_steps) &
        feeder=$!
        sleep 0.2
    fi
    "$program" 2> report &
    pid=$!
    n=0
    until finished || [ $n -ge 600 ]; do sleep 0.1; n=$((n + 1)); done
    [ "$1" = input ] && kill "$feeder" 2>/dev/null
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    echo "$1: $(grep "^computation:" report || echo "no report")"
}

r=0
while [ $r -lt "$runs" ]; do
    one_run quiet
    one_run input
    r=$((r + 1))
done
