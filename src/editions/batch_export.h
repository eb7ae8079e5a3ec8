#pragma once
// Batch mode: the files are opened into the first plot as on the command
// line, and the plot is written to a file chosen by its extension instead of
// being shown.

#include <string>
#include <vector>

#include "render/figure_output.h"
#include "window/plot.h"
#include "window/read_shortfall.h"

namespace kvx {

struct ExportResult {
    bool ok = false;
    std::string error;  // one line, when not ok
};

struct CommandLineReading {
    std::vector<std::string> unopened;  // the files that could not be opened
    ReadShortfall shortfall;            // what the others left out
};

// Opens `files` into `plot` (the first opened, the rest added). A plot or
// session file that would need a window when the session holds no more is
// left out, with one warning for all of them.
// `readModes`, where given, holds per file the read mode to set before it
// is read (0: the plot's own).
CommandLineReading openCommandLineFiles(Plot& plot, const std::vector<std::string>& files,
                                        const std::vector<int16_t>& readModes = {});

// Why batch mode cannot open `file` ("cannot open NAME: reason"): it (for a
// plot or session file, its .plt or .ses; for a plot file, also its data
// file) cannot be opened as a regular file. Empty when it can be opened.
std::string batchInputProblem(const std::string& file);

// The line that follows the warning of a data file that gave nothing.
std::string refusedDataHint(const std::string& file);

// Why batch mode cannot write to `path` (an extension it does not know);
// empty when it can.
std::string exportPathProblem(const std::string& path);

// Writes `plot` to `path`: .png .svg .pdf the picture of `size` (in pixels,
// or on paper where it gives millimetres; the plot's window size when it
// gives neither), .dat its data, .plt its plot file
// with the data file beside it, .ses the whole session with every window's
// plot and data files beside it. A plot without a
// window is drawn as its window would show it. A file of that name
// from before stays as it was unless the new one was written completely.
// A session that would replace plot or data files that the session file
// at `path` does not name is not written, unless `overwrite`.
ExportResult exportPlot(Plot& plot, const std::string& path, FigureSize size, bool overwrite = false);

}  // namespace kvx
