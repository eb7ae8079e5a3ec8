#pragma once

#include <string_view>

namespace kvx {

// Compares two texts with their letters lowered, byte by byte as unsigned
// characters: -1, 0 or 1.
int compareNoCase(std::string_view a, std::string_view b);

}  // namespace kvx
