#include "platform/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace kvx {

ScratchFolder::ScratchFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kurvex-XXXXXX";
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
