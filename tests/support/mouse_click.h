#pragma once
// A person's click on a dialog's control: the button pressed and let go over its middle, as the
// platform delivers them to the control's window.

#include "platform/app/dialog.h"
#include "platform/app/win_constants.h"

#include <gtest/gtest.h>

namespace quill_test {

inline void mouseClick(plat::Dialog& dialog, unsigned controlId)
{
    plat::Control* control = dialog.GetDlgItem(controlId);
    ASSERT_NE(control, nullptr) << controlId;
    const plat::Rect r = control->clientRect();
    const plat::Point middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    control->SendMessage(plat::kWmLButtonDown, plat::kMkLButton, plat::makePointParam(middle));
    control->SendMessage(plat::kWmLButtonUp, 0, plat::makePointParam(middle));
}

}  // namespace quill_test
