#pragma once
// Keeps the graphs that one data file filled in step with the file while
// another program appends to it: new lines continue their graphs, a file cut
// short, replaced, or gone and back is read again into the same graphs.

#include <cstdint>
#include <string>

#include "files/data_file_reader.h"
#include "files/growing_file.h"
#include "model/plot_file_handler.h"

namespace kvx {

class PlotModel;

class DataFollower {
public:
    enum class Outcome {
        Unchanged,
        Grew,
        Restarted,
        Gone,          // the file cannot be read now: the next update looks again
        LineTooLong,   // a line without its end grew too long: following it ends
        OutOfMemory,   // its points or its lines found no memory: following it ends
    };

    // The file's graphs start at graph `first`; it is read in `mode`.
    DataFollower(const std::string& path, int32_t first, int16_t mode);
    // A file that an earlier read put into the plot.
    explicit DataFollower(const ReadDataFile& file);

    // Reads what the file holds beyond the last update, a bounded piece at
    // a time. The first update reads the file again from its start, from its
    // first graph on, and so does the first one after the file was gone.
    // A failed allocation gives up on the file; it never ends the program.
    Outcome update(FramedPlot plot);

    // The last update found the file gone.
    bool gone() const { return gone_; }
    // The file holds more than the updates read so far.
    bool morePending() const { return file_.morePending(); }

    const std::string& path() const { return file_.path(); }
    int32_t firstGraph() const { return first_; }

private:
    Outcome read(FramedPlot plot);
    void clearGraphs(PlotModel& plot) const;

    GrowingFile file_;
    int32_t first_;
    int32_t last_;  // the last graph the file filled so far
    DataReadPosition position_;
    bool gone_ = false;
};

}  // namespace kvx
