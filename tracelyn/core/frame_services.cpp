#include "tracelyn/core/frame_services.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/message_pump.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "tracelyn/core/board_state.h"

void RedrawActiveFrame()
{
    if (g_footprintEditor.open) {
        if (g_footprintEditor.redraw)
            g_footprintEditor.redraw();
        return;
    }
    plat::FrameWnd* main = plat::GetMainWnd();
    plat::FrameWnd* frame = main != nullptr ? main->GetActiveFrame() : nullptr;
    plat::View* view = frame != nullptr ? frame->GetActiveView() : nullptr;
    if (view != nullptr)
        view->RedrawWindow();
}

bool PumpMessage()
{
    return plat::PumpMessages();
}
