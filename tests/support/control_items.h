#pragma once
// The texts of a control's items (a tab control's tabs, a list's lines, a combo's choices), in
// order, as a person reads them off the window.

#include "platform/app/dialog.h"

#include <string>
#include <vector>

namespace quill_test {

inline std::vector<std::string> itemTexts(const plat::Dialog& dialog, unsigned controlId)
{
    std::vector<std::string> texts;
    if (const plat::Control* control = dialog.GetDlgItem(controlId))
        for (int i = 0; i < control->GetCount(); ++i)
            texts.push_back(control->GetItemText(i));
    return texts;
}

}  // namespace quill_test
