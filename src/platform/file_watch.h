#pragma once
// Tells when watched files may have changed: through the desktop's file-system
// notification, and through a slow timer for what notifications miss (a file
// replaced or created anew, a file system without them). It says only "look
// again"; what changed is for the one who looks to find out.

#include <string>
#include <vector>

namespace kvx {

class FileWatch {
public:
    // The timer's period: no file is looked at more often than this while
    // nothing changes.
    static constexpr int fallbackMilliseconds = 250;

    virtual ~FileWatch() = default;
    // Watches these paths from now on, instead of the ones before.
    virtual void setPaths(const std::vector<std::string>& paths) = 0;
    // Says "look again" once more as soon as the events waiting now were
    // handled: the last look left part of a file for later.
    virtual void lookAgainSoon() = 0;
};

}  // namespace kvx
