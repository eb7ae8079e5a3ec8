#include "platform/path_recorder.h"

#include <algorithm>

namespace kvx {

void PathRecorder::begin()
{
    figures_.clear();
    recording_ = true;
}

void PathRecorder::moveTo(PixelPoint p)
{
    if (figureOpen() && figures_.back().points.size() == 1) {
        figures_.back().points.front() = p;
        return;
    }
    figures_.push_back({{p}, false});
}

void PathRecorder::lineTo(PixelPoint from, PixelPoint to)
{
    if (!figureOpen()) {
        figures_.push_back({{from}, false});
    }
    figures_.back().points.push_back(to);
}

PixelPoint PathRecorder::closeFigure(PixelPoint current)
{
    if (!figureOpen()) {
        return current;
    }
    figures_.back().closed = true;
    return figures_.back().points.front();
}

std::vector<PathFigure> PathRecorder::take()
{
    std::vector<PathFigure> out = std::move(figures_);
    figures_.clear();
    std::erase_if(out, [](const PathFigure& f) { return f.points.size() < 2; });
    return out;
}

}  // namespace kvx
