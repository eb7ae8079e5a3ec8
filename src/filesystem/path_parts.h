#pragma once
// Where the name and the extension of a path start.

#include <cstddef>
#include <string>
#include <string_view>

namespace kvx {

// Where the name and the extension of a path start. The extension is the
// text after the last "." of the file name (a dot in a folder name is not
// one); none when there is no dot or the dot ends the path.
struct PathParts {
    std::size_t name = 0;       // after the last "/"
    std::size_t extension = 0;  // after the dot; std::string::npos when none

    bool hasExtension() const { return extension != std::string::npos; }
};

PathParts splitPath(std::string_view path);

}  // namespace kvx
