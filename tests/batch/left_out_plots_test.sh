#!/bin/sh
# kurvex --export OUT with a session whose plot files are not all there (a
# missing one, one by an absolute path, one through ".."), with more plot
# files than the session holds windows, or with a plot file without its
# data file: each plot file left out is named on standard error, the exit
# status is 1, and OUT holds what could be read. A plot file on the command
# line that cannot be read leaves OUT as it was.
# Arguments: the kurvex program, a scratch folder.
. "$(dirname "$0")/common.sh"
mkdir lab out out/gaps out/many
printf '1 2\n2 4\n3 8\n' >lab/good.dat
"$kurvex" --export lab/good.plt lab/good.dat || fail "good.plt: exit status $?"
"$kurvex" --export good.dat lab/good.dat || fail "good.dat: exit status $?"
cp lab/good.plt outside.plt
cp lab/good.dat outside.dat
cat >lab/gaps.ses <<SES
[Session]
numPlots= 4
plotFocus= [1 2 3 4]

[Plot1]
plotFile= 'good'

[Plot2]
plotFile= 'missing'

[Plot3]
plotFile= '$PWD/outside'

[Plot4]
plotFile= '../outside'
SES

# expect STATUS LINE...: the exit status and the lines on standard error
# (err.txt) of the run before, in any order.
expect() {
  [ "$status" -eq "$1" ] || fail "$what: exit status $status, expected $1"
  shift
  for line in "$@"; do
    grep -qxF "$line" err.txt || { fail "$what: expected the line: $line; got:"; cat err.txt; }
  done
  [ "$(wc -l <err.txt)" -eq $# ] || { fail "$what: expected $# lines on standard error, got:"; cat err.txt; }
}

what="a session with gaps"
"$kurvex" --export out/gaps/gaps.ses lab/gaps.ses 2>err.txt
status=$?
expect 1 "kurvex: cannot open lab/missing.plt: No such file or directory" \
  "kurvex: cannot open $PWD/outside.plt: outside the folder of lab/gaps.ses" \
  "kurvex: cannot open ../outside.plt: outside the folder of lab/gaps.ses"
grep -q "numPlots= 4" out/gaps/gaps.ses || fail "$what: the session lost its windows"
cmp -s out/gaps/Kurvex1.dat good.dat || fail "$what: the plot that could be read was not written"
"$kurvex" --export out/gaps.png lab/gaps.ses 2>err.txt
status=$?
[ -s out/gaps.png ] || fail "$what: no picture of what could be read"

what="150 plot files"
n=1
while [ $n -le 150 ]; do
  cp lab/good.plt "p$n.plt"
  cp lab/good.dat "p$n.dat"
  n=$((n + 1))
done
# shellcheck disable=SC2046
"$kurvex" --export out/many/many.ses $(ls p*.plt | sort -V) 2>err.txt
status=$?
expect 1 "Kurvex: The command line asks for 150 windows; the 99 that fit are opened."
grep -q "numPlots= 99" out/many/many.ses || fail "$what: the session does not hold the 99 that fit"

what="a session of 150 windows"
printf '[Session]\nnumPlots= 150\n' >many.ses
"$kurvex" --export out/many.png many.ses 2>err.txt
status=$?
expect 1 "Kurvex: The session asks for 150 windows; the 99 that fit beside the open ones are opened."

what="a plot file without its data file"
cp lab/good.plt nodata.plt
echo "old picture" >out/nodata.png
"$kurvex" --export out/nodata.png lab/good.plt nodata.plt 2>err.txt
status=$?
expect 1 "kurvex: cannot open nodata.dat: No such file or directory"
[ "$(cat out/nodata.png)" = "old picture" ] || fail "$what: OUT was written"
[ $failed -eq 0 ] && echo "plot files left out: named, status 1: ok"
exit $failed
