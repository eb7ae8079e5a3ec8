#pragma once
// Reads the text columns of a data file into graphs of a plot, in the read
// mode held by the plot's file state (XYY, XYXY, XYAXYA, XYAYA, YY, or
// COLUMNS for tables). Blocks
// separated by "NEW" lines add graphs of their own; faults are warnings that
// keep what was read before them.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "model/framed_plot.h"

namespace kvx {


// The mode `fileName` is read in when the plot's mode is `mode`: a ".csv"
// or ".tsv" file is a table while the mode is the default XYY.
int16_t readModeFor(std::string_view fileName, int16_t mode);

// Whether a file gave data: Refused when its first block was turned away,
// for a first line without numbers or with a column count that the read
// mode cannot take, so that the file added nothing.
enum class DataOutcome { Read, Refused };

// Reads `fileName` into graphs numbered from `start` (the caller passes the
// plot's graph count + 1). False only when the file cannot be opened; the
// plot is held busy for the read.
bool readData(FramedPlot plot, const std::string& fileName, int32_t start);

// The same for a file the caller opened and closes.
DataOutcome readData(FramedPlot plot, std::FILE* file, const std::string& fileName, int32_t start);

// The same for a file's text already in memory; warnings name `fileName`.
DataOutcome readDataText(FramedPlot plot, std::string_view text, const std::string& fileName, int32_t start);

// Where the read of a file that grows stands between two reads: the block
// under way, so that the lines appended later continue its graphs.
struct DataReadPosition {
    int16_t mode = 0;           // the read mode the file is read in
    int32_t start = 1;          // the first graph of the block under way
    int32_t count = 0;          // its graphs; 0 until its first line is read
    double lineInBlock = 0.0;   // its data lines so far (the x of mode YY)
    long linesBefore = 0;       // physical lines of the earlier reads, for warnings
    bool newSkipped = false;    // the "NEW" line before the next block was passed
    bool stopped = false;       // a fault ended the file's data: nothing more is read
    bool blankReported = false;  // a lone sign's (in a table: a text field's) warning was shown
    char separator = 0;          // a table's, once found
    bool extraReported = false;  // a table's warning of fields beyond its columns was shown
};

// Reads the complete lines `lines` that a file appended since the last read
// into the graphs `position` stands at, and moves it on. A "NEW" line at the
// end waits for the block's first line to decide its graphs.
void readMoreData(FramedPlot plot, std::string_view lines, const std::string& fileName,
                  DataReadPosition& position);

}  // namespace kvx
