#!/bin/sh
# Plot and session files in batch mode: the example session re-saved twice
# gives the same files both times, with the examples' data in them; a plot
# file exported from a data file opens again as the same plot; and a
# session re-saved in its own folder keeps its data. A session that cannot
# be written, or would take the files of another, ends with status 1.
# Arguments: the kurvex program, a scratch folder, the examples folder.
. "$(dirname "$0")/common.sh"
examples=$3
mkdir first second plot again
"$kurvex" --export first/lab.ses "$examples/lab.ses" 2>err.txt || fail "lab.ses: exit status $?"
[ -s err.txt ] && { fail "lab.ses: messages on standard error:"; cat err.txt; }
"$kurvex" --export second/lab.ses first/lab.ses || fail "first/lab.ses: exit status $?"
diff -r first second >/dev/null || fail "a session re-saved differs from the first save"
grep -q "numPlots= 2" first/lab.ses || fail "the session lost a window"
grep -qxF "plotFocus= [1 2]" first/lab.ses || fail "the focus order changed: $(grep plotFocus first/lab.ses)"
for name in "Damped Oscillation" "Two Stations"; do
  [ -s "first/$name.plt" ] || fail "no plot file for the window $name"
done
cmp -s "first/Damped Oscillation.dat" "$examples/oscillation.dat" || fail "the oscillation's data changed"
grep -q "lineType= DASH" "first/Damped Oscillation.plt" || fail "the envelope lost its dashes"

"$kurvex" --export plot/curve.PLT "$examples/damped_oscillation.dat" || fail "curve.PLT: exit status $?"
[ -s plot/curve.plt ] && [ -s plot/curve.dat ] || fail "a plot export writes curve.plt and curve.dat"
"$kurvex" --export again/curve.plt plot/curve.plt || fail "curve.plt: exit status $?"
cmp -s plot/curve.dat again/curve.dat || fail "a plot file read and written again lost data"
# Extensions in either case: X.PLT finds X.plt, a pair written in upper case
# finds its data, and a session's plotFile may carry the extension.
"$kurvex" --export again/upper.dat plot/CURVE.plt 2>/dev/null && fail "CURVE.plt is not curve.plt"
"$kurvex" --export again/upper.dat plot/curve.PLT || fail "curve.PLT: exit status $?"
cmp -s plot/curve.dat again/upper.dat || fail "curve.PLT did not read curve.plt's data"
mkdir upper
cp plot/curve.plt upper/CURVE.PLT
cp plot/curve.dat upper/CURVE.DAT
"$kurvex" --export again/pair.dat upper/CURVE.PLT || fail "CURVE.PLT: exit status $?"
cmp -s plot/curve.dat again/pair.dat || fail "CURVE.PLT did not find CURVE.DAT"
printf '[Session]\nnumPlots= 1\n[Plot1]\nplotFile= curve.plt\n' >plot/hand.ses
"$kurvex" --export again/hand.dat plot/hand.ses || fail "hand.ses: exit status $?"
cmp -s plot/curve.dat again/hand.dat || fail "a plotFile with its extension left its window empty"

"$kurvex" --export first/lab.ses first/lab.ses || fail "re-saving in place: exit status $?"
cmp -s "first/Damped Oscillation.dat" "$examples/oscillation.dat" || fail "re-saving in place lost data"
# A session saved into the folder of another would take its Kurvex1.dat:
# refused in one line that names the files, unless --overwrite.
mkdir mix
"$kurvex" --export mix/a.ses "$examples/damped_oscillation.dat" || fail "a.ses: exit status $?"
cp mix/Kurvex1.dat a.dat
"$kurvex" --export mix/b.ses "$examples/oscillation.dat" 2>err.txt
status=$?
[ $status -eq 1 ] || fail "b.ses over a.ses's files: exit status $status, expected 1"
[ "$(wc -l <err.txt)" -eq 1 ] && grep -q "mix/Kurvex1.dat, mix/Kurvex1.plt.*--overwrite" err.txt ||
  { fail "no one-line message naming the files and --overwrite:"; cat err.txt; }
[ -e mix/b.ses ] && fail "b.ses was written over a.ses's files"
cmp -s mix/Kurvex1.dat a.dat || fail "a.ses lost its data to b.ses"
"$kurvex" --overwrite --export mix/b.ses "$examples/oscillation.dat" || fail "--overwrite: exit status $?"
cmp -s mix/Kurvex1.dat "$examples/oscillation.dat" || fail "--overwrite did not replace Kurvex1.dat"
# A folder that is not there: a failure named on standard error, not a crash
# of the session's windows on the way out.
"$kurvex" --export nodir/lab.ses "$examples/lab.ses" 2>/dev/null
status=$?
[ $status -eq 1 ] || fail "nodir/lab.ses: exit status $status, expected 1"
[ $failed -eq 0 ] && echo "plot and session files in batch mode: ok"
exit $failed
