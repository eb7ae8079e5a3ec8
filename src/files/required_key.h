#pragma once
// The warning for a key without which a plot or session file cannot be read.

#include <string>
#include <string_view>

namespace kvx {

// "Required [section] Parameter 'key' \nmissing in fileName !"
inline std::string requiredKeyMissing(std::string_view section, std::string_view key,
                                      std::string_view fileName)
{
    return "Required [" + std::string(section) + "] Parameter '" + std::string(key) +
           "' \nmissing in " + std::string(fileName) + " !";
}

}  // namespace kvx
