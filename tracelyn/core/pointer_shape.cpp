#include "tracelyn/core/pointer_shape.h"

#include "platform/app/wnd.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_hit_test.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/tracelyn_app.h"

namespace {

// Whether the one selected object lies under the cursor, by its own hit test (a trace along
// its path, a rectangle by its edges); the selection and its extents are kept as they were.
bool cursorOnSingleSelection(int index)
{
    const EditGesture saved = g_gesture;
    HitTestObject(index, index);
    const bool hit = g_selection.count == 1 && g_selection.list[1] == index;
    g_selection.count = 1;
    g_selection.list[1] = index;
    g_gesture = saved;
    return hit;
}

}  // namespace

int PointerModeAtCursor(bool overHandle)
{
    if (g_board.objects == nullptr || g_selection.count < 1 || g_selection.list.size() < 2)
        return kPointerNormal;
    const int first = g_selection.list[1];
    if (first < 1 || first > g_board.count)
        return kPointerNormal;
    const bool single = g_selection.count == 1 && !g_gesture.multi;
    if (overHandle && (single || g_board.objects[first].isPart()))
        return kPointerHandle;
    if (!single)
        return InSelectionRect(g_view.cursorX, g_view.cursorY, 0) ? kPointerDrag : kPointerNormal;
    return cursorOnSingleSelection(first) ? kPointerDrag : kPointerNormal;
}

void ShowPointerShape(int mode)
{
    plat::Cursor wanted = g_appImages.arrowCursor;
    if (mode == kPointerHandle && g_appImages.cursors[0] != 0)
        wanted = g_appImages.cursors[0];
    else if (mode == kPointerDrag && g_appImages.cursors[1] != 0)
        wanted = g_appImages.cursors[1];
    if (wanted != 0 && plat::GetCursor() != wanted)
        plat::SetCursor(wanted);
}
