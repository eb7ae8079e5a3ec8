#pragma once
// Comparing names in files without regard to letter case, as key stores and
// profiles match their section, key and value names: only the ASCII letters
// A to Z and a to z count as the same letter.

#include <string_view>

namespace kvx {

bool equalNoCase(std::string_view a, std::string_view b);

}  // namespace kvx
