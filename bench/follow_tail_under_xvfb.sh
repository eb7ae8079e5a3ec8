#!/bin/sh
# kurvex --follow on a real X server (Xvfb, the xcb platform) when the file
# it follows grows without a line end: a writer appends a 500 MB line in
# pieces of 10 MB, and in another run the file grows by `truncate -s +3G`
# (sparse: zeros, no disk space). For each program given: the CPU it took
# in all and in 5 s once its memory stopped growing, its peak memory (VmHWM)
# and whether it still runs.
# Usage: bench/follow_tail_under_xvfb.sh KURVEX [KURVEX...]
set -u

if [ -z "${KURVEX_BENCH_INSIDE:-}" ]; then
    for program in "$@"; do
        set -- "$@" "$(readlink -f "$program")"
        shift
    done
    KURVEX_BENCH_INSIDE=1 exec sh "$(dirname "$0")/../tests/support/with_xvfb.sh" --screen 1280x1024x24 sh "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
XDG_CONFIG_HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME XDG_RUNTIME_DIR QT_QPA_PLATFORM
ticks=$(getconf CLK_TCK)

cpu_seconds() { awk -v t="$ticks" '{ printf "%.2f", ($14 + $15) / t }' "/proc/$pid/stat"; }
peak_mb() { awk '/^VmHWM/ { printf "%.0f", $2 / 1024 }' "/proc/$pid/status"; }

rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status" 2>/dev/null; }
# Waits until the program's memory stops growing (90 s at most): reading a
# sparse file's gigabytes takes a while.
settle() {
    sleep 2
    i=0
    while [ $i -lt 90 ] && kill -0 "$pid" 2>/dev/null; do
        r1=$(rss_kb)
        sleep 1
        r2=$(rss_kb)
        [ -n "$r2" ] && [ $((r2 - r1)) -lt 1024 ] && return
        i=$((i + 1))
    done
}

# measure PROGRAM WHAT GROW: follows a one-line file, runs GROW on it, waits
# until the growth stopped, and reports.
measure() {
    echo "0 0" >tail.dat
    "$1" --follow tail.dat &
    pid=$!
    sleep 3
    $3
    settle
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        echo "$1, $2: the program ended (status $?)"
        rm -f tail.dat
        return
    fi
    before=$(cpu_seconds)
    sleep 5
    after=$(cpu_seconds)
    echo "$1, $2: CPU $after s in all, $(awk -v a="$after" -v b="$before" 'BEGIN { printf "%.2f", a - b }') s in the 5 s after its memory settled; peak RSS $(peak_mb) MB"
    kill "$pid"
    wait "$pid" 2>/dev/null
    rm -f tail.dat
}

long_line() {
    python3 -c '
import time
piece = b"7" * (10 << 20)
with open("tail.dat", "ab") as out:
    for _ in range(50):
        out.write(piece)
        out.flush()
        time.sleep(0.1)
'
}
sparse_growth() { truncate -s +3G tail.dat; }

for program in "$@"; do
    measure "$program" "a 500 MB line in 10 MB pieces" long_line
    measure "$program" "truncate -s +3G" sparse_growth
done
