#pragma once
// Reads the text columns of a data file into graphs of a plot, in the read
// mode held by the plot's file state (XYY, XYXY, XYAXYA, XYAYA or YY). Blocks
// separated by "NEW" lines add graphs of their own; faults are warnings that
// keep what was read before them.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace kvx {

class Plot;

// Reads `fileName` into graphs numbered from `start` (the caller passes the
// plot's graph count + 1). False only when the file cannot be opened; the
// plot is held busy for the read.
bool readData(Plot& plot, const std::string& fileName, int32_t start);

// The same for a file the caller opened and closes.
void readData(Plot& plot, std::FILE* file, const std::string& fileName, int32_t start);

// The same for a file's text already in memory; warnings name `fileName`.
void readDataText(Plot& plot, std::string_view text, const std::string& fileName, int32_t start);

}  // namespace kvx
