#pragma once
// Reads a table as spreadsheets and data loggers write it: a separator found
// from its first lines, an optional title line whose fields name the graphs,
// the first column x and every further column one graph. Each field keeps
// its column: a missing value (empty, "NaN", "NA", "N/A", "null", "-")
// gives its graph no point and breaks the graph's line there. With the
// semicolon as separator a decimal comma is a decimal point. An x field
// that is a date and time makes the x axis a time axis. "NEW" lines start
// a table of its own, with graphs of its own.

#include <string>
#include <string_view>

#include "files/data_file_reader.h"
#include "files/line_reader.h"
#include "model/framed_plot.h"

namespace kvx {

DataOutcome readTable(FramedPlot plot, LineReader& lines, const std::string& fileName, int32_t start);
DataOutcome readTableText(FramedPlot plot, std::string_view text, const std::string& fileName, int32_t start);
// The lines a followed table appended, read where `position` stands: the
// title line is read once, the rows continue its graphs.
void readMoreTable(FramedPlot plot, std::string_view lines, const std::string& fileName,
                   DataReadPosition& position);

}  // namespace kvx
