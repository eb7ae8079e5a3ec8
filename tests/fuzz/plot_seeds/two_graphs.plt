[Plot]
windowTitle= 'Measurements'
xWinPos= 33
yWinPos= 44
xWinSize= 700
yWinSize= 480

[AxesSystem]
axesTitle= 'Run 7'
xLable= 'Time [s]'
yLable= 'U [V]'
xMin= -0.5
xMax= 10.25
yMin= -3
yMax= 0.001
xTick= 2
yTick= 0.5
xSubTick= 0.25
ySubTick= 0.125
showGrid= HIDE
showCoorSystem= SHOW_HALF
showLegend= SHOW_UPLEFT
aspectRatio= AXES_EQUAL
colorScheme= PAPER
colorPalette= HEAT_SCALE
numColors= 12
zoomMode= ZOOM_XY
numGraphs= 2

[Graphs]
readMode= XYXY

[Graph1]
lable= 'Voltage'
type= STAIRS
lineType= DASH
colorNum= 5
markerType= STAR
lineWidth= 3
pointsSize= 4
markerSize= 9
showLines= HIDE
showPoints= SHOW_BEGIN_END
showMarker= SHOW
linesDrawRate= 2
pointsDrawRate= 3
markerDrawRate= 4

[Graph2]
lable= 'Current'
type= BARS
colorNum= 2
markerType= SQUARE
lineWidth= 1
pointsSize= 3
markerSize= 7
showLines= SHOW
showPoints= HIDE
showMarker= HIDE
linesDrawRate= 1
pointsDrawRate= 1
markerDrawRate= 1
