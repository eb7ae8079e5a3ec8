#pragma once
// Keeps the graphs that one data file filled in step with the file while
// another program appends to it: new lines continue their graphs, a file cut
// short or replaced is read again into the same graphs.

#include <cstdint>
#include <string>

#include "files/data_file_reader.h"
#include "files/growing_file.h"
#include "model/plot_file_handler.h"

namespace kvx {

class Plot;

class DataFollower {
public:
    enum class Outcome { Unchanged, Grew, Restarted, Gone };

    // The file's graphs start at graph `first`; it is read in `mode`.
    DataFollower(std::string path, int32_t first, int16_t mode);
    // A file that an earlier read put into the plot.
    explicit DataFollower(const ReadDataFile& file);

    // Reads what the file holds beyond the last update. The first update
    // reads the whole file again, from its first graph on.
    Outcome update(Plot& plot);

    const std::string& path() const { return file_.path(); }
    int32_t firstGraph() const { return first_; }

private:
    void clearGraphs(Plot& plot) const;

    GrowingFile file_;
    int32_t first_;
    int32_t last_;  // the last graph the file filled so far
    DataReadPosition position_;
};

}  // namespace kvx
