#pragma once
// The texts of a tab control's tabs, in order, as a person reads them off the window.

#include "platform/app/dialog.h"

#include <string>
#include <vector>

namespace quill_test {

inline std::vector<std::string> tabNames(const plat::Dialog& dialog, unsigned tabsId)
{
    std::vector<std::string> names;
    if (plat::Control* tabs = dialog.GetDlgItem(tabsId))
        for (int i = 0; i < tabs->GetCount(); ++i)
            names.push_back(tabs->GetItemText(i));
    return names;
}

}  // namespace quill_test
