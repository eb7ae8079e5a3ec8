#pragma once
// The program's version, shown by --version and the About box.

#include <string_view>

namespace kvx {

constexpr std::string_view kurvexVersion = "1.0";

}  // namespace kvx
