[Plot]
windowTitle= 'Two Stations'
xWinPos= 360
yWinPos= 220
xWinSize= 640
yWinSize= 520

[AxesSystem]
axesTitle= ''
xLable= 'hour'
yLable= 'temperature [C]'
xMin= -0.6000000000000001
xMax= 24.6
yMin= 1.67175
yMax= 18.39825
xTick= 5
yTick= 2
xSubTick= 2.5
ySubTick= 1
showGrid= SHOW
showCoorSystem= SHOW
showLegend= SHOW_DOWNRIGHT
aspectRatio= AXES_SCALED
colorScheme= LIGHT
colorPalette= MIXED_COLORS_I
numColors= 7
zoomMode= ZOOM_XY
numGraphs= 2

[Graphs]
readMode= XYXY

[Graph1]
lable= 'station A'
type= LINES
colorNum= 1
markerType= TRIANGLE
lineWidth= 1
pointsSize= 3
markerSize= 7
showLines= SHOW
showPoints= HIDE
showMarker= SHOW
linesDrawRate= 1
pointsDrawRate= 1
markerDrawRate= 1

[Graph2]
lable= 'station B'
type= LINES
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
