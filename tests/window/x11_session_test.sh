#!/bin/sh
# Session > File > Save in a session of two windows, then Session > File >
# Open in a fresh kurvex, on a real X server (Xvfb, the xcb platform), with
# the toolkit's file dialogs driven by keys: the saved files name both
# windows, a second session into that folder asks before it replaces their
# files, and the open brings both back with the focus on the window that
# had it last. (Without a window manager, stacking does not follow focus.)
# Usage: x11_session_test.sh KURVEX DATA_FILE_1 DATA_FILE_2 WORK_DIR
set -u
kurvex=$1
data1=$2
data2=$3
work=$4
. "$(dirname "$0")/x11_common.sh"
enter_work_dir "$work"
mkdir saved

# Session > File > the item `downs` below "Open ...", then, once the dialog
# titled $2 is up, the file name $3 typed over its proposal.
session_file_item() {
    open_menu 25
    open_submenu Down Right
    [ "$1" -gt 0 ] && xdotool key --repeat "$1" Down
    xdotool key Return
    wait_dialog "$2"
    xdotool key ctrl+a type "$3"
    xdotool key Return
}
# The session file is complete once its last window's section is there.
session_saved() { grep -q '^\[Plot2\]' saved/lab.ses 2>/dev/null && window_gone "Save Session"; }

"$kurvex" --export one.plt "$data1" && "$kurvex" --export two.plt "$data2" || fail "batch export of plot files failed"
start_kurvex one.plt two.plt
wait_window up "#2: Kurvex" || fail "the second window did not open"
session_file_item 2 "Save Session" "$work/saved/lab.ses"
wait_until session_saved || fail "no session file was written"
import -window root saving.png
# A second session into the same folder would replace the first one's
# files: one question, whose "Yes" (Return) saves it.
session_file_item 2 "Save Session" "$work/saved/copy.ses"
wait_window up "Kurvex" || fail "no question before replacing the files of lab.ses"
import -window root question.png
xdotool key Return
wait_until test -s saved/copy.ses || fail "copy.ses was not written after Yes"
kill "$pid"
wait "$pid" 2>/dev/null
grep -q "numPlots= 2" saved/lab.ses || fail "the session file does not hold two windows"
for n in 1 2; do
    [ -s "saved/Kurvex$n.plt" ] && [ -s "saved/Kurvex$n.dat" ] || fail "window $n's files are missing"
done
cmp -s saved/Kurvex1.dat one.dat && cmp -s saved/Kurvex2.dat two.dat || fail "the saved data differ from the windows' data"

start_kurvex
session_file_item 0 "Open Session" "$work/saved/lab.ses"
wait_window up "#2: Kurvex" || fail "the second window did not come back"
# Both windows drawn, the session is loaded.
settled_shot root opened.png
focused=$(sed -n 's/^plotFocus= \[\([0-9]*\).*/#\1: Kurvex/p' saved/lab.ses)
has_focus "$focused" || fail "the focus is on $(xdotool getwindowfocus getwindowname), not on $focused"
kill "$pid"
echo "the session came back"
