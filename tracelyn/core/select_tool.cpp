// Edit mode (tool 1309): click, Ctrl+click and window selection, and the start and end of
// moves, copy-drags and handle drags.
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_hit_test.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/selection_move.h"

#include "platform/gdi/dc.h"

namespace {

bool selectionMarksShown()
{
    return !g_gesture.frameHidden && g_selection.count >= 1;
}

void hideMarks(plat::Dc& dc)
{
    if (selectionMarksShown())
        ToggleSelectionMarks(dc);
}

// A plain click with something selected: keep it for a move when the click lands on it,
// else select afresh.
void pressWithSelection(plat::Dc& dc)
{
    if (g_gesture.selectiveMode == kSelectiveEditNetsOnly)
        RedrawSelection(dc, 13);
    if (g_selection.count == 1 && !g_gesture.multi) {
        const int selected = g_selection.list[1];
        HitTestObject(selected, selected);
        if (g_selection.count == 1) {
            g_gesture.pressOnSelection = true;
            return;
        }
        g_selection.count = 1;
        g_selection.list[1] = selected;
        ClearSelection(dc);
        SelectAtPoint(dc, kSelectClick);
        return;
    }
    if (!InSelectionRect(g_view.cursorX, g_view.cursorY, 0)) {
        ClearSelection(dc);
        SelectAtPoint(dc, kSelectClick);
        return;
    }
    g_gesture.pressOnSelection = true;
}

// Ctrl+click: the object under the cursor joins the selection unless it is in it already.
void pressAddToSelection(plat::Dc& dc)
{
    const int n = g_selection.count;
    const int first = g_selection.list[1];
    HitTestObject(1, g_board.count);
    const int hit = g_selection.count == 1 ? g_selection.list[1] : 0;
    const bool already = hit != 0 && IsObjectSelected(n, first) != 0;
    g_selection.list[1] = first;
    g_selection.count = n;
    if (hit == 0 || already || n + 1 >= static_cast<int>(g_selection.list.size()))
        return;
    hideMarks(dc);
    g_gesture.frameHidden = false;
    g_gesture.multi = true;
    g_selection.list[static_cast<size_t>(n + 1)] = hit;
    g_selection.count = n + 1;
    ComputeSelectionRect(g_selection.count);
    DrawRubberBand(dc, g_gesture.band.left, g_gesture.band.top, g_gesture.band.right, g_gesture.band.bottom);
    g_gesture.bandShown = true;
}

}  // namespace

void SelectToolPress(plat::Dc& dc)
{
    g_gesture.pressOnSelection = false;
    if (g_selection.count == 0)
        SelectAtPoint(dc, kSelectClick);
    else if (g_gesture.ctrl)
        pressAddToSelection(dc);
    else
        pressWithSelection(dc);
    g_gesture.frameHidden = false;
    g_gesture.moveAnchorX = g_gesture.boardX;
    g_gesture.moveAnchorY = g_gesture.boardY;
    // A press on the label of the one selected part drags the label, not the part.
    const int first = g_selection.list[1];
    g_gesture.labelDrag = !g_gesture.ctrl && !g_gesture.shift && g_selection.count == 1 && !g_gesture.multi &&
                          CursorOnPartLabel(first);
}

void SelectToolMove(plat::Dc& dc)
{
    if (g_view.cursorX == g_gesture.lastX && g_view.cursorY == g_gesture.lastY)
        return;
    if (g_selection.count == 0) {
        SelectAtPoint(dc, kSelectBand);
        return;
    }
    const int first = g_selection.list[1];
    const bool part = g_board.objects[first].isPart();
    if (g_selection.count == 1 && !part && g_gesture.overHandle) {
        if (!g_gesture.handleDrag)
            hideMarks(dc);
        g_gesture.handleDrag = true;
        g_gesture.frameHidden = true;
        DragObjectHandle(dc, first, kMoveStep);
        return;
    }
    const int margin = ScreenLength(g_view.gridStepX) / 5;
    if (g_gesture.dragging || g_gesture.pressOnSelection || InSelectionRect(g_view.cursorX, g_view.cursorY, margin) ||
        (part && g_gesture.overHandle)) {
        if (!g_gesture.dragging) {
            hideMarks(dc);
            g_gesture.frameHidden = true;
        }
        if (g_gesture.shift)
            DuplicateSelection(dc, kMoveStep);
        else
            MoveSelection(dc, kMoveStep);
        g_gesture.dragging = true;
    }
}

void SelectToolRelease(plat::Dc& dc)
{
    if (g_gesture.dragging) {
        if (g_gesture.shift)
            DuplicateSelection(dc, kMoveEnd);
        else
            MoveSelection(dc, kMoveEnd);
    } else if (g_selection.count == 0) {
        if (g_gesture.bandActive && g_gesture.multi)
            SelectAtPoint(dc, kSelectWindow);
    } else if (g_gesture.handleDrag) {
        // The repaint that ends the drag draws no marks; selecting again draws them once.
        const int index = g_selection.list[1];
        g_selection.count = 0;
        g_gesture.frameHidden = false;
        DragObjectHandle(dc, index, kMoveEnd);
        SelectAtPoint(dc, kSelectClick);
    } else if (!InSelectionRect(g_view.cursorX, g_view.cursorY, 0) && !g_gesture.moved) {
        ClearSelection(dc);
    } else if (g_selection.count == 1 && !g_gesture.multi) {
        ShowSelectedObjectInfo();
    }
    g_gesture.dragging = false;
    g_gesture.handleDrag = false;
    g_gesture.pressOnSelection = false;
    g_gesture.labelDrag = false;
}
