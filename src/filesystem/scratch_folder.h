#pragma once
// A private folder for files that live only for one operation (the formats
// of a figure on their way to the clipboard), removed with its content when
// the object goes.

#include <string>
#include <string_view>

namespace kvx {

class ScratchFolder {
public:
    // Made under the system's temporary folder ($TMPDIR, else /tmp),
    // readable by its owner only; `prefix` starts its name.
    explicit ScratchFolder(std::string_view prefix = "kurvex-");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

}  // namespace kvx
