#!/bin/sh
# Figures for papers: an SVG that people edit (dashed lines as one element,
# paint shared by groups, each graph a group named by its label, crisp edges
# asked for only where edges run along the axes), sizes on paper in
# millimetres and inches, and a PNG that records its resolution.
# Arguments: the kurvex program, a scratch folder.
. "$(dirname "$0")/common.sh"
printf '1 2\n2 3\n3 1\n' >three.dat

"$kurvex" --export three.svg three.dat || fail "the SVG of three points was not written"
bytes=$(wc -c <three.svg)
paths=$(grep -o '<path ' three.svg | wc -l)
[ "$bytes" -lt 20000 ] || fail "three points take $bytes bytes of SVG"
# Ten dashed grid lines, the frame, some hundred tick marks and one graph
# (every dash its own path would make some nine hundred).
[ "$paths" -lt 200 ] || fail "three points take $paths paths"
[ "$(grep -c 'stroke-dasharray="3 3"' three.svg)" -eq 1 ] || fail "the grid's dashes are not one group of lines"
grep -q '<g id="graph1"><title>Graph 1</title>' three.svg || fail "the graph is no group named by its label"
sed -n 2p three.svg | grep -q crispEdges && fail "the document forbids smoothing everywhere"
sed -n '/<g id="graph1">/{n;p;}' three.svg | grep -q crispEdges && fail "the graph's line is not smoothed"
rsvg-convert three.svg -o three.png || fail "rsvg-convert cannot draw the SVG"

"$kurvex" --size 90x60mm --export paper.svg three.dat || fail "--size 90x60mm was refused"
sed -n 2p paper.svg | grep -q 'width="90mm" height="60mm" viewBox="0 0 340 227"' ||
  fail "the SVG does not give its size on paper: $(sed -n 2p paper.svg)"

# 3.5 x 2.5 inches at 300 pixels an inch: 1050 x 750 pixels and 11811 pixels a metre.
"$kurvex" --size 3.5x2.5in --dpi 300 --export paper.png three.dat || fail "--size 3.5x2.5in --dpi 300 was refused"
size=$(od -An -tu1 -j16 -N8 paper.png | tr -s ' ')
[ "$size" = " 0 0 4 26 0 0 2 238" ] || fail "the PNG is not 1050 x 750 pixels: $size"
at=$(grep -obUa pHYs paper.png | head -1 | cut -d: -f1)
resolution=$(od -An -tu1 -j$((at + 4)) -N9 paper.png | tr -s ' ')
[ "$resolution" = " 0 0 46 35 0 0 46 35 1" ] || fail "the PNG does not record 300 dpi: $resolution"

for wrong in "--dpi 5" "--size 90x60cm" "--size 0x60mm"; do
  # shellcheck disable=SC2086
  "$kurvex" $wrong --export wrong.png three.dat 2>/dev/null
  [ $? -eq 2 ] || fail "$wrong was not refused as a wrong option"
done
[ $failed -eq 0 ] && echo "paper figures: ok"
exit $failed
