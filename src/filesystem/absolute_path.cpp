#include "filesystem/absolute_path.h"

#include <filesystem>
#include <system_error>

namespace kvx {

std::string absolutePath(const std::string& path)
{
    if (path.empty() || path.front() == '/') {
        return path;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

}  // namespace kvx
