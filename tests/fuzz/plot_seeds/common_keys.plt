[Plot]
windowTitle= 'Kurvex'

[AxesSystem]
xMin= 0
xMax= 1
yMin= -4
yMax= 3
xTick= 0.2
showLegend= SHOW_OUTRIGHT
colorPalette= MIXED_COLORS_II
numGraphs= 3

[Graphs]
readMode= XYY
type= STEMS
lineWidth= 4
showPoints= SHOW
markerType= CIRCLE
showMarker= SHOW
markerDrawRate= 2

[Graph2]
lable= 'Second'
showPoints= HIDE
lineType= DOT

0 1 2 3
1 2 -4 0.5
