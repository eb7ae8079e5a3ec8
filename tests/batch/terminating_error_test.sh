#!/bin/sh
# A terminating error in batch mode ends the run with exit status 3, its
# message on standard error and no OUT. Here it is error 20: a data file of
# one line without end (a sparse file, so it takes no disk space) outgrows a
# memory limit that a small file fits easily.
# Arguments: the kurvex program, a scratch folder.
. "$(dirname "$0")/common.sh"
echo "1 2" >small.dat
truncate -s 1G endless.dat
if ! ( limit_memory 300; exec "$kurvex" --export small.png small.dat ) 2>/dev/null; then
  echo "the small file does not fit the memory limit; the test cannot tell anything"; exit 1
fi
( limit_memory 300; exec timeout 60 "$kurvex" --export out.png endless.dat ) 2>stderr.txt
status=$?
[ $status -eq 3 ] || fail "exit status $status, expected 3"
grep -q "^Error: Process terminated ! Out of memory" stderr.txt ||
  { fail "expected the terminating error on standard error; got:"; cat stderr.txt; }
[ ! -e out.png ] || fail "out.png was written"
rm -f endless.dat
[ $failed -eq 0 ] && echo "terminating error in batch mode: ok"
exit $failed
