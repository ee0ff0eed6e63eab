#include "common/maximised_child_frame.h"

#include "platform/app/win_constants.h"

namespace quill {

bool MaximisedChildFrame::PreCreateWindow(plat::CreateStruct& cs)
{
    cs.style |= plat::kWsMaximize;
    return plat::MDIChildWnd::PreCreateWindow(cs);
}

}  // namespace quill
