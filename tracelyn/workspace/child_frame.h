#pragma once
// The frame of one board's view inside the main window; boards open maximised. When a board's
// frame goes, nothing of it stays selected.

#include "platform/app/frame_wnd.h"
#include "platform/app/win_constants.h"

class CChildFrame : public plat::MDIChildWnd {
public:
    bool PreCreateWindow(plat::CreateStruct& cs) override
    {
        cs.style |= plat::kWsMaximize;
        return plat::MDIChildWnd::PreCreateWindow(cs);
    }
    void OnDestroy() override;
};
