#include "filesystem/path_parts.h"

namespace kvx {

PathParts splitPath(std::string_view path)
{
    PathParts parts;
    const std::size_t slash = path.rfind('/');
    parts.name = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot != std::string_view::npos && dot >= parts.name && dot + 1 < path.size()) {
        parts.extension = dot + 1;
    } else {
        parts.extension = std::string::npos;
    }
    return parts;
}

}  // namespace kvx
