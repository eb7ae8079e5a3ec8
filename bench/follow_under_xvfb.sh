#!/bin/sh
# kurvex --follow on a real X server (Xvfb, the xcb platform): the CPU the
# program takes while a file it follows does not change, while a writer
# appends 100,000 lines a second to it for 10 s, and in the second after
# the writer stopped: a program that fell behind would still be busy then.
# Usage: bench/follow_under_xvfb.sh KURVEX
set -u
program=$(readlink -f "$1")

if [ -z "${KURVEX_BENCH_INSIDE:-}" ]; then
    KURVEX_BENCH_INSIDE=1 exec sh "$(dirname "$0")/../tests/support/with_xvfb.sh" --screen 1280x1024x24 sh "$0" "$program"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
XDG_CONFIG_HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME XDG_RUNTIME_DIR QT_QPA_PLATFORM

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
# cpu_share SECONDS: the program's CPU share over the next SECONDS.
cpu_share() {
    before=$(cpu_ticks)
    sleep "$1"
    after=$(cpu_ticks)
    awk -v d=$((after - before)) -v t="$ticks" -v s="$1" 'BEGIN { printf "%.1f %%", 100 * d / t / s }'
}

echo "0 0 0" >log.dat
"$program" --follow log.dat &
pid=$!
sleep 3
echo "idle, following an unchanged file (5 s): $(cpu_share 5)"

python3 - <<'PY' &
import time
rate, seconds, burst = 100000, 10, 2000
start = time.monotonic()
with open("log.dat", "a") as out:
    for b in range(rate * seconds // burst):
        out.write("".join(f"{i * 1e-5:.6f} {i % 1000 * 0.01:.5f} {i % 777 * -0.02:.5f}\n"
                          for i in range(b * burst, (b + 1) * burst)))
        out.flush()
        time.sleep(max(0.0, start + (b + 1) * burst / rate - time.monotonic()))
print(f"writer: {rate * seconds} lines in {time.monotonic() - start:.2f} s")
PY
writer=$!
sleep 1
echo "while 100,000 lines a second are appended (8 s): $(cpu_share 8)"
wait "$writer"
echo "the second after the writer stopped: $(cpu_share 1)"
echo "idle again (5 s): $(cpu_share 5)"
kill "$pid"
wait "$pid" 2>/dev/null
