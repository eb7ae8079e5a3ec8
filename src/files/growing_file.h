#pragma once
// The view of a file that another program writes line by line: what it
// appended since the last look, whole lines only, and whether it was cut
// short, replaced or removed meanwhile.

#include <cstdint>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace kvx {

class GrowingFile {
public:
    enum class Change {
        None,       // no new complete line
        Appended,   // lines() holds the lines appended since the last look
        Restarted,  // the file is new, shorter or another file: lines() holds it from its start
        Gone,       // the file cannot be read any more
    };

    explicit GrowingFile(std::string path) : path_(std::move(path)) {}

    // Looks at the file again. The first look counts as a restart.
    Change look();
    // The complete lines the last look took; valid until the next look.
    std::string_view lines() const { return lines_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    bool known_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::uint64_t taken_ = 0;  // bytes up to the end of the last complete line taken
    bool crLast_ = false;      // the lines taken end at a CR, whose LF may come next
    std::string buffer_;
    std::string_view lines_;
};

}  // namespace kvx
