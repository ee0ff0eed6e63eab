// Dragging a placed part's reference label: the label offset changes in the part's own frame,
// the part stays where it is.
#include "tracelyn/core/selection_move.h"

#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"

namespace {

// With the crosshair on the label moves by whole grid steps; the rest waits for the next step.
int32_t wholeSteps(int32_t offset, int32_t spacing)
{
    return g_crosshair.on && spacing > 0 ? offset / spacing * spacing : offset;
}

// The board offset (dx, dy) as a change of the label offset of a part at `rotation`, mirrored
// or not. Other rotations leave the label.
void shiftLabel(BoardObject& part, int32_t dx, int32_t dy)
{
    const bool mirror = ((part.w[6] >> 12) & 1) != 0;
    int32_t& lx = part.w[2];
    int32_t& ly = part.w[3];
    switch (part.w[6] & 0xFFF) {
    case 0:
        lx += mirror ? -dx : dx;
        ly += dy;
        break;
    case 900:
        lx += dy;
        ly += mirror ? dx : -dx;
        break;
    case 1800:
        lx += mirror ? dx : -dx;
        ly -= dy;
        break;
    case 2700:
        lx -= dy;
        ly += mirror ? -dx : dx;
        break;
    default:
        break;
    }
}

}  // namespace

void MovePartLabel(plat::Dc& dc, int action)
{
    (void)dc;
    const int index = g_selection.list[1];
    if (g_board.objects == nullptr || index < 1 || index > g_board.count || !g_board.objects[index].isPart())
        return;
    UpdateCursorBoardPoint();
    const int32_t dx = wholeSteps(g_gesture.boardX - g_gesture.moveAnchorX, g_view.gridStepX);
    const int32_t dy = wholeSteps(g_gesture.boardY - g_gesture.moveAnchorY, g_view.gridStepY);
    if (dx != 0 || dy != 0) {
        shiftLabel(g_board.objects[index], dx, dy);
        g_gesture.moveAnchorX += dx;
        g_gesture.moveAnchorY += dy;
        RedrawActiveFrame();
    }
    if (action == kMoveEnd) {
        MarkBoardModified();
        g_gesture.frameHidden = false;
        RedrawActiveFrame();
    }
}
