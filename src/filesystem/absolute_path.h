#pragma once
// A file's name that stays right when the working directory changes, as it
// does with every folder chosen in a file dialog.

#include <string>

namespace kvx {

// `path` against the working directory of now; unchanged when it is
// already absolute or the working directory is unknown.
std::string absolutePath(const std::string& path);

}  // namespace kvx
