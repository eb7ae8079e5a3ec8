#pragma once
// The menu "Kvx" of every plot window. Its text lives in resources/ and is
// compiled into the programs, so nothing has to be found at run time.

#include <string_view>

#include "window/menu_tree.h"

namespace kvx {

// The text as it stands in resources/kvx_menu.txt.
std::string_view kvxMenuText();

// The text parsed once. The tests parse the same text, so a fault there
// fails the build's tests rather than showing up here (as an empty tree).
const MenuTree& kvxMenu();

}  // namespace kvx
