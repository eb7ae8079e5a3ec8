#pragma once
// Per-plot file state shared by the data, plot and session file code: the
// read mode of the data file read or written last and the file command that
// a start-up took over.

#include <cstdint>

#include "settings/keywords.h"

namespace kvx {

struct PlotFileHandler {
    int16_t readMode = XYY;
    int16_t pendingFileCommand = 1;  // 1: none
};

}  // namespace kvx
