#pragma once
// Paints the whole picture of a plot on a surface: background, grid, frame,
// ticks with their labels, power-of-ten factor and offset, titles, the graphs
// clipped to the plot rectangle, and the legend.

#include "model/plot_model.h"
#include "platform/surface.h"
#include "render/drawing_objects.h"
#include "render/axis_ticks.h"
#include "scaling/device_transform.h"

namespace kvx {

class PlotPainter {
public:
    // Paints for `view`, whose width and height the caller sets to the
    // surface's size: a picture, a page, the clipboard.
    PlotPainter(Surface& surface, PlotModel& plot, PlotView& view);

    // The complete picture. Works out the view (transform, plot rectangle,
    // legend measurements, yTitleShift, where each graph's line ends);
    // changes nothing of the model.
    void paintPlot();
    // Only the view of the complete picture, nothing drawn: what the next
    // input works on while its picture waits to be painted.
    void layout();
    // Frame (unless hidden) and grid over what is there, without erasing.
    void paintFrameAndGrid();

    // Column merging of the graph drawing (on by default).
    void setMergeColumns(bool merge) { mergeColumns_ = merge; }

private:
    void prepare();
    // The ticks and labels of both axes for the view's plot rectangle.
    void computeTicks();
    void measureLegend();
    void fillBackground();
    void drawGrid();
    void drawGridLine(double x0, double y0, double x1, double y1);
    void drawFrame();
    void drawTicks(bool withLabels);
    // Which major ticks carry labels, for the label font selected.
    void spaceLabels();
    int labelWidth(const AxisTicks& ticks, double value);
    static int yLabelTop(double y, const FontMetrics& metrics);
    // The factor ("x 10" and its exponent) and the offset of each axis.
    void drawFactors();
    // A major tick's label with its top at `top`, placed at x by `align`.
    void drawLabel(const AxisTicks& ticks, double value, int x, int top, TextHAlign align);
    void drawTitles();
    void drawGraphs();
    void drawLegend();
    void bevelLine(Color color, int x0, int y0, int x1, int y1);
    void sunkenBevel(int l, int t, int r, int b);
    void singleFrame(int l, int t, int r, int b);
    void line(int x0, int y0, int x1, int y1);
    // A tick mark of `length` pixels that starts one pixel from the axis
    // point in the direction (dx, dy).
    void mark(const DoublePoint& axisPoint, int dx, int dy, int length);

    Surface& surface_;
    PlotModel& plot_;
    PlotView& view_;
    PlotObjects objects_;
    AxisTicks xTicks_;
    AxisTicks yTicks_;
    bool mergeColumns_ = true;
};

// The complete picture on an output's surface (a file, a page, the
// clipboard) at width by height pixels, with a view of its own, so that the
// window's view stays as it is; text without a background box, as in the
// window.
void paintOutput(Surface& surface, PlotModel& plot, int width, int height);

}  // namespace kvx
