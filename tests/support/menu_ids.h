#pragma once
// The ids of a menu's items in order, as a person reads the menu: -1 for a popup, 0 for a
// separator.

#include "platform/app/menu.h"

#include <vector>

namespace quill_test {

inline std::vector<int> MenuItemIds(const plat::Menu& menu)
{
    std::vector<int> ids;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        ids.push_back(menu.GetMenuItemID(i));
    return ids;
}

}  // namespace quill_test
