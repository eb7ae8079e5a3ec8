#pragma once
// The application-wide start-up steps shared by the three programs.

#include <string_view>

namespace kvx {

// The defaults: built-in values, then the settings files.
void initApplication();

// The program's version, shown by --version and the About box.
constexpr std::string_view kurvexVersion = "1.0";

}  // namespace kvx
