#pragma once
// A private folder for files that live only for one operation (the formats
// of a figure on their way to the clipboard), removed with its content when
// the object goes.

#include <string>
#include <string_view>

namespace kvx {

class ScratchFolder {
public:
    // Made under $TMPDIR (or /tmp), readable by its owner only.
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

}  // namespace kvx
