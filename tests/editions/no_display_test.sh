#!/bin/sh
# A window program started without a display, or with one that cannot be
# reached, says so on standard error and ends with 1: no abort, no core.
# Arguments: a window program, a data file.
program=$1
data=$2
name=$(basename "$program")
failed=0
err=$(mktemp)
check() {
  status=$1
  [ "$status" -eq 1 ] || { echo "$2: exit status $status, expected 1"; failed=1; }
  grep -qxF "$name: no display: use --export OUT or set DISPLAY" "$err" ||
    { echo "$2: expected the message, got:"; cat "$err"; failed=1; }
}
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 120 "$program" "$data" 2>"$err"
check $? "without DISPLAY"
# No X server listens on this display: the toolkit finds that out itself.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:975 timeout 120 "$program" "$data" 2>"$err"
check $? "with an unreachable DISPLAY"
rm -f "$err"
[ $failed -eq 0 ] && echo "no display: ok"
exit $failed
