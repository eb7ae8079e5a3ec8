#pragma once
// A menu bar as plain data, read from its text form: the top-level menus
// with their submenus, items and separators in menu order, ready to hand to
// a new window.

#include <string>
#include <vector>

#include "platform/native_window.h"

namespace kvx {

struct MenuTree {
    std::string name;
    std::vector<MenuEntry> menus;  // the top-level popups
};

}  // namespace kvx
