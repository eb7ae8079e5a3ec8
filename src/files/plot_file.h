#pragma once
// The plot file ("plt"): everything about a plot but its numbers, which lie
// in the data file of the same base name. Sections [Plot] (the window),
// [AxesSystem] (labels, range, ticks, display switches, palette, number of
// graphs), [Graphs] (the read mode of the data file, and graph keys common
// to all graphs) and one [Graph<n>] per graph with its label and style.

#include <cstdint>
#include <string>

#include "model/framed_plot.h"

namespace kvx {

class ReplacingFile;

// The parts of a plot file that readPlotFile takes.
constexpr int PLOT_PART_GRAPHS = 1;  // [Graphs] and [Graph<n>]
constexpr int PLOT_PART_AXES = 2;    // [AxesSystem]
constexpr int PLOT_PART_WINDOW = 4;  // [Plot]
constexpr int PLOT_PART_ALL = 7;

// Writes the plot file; the plot's file state (plot.files().readMode)
// already holds the read mode of the data file written just before. The
// file is composed in memory and replaces the old one at once: true when it
// was written completely; otherwise the previous file stays untouched and
// `reason`, when given, receives the system's error text.
bool writePlotFile(FramedPlot plot, const std::string& fileName, std::string* reason = nullptr);
// The same into `file`, one of a group of files replaced together: true
// when it all went in.
bool writePlotFile(FramedPlot plot, ReplacingFile& file);

// "Save Plot": the plot file and its data file (the plot's data written
// first), replaced together while no other save writes into the folder:
// true when both were written completely. Otherwise neither file has
// changed, and `failedPath` and `reason` (when given) name the file that
// failed and why (the system's error text).
bool writePlotWithData(FramedPlot plot, const std::string& plotFile, const std::string& dataFile,
                       std::string* failedPath = nullptr, std::string* reason = nullptr);

// False when the file cannot be opened (no message). Otherwise applies the
// parts of `partMask`; graphs from `start` (1-based) receive [Graph1] and
// the following sections. A file without numGraphs gets a warning, and its
// graph sections are not read; the result is still true, so that the data
// file is read with the read mode the caller set.
bool readPlotFile(FramedPlot plot, const std::string& fileName, int partMask, int32_t start);

}  // namespace kvx
