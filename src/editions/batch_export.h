#pragma once
// Batch mode: the files are opened into the first plot as on the command
// line, and the plot is written to a file chosen by its extension instead of
// being shown.

#include <string>
#include <vector>

#include "model/plot.h"

namespace kvx {

struct ExportResult {
    bool ok = false;
    std::string error;  // one line, when not ok
};

// Opens `files` into `plot` (the first opened, the rest added).
void openCommandLineFiles(Plot& plot, const std::vector<std::string>& files);

// Writes `plot` to `path`: .png .svg .pdf the picture of width x height
// pixels (the plot's window size when 0), .dat its data. A file of that name
// from before stays as it was unless the new one was written completely.
ExportResult exportPlot(Plot& plot, const std::string& path, int width, int height);

}  // namespace kvx
