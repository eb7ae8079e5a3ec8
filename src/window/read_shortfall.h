#pragma once
// What opening files left out while the rest was read: the plot files of a
// session that could not be read and the windows that found no room in the
// session. Batch mode names each and ends with a failure; a window shows
// what could be read.

#include <string>
#include <vector>

namespace kvx {

struct ReadShortfall {
    std::vector<std::string> unreadPlots;  // each "cannot open NAME: reason"
    int windowsLeftOut = 0;

    bool empty() const { return unreadPlots.empty() && windowsLeftOut == 0; }
};

}  // namespace kvx
