#!/bin/sh
# kurvex --export OUT with an input that cannot be opened (missing, a folder,
# a FIFO, a device, unreadable; a plot or session file by its own extension):
# the input is named with the reason on standard error,
# the exit status is 1, and OUT is not written (an old OUT stays). Nothing
# waits for a FIFO's writer or reads /dev/zero without end. A data file that
# gives nothing (no numbers, or a column count the read mode cannot take)
# fails the same way, its warning followed by a hint.
# Arguments: the kurvex program, a scratch folder.
. "$(dirname "$0")/common.sh"
echo "1 2" >good.dat
mkdir folder.dat
mkfifo fifo.dat
# Expected line after "kurvex: ", then the input files.
check() {
  expected="kurvex: $1"
  shift
  echo "old picture" >out.png
  ( limit_memory 2000; exec timeout 20 "$kurvex" --export out.png "$@" ) 2>stderr.txt
  status=$?
  [ $status -eq 1 ] || fail "$*: exit status $status, expected 1"
  grep -qxF "$expected" stderr.txt || { fail "$*: expected the line: $expected; got:"; cat stderr.txt; }
  [ "$(cat out.png)" = "old picture" ] || fail "$*: out.png was written"
}
check "cannot open missing.dat: No such file or directory" good.dat missing.dat
check "cannot open folder.dat: Is a directory" folder.dat
check "cannot open fifo.dat: not a regular file" fifo.dat
check "cannot open /dev/zero: not a regular file" good.dat /dev/zero
check "cannot open P.PLT: No such file or directory" P.PLT
check "cannot open s.ses: No such file or directory" good.dat s.ses
if [ "$(id -u)" -ne 0 ]; then
  echo "1 2" >unreadable.dat
  chmod 000 unreadable.dat
  check "cannot open unreadable.dat: Permission denied" unreadable.dat
fi
printf 'time,voltage\n1 2\n' >titles.dat
printf '5\n6\n' >one_column.dat
hint='no data read from titles.dat: title lines must begin with "#" (--read-mode COLUMNS reads them)'
check "$hint" good.dat titles.dat
[ "$(grep -A1 '^Warning: No data found' stderr.txt | tail -n 1)" = "kurvex: $hint" ] ||
  { fail "the hint does not follow the warning:"; cat stderr.txt; }
check 'no data read from one_column.dat: title lines must begin with "#" (--read-mode COLUMNS reads them)' one_column.dat
# Titles read as a table.
printf 'time,voltage\n1,2\n' >table.dat
"$kurvex" --export out.png --read-mode COLUMNS table.dat >/dev/null 2>stderr.txt ||
  { fail "--read-mode COLUMNS did not read the title line:"; cat stderr.txt; }
[ $failed -eq 0 ] && echo "inputs that cannot be opened: ok"
exit $failed
