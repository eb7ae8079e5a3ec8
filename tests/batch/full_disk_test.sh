#!/bin/sh
# kurvex --export OUT, for every format, when the write fails half-way (the
# file-size limit stands in for a full disk; with SIGXFSZ ignored the write
# fails with EFBIG): the exit status is not 0, the message names OUT and the
# reason, the previous OUT is intact byte for byte, and no temporary file is
# left in the folder.
# Arguments: the kurvex program, a scratch folder.
. "$(dirname "$0")/common.sh"
awk 'BEGIN { for (i = 0; i < 3000; i++) printf "%d %.9f %.9f\n", i, sin(i / 7), cos(i / 11) }' >big.dat
for ext in png svg pdf dat; do
  out=out.$ext
  if ! "$kurvex" --export "$out" big.dat 2>/dev/null; then
    fail "$ext: the export without a limit failed"; continue
  fi
  # 8 blocks are 8 KiB at the most (dash counts 512 bytes, bash 1024).
  if [ "$(wc -c <"$out")" -le 8192 ]; then
    fail "$ext: the file fits the limit, so nothing would fail"; continue
  fi
  cp "$out" previous
  ( trap '' XFSZ; ulimit -f 8; exec "$kurvex" --export "$out" big.dat ) 2>stderr.txt
  status=$?
  [ $status -ne 0 ] || fail "$ext: exit status 0 although the write failed"
  grep -qxF "kurvex: cannot write $out: File too large" stderr.txt ||
    { fail "$ext: expected the line: kurvex: cannot write $out: File too large; got:"; cat stderr.txt; }
  cmp -s "$out" previous || fail "$ext: the previous $out was changed"
  rm -f previous stderr.txt
done
left=$(ls -A | grep -v -x -e big.dat -e 'out\.[a-z]*')
[ -z "$left" ] || fail "files left behind: $left"
[ $failed -eq 0 ] && echo "failed writes keep the previous file: ok"
exit $failed
