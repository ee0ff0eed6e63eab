#pragma once
// The frame of one document's view inside an editor's main window: documents open maximised.

#include "platform/app/frame_wnd.h"

namespace quill {

class MaximisedChildFrame : public plat::MDIChildWnd {
public:
    bool PreCreateWindow(plat::CreateStruct& cs) override;
};

}  // namespace quill
