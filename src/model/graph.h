#pragma once
// One data series: its label, its style and its points. The points live in
// three parallel arrays (x, y and one attribute byte per point) that grow by
// doubling from 50, and beyond a million points by an eighth; the slot after
// the last point always exists and may already hold the attribute of the
// next point.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/heap_block.h"
#include "model/point_summary.h"
#include "model/running_bounds.h"

namespace kvx {

// Point attributes.
constexpr uint8_t ATT_CONNECTED = 0;  // joined to the previous point
constexpr uint8_t ATT_NEW_LINE = 1;   // starts a new polyline
constexpr uint8_t ATT_ISOLATED = 2;   // a single dot, joined to nothing

// Where the drawing of a graph stands between two points, in device
// coordinates of the last picture.
class Graph {
public:
    static constexpr std::size_t maxLableLength = 79;
    static constexpr int32_t initialCapacity = 50;
    // Smaller graphs are drawn point by point in well under a millisecond.
    static constexpr int32_t summaryThreshold = 32768;

    // A graph as created as graph number n of its list: colour n, marker
    // 900 + n mod 6, everything else from the graph defaults.
    explicit Graph(int16_t number);
    ~Graph();
    Graph(const Graph&) = delete;
    Graph& operator=(const Graph&) = delete;

    const std::string& lable() const { return lable_; }
    // At most 79 characters are kept (never half a UTF-8 character).
    void setLable(std::string_view text);

    int16_t colorNum() const { return colorNum_; }
    int16_t type() const { return type_; }
    int16_t lineWidth() const { return lineWidth_; }
    int16_t lineType() const { return lineType_; }
    int16_t showLines() const { return showLines_; }
    int16_t pointsSize() const { return pointsSize_; }
    int16_t showPoints() const { return showPoints_; }
    int16_t markerSize() const { return markerSize_; }
    int16_t markerType() const { return markerType_; }
    int16_t showMarker() const { return showMarker_; }
    int16_t pointsDrawRate() const { return pointsDrawRate_; }
    int16_t markerDrawRate() const { return markerDrawRate_; }
    int16_t linesDrawRate() const { return linesDrawRate_; }
    int16_t dotCount() const { return dotCount_; }
    int16_t markerCount() const { return markerCount_; }
    void setDotCount(int16_t n) { dotCount_ = n; }
    void setMarkerCount(int16_t n) { markerCount_ = n; }

    // The one setter of line type, width and colour.
    void setPen(int16_t lineType, int16_t lineWidth, int16_t colorNum);
    void setType(int16_t v) { type_ = v; }
    void setPointsSize(int16_t v) { pointsSize_ = v; }
    void setMarkerSize(int16_t v) { markerSize_ = v; }
    void setMarkerType(int16_t v) { markerType_ = v; }
    void setShowLines(int16_t v) { showLines_ = v; }
    void setShowPoints(int16_t v) { showPoints_ = v; }
    void setShowMarker(int16_t v) { showMarker_ = v; }
    void setLinesDrawRate(int16_t v) { linesDrawRate_ = v; }
    // The draw rates of dots and markers also restart their counters.
    void setPointsDrawRate(int16_t v) { pointsDrawRate_ = dotCount_ = v; }
    void setMarkerDrawRate(int16_t v) { markerDrawRate_ = markerCount_ = v; }

    // Output restyles graphs for a moment and puts everything back.
    void saveStyle();
    void restoreStyle();

    int32_t numPoints() const { return numPoints_; }
    int32_t capacity() const { return capacity_; }
    uint8_t lastAtt() const { return lastAtt_; }
    const double* xData() const { return x_.data(); }
    const double* yData() const { return y_.data(); }
    const uint8_t* attData() const { return att_.data(); }
    // No x value is smaller than the one before it, and none is NaN.
    bool xNonDecreasing() const { return xNonDecreasing_; }
    bool xNonIncreasing() const { return xNonIncreasing_; }
    // The minima and maxima of the y values by index range; only for graphs
    // of at least summaryThreshold points, else null.
    const PointSummary* summary() const { return numPoints_ >= summaryThreshold ? &summary_ : nullptr; }
    // The bounds of the x and the y values, brought up to the last point
    // when asked.
    const RunningBounds& xBounds() const
    {
        catchUpBounds();
        return xBounds_;
    }
    const RunningBounds& yBounds() const
    {
        catchUpBounds();
        return yBounds_;
    }

    // A point that keeps the attribute already waiting in its slot.
    void append(double x, double y)
    {
        if (numPoints_ + 1 == capacity_) {
            grow();
        }
        x_[numPoints_] = x;
        y_[numPoints_] = y;
        lastAtt_ = att_[numPoints_];
        ++numPoints_;
        xNonDecreasing_ = xNonDecreasing_ && x >= lastX_;
        xNonIncreasing_ = xNonIncreasing_ && (numPoints_ == 1 || x <= lastX_);
        lastX_ = x;
        if (numPoints_ == summaryDue_) {
            extendSummary();
        }
    }
    void appendIsolated(double x, double y);
    // Room for `points` points in all at once, for a reader that can tell
    // how many will come; x and y pages that stay unused are never touched.
    void reserve(int32_t points);
    // The next appended point starts a new polyline.
    void startNewLine();
    // Point i; false and the outputs untouched when i is not a point.
    bool getPoint(int32_t i, double& x, double& y, uint8_t& att) const;
    // No point after the first starts a line or stands alone.
    bool onlyConnected() const;

    // A deep copy of the source's label, style and points.
    void copyFrom(const Graph& source);
    // Empty again, as graph number 0 (colour 0, no marker, no label).
    void reset();
    // No points, style and label kept: for a file that is read again.
    void clearPoints();


private:
    void initialise(int16_t number);
    void grow();
    void growTo(int32_t capacity);
    void extendSummary();
    // Has the pages of the next points faulted in beside the appending.
    void warmAhead();
    void rebuildSummary();
    // After points were replaced rather than appended.
    void pointsReplaced();
    void catchUpBounds() const;

    std::string lable_;
    int16_t colorNum_ = 0;
    int16_t type_ = 0;
    int16_t lineWidth_ = 0;
    int16_t lineType_ = 0;
    int16_t showLines_ = 0;
    int16_t pointsSize_ = 0;
    int16_t showPoints_ = 0;
    int16_t savedStyle_[5] = {};  // line type, width, dot size, colour, marker size
    int16_t markerSize_ = 0;
    int16_t markerType_ = 0;
    int16_t showMarker_ = 0;
    int16_t pointsDrawRate_ = 0;
    int16_t markerDrawRate_ = 0;
    int16_t linesDrawRate_ = 0;
    int32_t numPoints_ = 0;
    HeapArray<double> x_;
    HeapArray<double> y_;
    HeapArray<uint8_t> att_;
    uint8_t lastAtt_ = ATT_NEW_LINE;
    int32_t capacity_ = 0;
    double lastX_ = 0.0;
    bool xNonDecreasing_ = true;
    bool xNonIncreasing_ = true;
    PointSummary summary_;
    int32_t summaryDue_ = summaryThreshold;  // the point count at which the next block is complete
    int32_t warmedTo_ = 0;  // the points whose x and y pages were given to the page warmer
    mutable RunningBounds xBounds_;
    mutable RunningBounds yBounds_;
    mutable int32_t boundsCount_ = 0;  // the points that the bounds have taken in
    int16_t dotCount_ = 0;
    int16_t markerCount_ = 0;
};

}  // namespace kvx
