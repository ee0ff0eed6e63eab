#include "common/dialog_placement.h"

#include "platform/app/win_constants.h"
#include "platform/app/wnd.h"

namespace quill {

LastClick g_lastClick;

void NoteLastClick(const plat::Wnd& window, plat::Point client)
{
    window.ClientToScreen(&client);
    g_lastClick = {true, client};
}

void OpenAtLastClick(plat::Wnd& dialog, int right)
{
    if (!g_lastClick.known)
        return;
    dialog.SetWindowPos(g_lastClick.screen.x + right, g_lastClick.screen.y, 0, 0, plat::kSwpNoSize | plat::kSwpNoZOrder);
}

}  // namespace quill
