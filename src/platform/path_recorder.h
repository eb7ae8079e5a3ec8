#pragma once
// Keeps the lines drawn between beginPath and endPath as figures, for a
// surface to stroke them later as one outline.

#include <vector>

#include "platform/pixel_geometry.h"

namespace kvx {

struct PathFigure {
    std::vector<PixelPoint> points;
    bool closed = false;
};

class PathRecorder {
public:
    // Starts a new path; an earlier one is dropped.
    void begin();
    void end() { recording_ = false; }
    bool recording() const { return recording_; }

    // A move starts a new figure at the point.
    void moveTo(PixelPoint p);
    // A line continues the open figure, or starts one at `from`.
    void lineTo(PixelPoint from, PixelPoint to);
    // Closes the open figure; returns its first point, where the pen is now.
    // Without an open figure it returns `current`.
    PixelPoint closeFigure(PixelPoint current);

    // The recorded figures with at least one line; the path is emptied.
    std::vector<PathFigure> take();

private:
    bool figureOpen() const { return !figures_.empty() && !figures_.back().closed; }

    std::vector<PathFigure> figures_;
    bool recording_ = false;
};

}  // namespace kvx
