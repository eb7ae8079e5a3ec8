#include "window/kvx_menu.h"

#include "window/menu_parser.h"

namespace kvx {

const MenuTree& kvxMenu()
{
    static const MenuTree tree = parseMenu(kvxMenuText()).value_or(MenuTree{});
    return tree;
}

}  // namespace kvx
