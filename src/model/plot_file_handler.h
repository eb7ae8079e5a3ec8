#pragma once
// Per-plot file state shared by the data, plot and session file code: the
// read mode of the data file read or written last, the file command that a
// start-up took over, and the data files the plot's graphs came from, which
// "Follow Data Files" keeps reading while they grow.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "settings/keywords.h"

namespace kvx {

// A data file read into the plot: graphs `firstGraph` to `lastGraph` hold its data.
struct ReadDataFile {
    std::string path;
    int32_t firstGraph = 1;
    int32_t lastGraph = 0;
    int16_t readMode = XYY;
};

// What a higher floor keeps with a plot's files while the plot lives (the
// following of its data files); the model only owns it.
class FileCompanion {
public:
    virtual ~FileCompanion() = default;
};

struct PlotFileHandler {
    int16_t readMode = XYY;
    int16_t pendingFileCommand = 1;  // 1: none
    std::vector<ReadDataFile> dataFiles;  // since the last "Open"
    bool follow = false;                  // "Follow Data Files" is on
    std::unique_ptr<FileCompanion> companion;
};

}  // namespace kvx
