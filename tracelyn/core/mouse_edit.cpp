#include "tracelyn/core/mouse_edit.h"

#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/text_entry.h"

void ProcessMouseEdit(plat::Dc& dc, int tool, int action)
{
    if (g_view.drawToFit)
        return;
    UpdateCursorBoardPoint();
    const bool select = tool == kToolSelect;
    switch (action) {
    case kMousePress:
        // A press ends the text being typed (the text tool then starts the next).
        if (TextEntryActive())
            EndTextEntry();
        g_gesture.pressX = g_view.cursorX;
        g_gesture.pressY = g_view.cursorY;
        g_gesture.pressBoardX = g_gesture.boardX;
        g_gesture.pressBoardY = g_gesture.boardY;
        if (select)
            SelectToolPress(dc);
        else
            DrawToolPress(dc, tool);
        break;
    case kMouseMove:
        g_gesture.moved = true;
        if (select)
            SelectToolMove(dc);
        else
            DrawToolMove(dc, tool);
        break;
    case kMouseRelease:
        if (select)
            SelectToolRelease(dc);
        else
            DrawToolRelease(dc, tool);
        g_gesture.moved = false;
        return;
    default:
        return;
    }
    g_gesture.lastX = g_view.cursorX;
    g_gesture.lastY = g_view.cursorY;
    if (action == kMousePress)
        g_gesture.moved = false;
}
