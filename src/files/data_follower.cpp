#include "files/data_follower.h"

#include <algorithm>
#include <new>

#include "app/errors.h"
#include "model/plot_model.h"

namespace kvx {

DataFollower::DataFollower(const std::string& path, int32_t first, int16_t mode)
    : file_(path), first_(first < 1 ? 1 : first), last_(first_ - 1)
{
    position_.mode = mode;
    position_.start = first_;
}

DataFollower::DataFollower(const ReadDataFile& file) : DataFollower(file.path, file.firstGraph, file.readMode)
{
    last_ = std::max(last_, file.lastGraph);
}

DataFollower::Outcome DataFollower::update(FramedPlot plot)
{
    try {
        const RecoverableAllocations recoverable;
        const Outcome outcome = read(plot);
        gone_ = outcome == Outcome::Gone;
        return outcome;
    } catch (const std::bad_alloc&) {
        // The graphs keep the points they took: each grows whole or not at all.
        return Outcome::OutOfMemory;
    }
}

DataFollower::Outcome DataFollower::read(FramedPlot plot)
{
    const GrowingFile::Change change = file_.look();
    switch (change) {
    case GrowingFile::Change::Gone: return Outcome::Gone;
    case GrowingFile::Change::LineTooLong: return Outcome::LineTooLong;
    case GrowingFile::Change::None: return Outcome::Unchanged;
    case GrowingFile::Change::Restarted: {
        clearGraphs(plot.model);
        const int16_t mode = position_.mode;
        position_ = DataReadPosition{};
        position_.mode = mode;
        position_.start = first_;
        break;
    }
    case GrowingFile::Change::Appended: break;
    }
    readMoreData(plot, file_.lines(), file_.path(), position_);
    last_ = std::max(last_, position_.start + position_.count - 1);
    return change == GrowingFile::Change::Restarted ? Outcome::Restarted : Outcome::Grew;
}

void DataFollower::clearGraphs(PlotModel& plot) const
{
    // The user may have removed graphs meanwhile.
    const int32_t last = std::min<int32_t>(last_, plot.numGraphs());
    for (int32_t i = first_; i <= last; ++i) {
        plot.graph(i).clearPoints();
    }
}

}  // namespace kvx
