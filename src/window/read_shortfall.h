#pragma once
// What opening files left out while the rest was read: the plot files of a
// session that could not be read, the windows that found no room in the
// session and the data files that gave nothing. Batch mode names each and
// ends with a failure; a window shows what could be read.

#include <string>
#include <vector>

namespace kvx {

struct ReadShortfall {
    std::vector<std::string> unreadPlots;  // each "cannot open NAME: reason"
    int windowsLeftOut = 0;
    // Data files whose first line had no numbers or a column count the read
    // mode cannot take; a warning named each as it was read.
    std::vector<std::string> refusedData;

    bool empty() const { return unreadPlots.empty() && windowsLeftOut == 0 && refusedData.empty(); }
};

}  // namespace kvx
