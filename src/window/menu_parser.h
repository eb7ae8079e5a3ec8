#pragma once
// Reads the text form of a menu bar:
//
//   MENU "Kvx"
//   POPUP "Session"
//     ITEM "Open ...", 106
//     SEPARATOR
//
// A popup's entries follow it, indented two blanks more; the top level holds
// only popups. Blank lines and lines whose first non-blank is "#" are
// ignored. Texts are in double quotes and cannot contain one.

#include <optional>
#include <string>
#include <string_view>

#include "window/menu_tree.h"

namespace kvx {

struct MenuParseError {
    int line = 0;  // 1-based; 0 for a fault of the whole text
    std::string message;
};

// The tree, or nothing and (when asked for) the first fault.
std::optional<MenuTree> parseMenu(std::string_view text, MenuParseError* error = nullptr);

// "line 12: missing closing quote", or the message alone for line 0.
std::string describe(const MenuParseError& error);

}  // namespace kvx
