#pragma once
// The two message boxes of a plot window that are not errors: a warning
// such as "No Graphs available!" and a piece of information such as the
// plot info. Both belong to the window, are captioned "Kurvex" and come to
// the front.

#include <string_view>

#include "app/base_window.h"

namespace kvx {

// Exclamation icon, OK button.
void warnUser(const BaseWindow& window, std::string_view text);
// Information icon, OK button.
void informUser(const BaseWindow& window, std::string_view text);

}  // namespace kvx
