[Plot]
windowTitle= 'Damped Oscillation'
xWinPos= 30
yWinPos= 40
xWinSize= 640
yWinSize= 520

[AxesSystem]
axesTitle= 'Spring pendulum'
xLable= 't [s]'
yLable= 'x [cm]'
xMin= -0.5
xMax= 20.5
yMin= -9.54393125
yMax= 10.47668125
xTick= 5
yTick= 5
xSubTick= 2.5
ySubTick= 2.5
showGrid= SHOW
showCoorSystem= SHOW
showLegend= SHOW_UPRIGHT
aspectRatio= AXES_SCALED
colorScheme= DARK
colorPalette= MIXED_COLORS_I
numColors= 7
zoomMode= ZOOM_XY
numGraphs= 2

[Graphs]
readMode= XYY

[Graph1]
lable= 'x(t)'
type= LINES
colorNum= 1
markerType= TRIANGLE
lineWidth= 1
pointsSize= 3
markerSize= 7
showLines= SHOW
showPoints= HIDE
showMarker= HIDE
linesDrawRate= 1
pointsDrawRate= 1
markerDrawRate= 1

[Graph2]
lable= 'envelope'
type= LINES
lineType= DASH
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
