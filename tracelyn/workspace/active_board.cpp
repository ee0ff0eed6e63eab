#include "tracelyn/workspace/active_board.h"

#include "platform/app/frame_wnd.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/tracelyn_view.h"

CTracelynView* ActiveBoardView(plat::FrameWnd& frame)
{
    auto* view = static_cast<CTracelynView*>(frame.GetActiveView());
    if (!view || !view->GetDocument())
        return nullptr;
    LoadBoardGlobals(view->GetDocument()->data());
    return view;
}
