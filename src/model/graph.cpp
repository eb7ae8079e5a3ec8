#include "model/graph.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "app/errors.h"
#include "platform/huge_pages.h"
#include "platform/page_warmer.h"
#include "platform/utf8_text.h"
#include "settings/default_records.h"
#include "settings/keywords.h"

namespace kvx {

Graph::Graph(int16_t number)
{
    initialise(number);
}

namespace {

// Arrays of fewer points fill too fast for warming to pay.
constexpr int32_t smallestWarmed = 1 << 20;
// Points warmed at a time (2 MB of x and of y), and how far ahead of the
// last point: far enough that the warmer keeps ahead of a fast reader, near
// enough that room reserved for points that never come stays untouched.
constexpr int32_t warmStep = 1 << 18;
constexpr int32_t warmDistance = 2 * warmStep;
// From here on the arrays grow by an eighth (8 MB of x).
constexpr int32_t largeCapacity = 1 << 20;

}  // namespace

Graph::~Graph()
{
    if (warmedTo_ > 0) {
        PageWarmer::instance().forget(this);
    }
}

void Graph::initialise(int16_t number)
{
    const GraphDefaults& d = graphDefaults();
    lable_.clear();
    colorNum_ = number;
    type_ = d.type;
    lineWidth_ = d.lineWidth;
    lineType_ = SOLID;
    showLines_ = d.showLines;
    pointsSize_ = d.pointsSize;
    showPoints_ = d.showPoints;
    std::fill(std::begin(savedStyle_), std::end(savedStyle_), int16_t{0});
    markerSize_ = d.markerSize;
    markerType_ = static_cast<int16_t>(NOMARKER + number % 6);
    showMarker_ = d.showMarker;
    linesDrawRate_ = d.linesDrawRate;
    setPointsDrawRate(d.pointsDrawRate);
    setMarkerDrawRate(d.markerDrawRate);
    numPoints_ = 0;
    capacity_ = 0;
    growTo(initialCapacity);
    att_[0] = ATT_NEW_LINE;
    lastAtt_ = ATT_NEW_LINE;
    lastX_ = -std::numeric_limits<double>::infinity();
    xNonDecreasing_ = true;
    xNonIncreasing_ = true;
    pointsReplaced();
}

void Graph::extendSummary()
{
    summary_.extend(y_.data(), att_.data(), numPoints_);
    summaryDue_ = summary_.covered() + PointSummary::blockSize;
    // The bounds take in the new points while they are still in the cache.
    catchUpBounds();
    warmAhead();
}

void Graph::warmAhead()
{
    if (capacity_ < smallestWarmed || int64_t{numPoints_} + warmDistance <= warmedTo_ || warmedTo_ >= capacity_) {
        return;
    }
    const int32_t from = std::max(warmedTo_, numPoints_);
    const int32_t to = capacity_ - from > warmStep ? from + warmStep : capacity_;
    const auto bytes = static_cast<std::size_t>(to - from) * sizeof(double);
    PageWarmer& warmer = PageWarmer::instance();
    warmer.warm(this, x_.data() + from, bytes);
    warmer.warm(this, y_.data() + from, bytes);
    warmedTo_ = to;
}

void Graph::pointsReplaced()
{
    rebuildSummary();
    xBounds_ = RunningBounds{};
    yBounds_ = RunningBounds{};
    boundsCount_ = 0;
}

void Graph::catchUpBounds() const
{
    if (boundsCount_ < numPoints_) {
        xBounds_.extend(x_.data(), boundsCount_, numPoints_);
        yBounds_.extend(y_.data(), boundsCount_, numPoints_);
        boundsCount_ = numPoints_;
    }
}

void Graph::rebuildSummary()
{
    if (numPoints_ < summaryThreshold) {
        summary_.clear();
        summaryDue_ = summaryThreshold;
        return;
    }
    summary_.rebuild(y_.data(), att_.data(), numPoints_);
    summaryDue_ = summary_.covered() + PointSummary::blockSize;
}

void Graph::setLable(std::string_view text)
{
    lable_.assign(cutAtCharacter(text, maxLableLength));
}

void Graph::setPen(int16_t lineType, int16_t lineWidth, int16_t colorNum)
{
    lineType_ = lineType;
    lineWidth_ = lineWidth;
    colorNum_ = colorNum;
}

void Graph::saveStyle()
{
    savedStyle_[0] = lineType_;
    savedStyle_[1] = lineWidth_;
    savedStyle_[2] = pointsSize_;
    savedStyle_[3] = colorNum_;
    savedStyle_[4] = markerSize_;
}

void Graph::restoreStyle()
{
    setPen(savedStyle_[0], savedStyle_[1], savedStyle_[3]);
    pointsSize_ = savedStyle_[2];
    markerSize_ = savedStyle_[4];
}

void Graph::growTo(int32_t capacity)
{
    const auto oldCapacity = static_cast<std::size_t>(capacity_);
    const auto newCapacity = static_cast<std::size_t>(capacity);
    if (warmedTo_ > 0) {
        // The blocks may move; what was still queued is warmed again from the last point.
        PageWarmer::instance().forget(this);
        warmedTo_ = std::min(warmedTo_, numPoints_);
    }
    x_.resize(newCapacity);
    y_.resize(newCapacity);
    att_.resize(newCapacity);
    // The new room is cleared at once and so becomes resident in any case:
    // a page fault per 2 MB instead of one per 4 KB.
    preferHugePages(att_.data(), newCapacity);
    std::memset(att_.data() + oldCapacity, 0, newCapacity - oldCapacity);
    capacity_ = capacity;
}

void Graph::grow()
{
    constexpr int32_t largest = std::numeric_limits<int32_t>::max();
    if (capacity_ == largest) {
        // A point count must stay a 32-bit number.
        reportOutOfMemory();
    }
    // Large arrays grow by an eighth, not by doubling: the attribute bytes
    // of the new room are cleared at once, and a block that cannot grow in
    // place is copied while the old one is still held.
    const int32_t step = capacity_ < largeCapacity ? capacity_ : capacity_ / 8;
    growTo(capacity_ > largest - step ? largest : capacity_ + step);
}

void Graph::reserve(int32_t points)
{
    constexpr int32_t largest = std::numeric_limits<int32_t>::max();
    // The slot after the last point must exist, so the capacity exceeds the count.
    const int32_t wanted = points < largest ? points + 1 : largest;
    if (wanted > capacity_) {
        growTo(wanted);
        // The points come right away, page after page: a fault per 2 MB
        // instead of one per 4 KB. Arrays grown by doubling are left out, as
        // their unused half would become resident a huge page at a time.
        const auto n = static_cast<std::size_t>(wanted);
        preferHugePages(x_.data(), n * sizeof(double));
        preferHugePages(y_.data(), n * sizeof(double));
    }
}

void Graph::appendIsolated(double x, double y)
{
    if (numPoints_ + 1 == capacity_) {
        grow();
    }
    att_[numPoints_] = ATT_ISOLATED;
    append(x, y);
}

void Graph::startNewLine()
{
    att_[numPoints_] = ATT_NEW_LINE;
    lastAtt_ = ATT_NEW_LINE;
}

bool Graph::getPoint(int32_t i, double& x, double& y, uint8_t& att) const
{
    if (i < 0 || i >= numPoints_) {
        return false;
    }
    x = x_[i];
    y = y_[i];
    att = att_[i];
    return true;
}

bool Graph::onlyConnected() const
{
    for (int32_t i = 1; i < numPoints_; ++i) {
        if (att_[i] != ATT_CONNECTED) {
            return false;
        }
    }
    return true;
}

void Graph::copyFrom(const Graph& source)
{
    if (&source == this) {
        return;
    }
    lable_ = source.lable_;
    type_ = source.type_;
    lineType_ = source.lineType_;
    lineWidth_ = source.lineWidth_;
    colorNum_ = source.colorNum_;
    pointsSize_ = source.pointsSize_;
    markerSize_ = source.markerSize_;
    markerType_ = source.markerType_;
    showLines_ = source.showLines_;
    showPoints_ = source.showPoints_;
    showMarker_ = source.showMarker_;
    linesDrawRate_ = source.linesDrawRate_;
    pointsDrawRate_ = source.pointsDrawRate_;
    markerDrawRate_ = source.markerDrawRate_;
    dotCount_ = source.dotCount_;
    markerCount_ = source.markerCount_;
    lastAtt_ = source.lastAtt_;

    if (capacity_ < source.capacity_) {
        growTo(source.capacity_);
    }
    numPoints_ = source.numPoints_;
    const auto n = static_cast<std::size_t>(numPoints_);
    std::memcpy(x_.data(), source.x_.data(), n * sizeof(double));
    std::memcpy(y_.data(), source.y_.data(), n * sizeof(double));
    const auto sourceCapacity = static_cast<std::size_t>(source.capacity_);
    std::memcpy(att_.data(), source.att_.data(), sourceCapacity);
    // Attributes left over from this graph's earlier, longer contents would
    // break the lines of points appended later.
    std::memset(att_.data() + sourceCapacity, 0, static_cast<std::size_t>(capacity_) - sourceCapacity);
    lastX_ = source.lastX_;
    xNonDecreasing_ = source.xNonDecreasing_;
    xNonIncreasing_ = source.xNonIncreasing_;
    pointsReplaced();
}

void Graph::clearPoints()
{
    std::memset(att_.data(), 0, static_cast<std::size_t>(capacity_));
    numPoints_ = 0;
    att_[0] = ATT_NEW_LINE;
    lastAtt_ = ATT_NEW_LINE;
    lastX_ = -std::numeric_limits<double>::infinity();
    xNonDecreasing_ = true;
    xNonIncreasing_ = true;
    setPointsDrawRate(pointsDrawRate_);
    setMarkerDrawRate(markerDrawRate_);
    pointsReplaced();
}

void Graph::reset()
{
    if (warmedTo_ > 0) {
        PageWarmer::instance().forget(this);
        warmedTo_ = 0;
    }
    x_.release();
    y_.release();
    att_.release();
    initialise(0);
}

}  // namespace kvx
