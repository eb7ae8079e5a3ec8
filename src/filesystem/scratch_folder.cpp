#include "filesystem/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace kvx {

ScratchFolder::ScratchFolder(std::string_view prefix)
{
    std::error_code failed;
    const std::filesystem::path base = std::filesystem::temp_directory_path(failed);
    const std::string pattern = (failed ? std::string("/tmp") : base.string()) + "/" + std::string(prefix) + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data())) {
        path_ = name.data();
    }
}

ScratchFolder::~ScratchFolder()
{
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

}  // namespace kvx
