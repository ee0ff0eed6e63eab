// Dragging and copy-dragging the selection.
#include "tracelyn/core/selection_move.h"

#include "common/rounding.h"
#include "platform/gdi/dc.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/nets_follow_parts.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/rubber_banding.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// Objects drawn as ghosts while a selection is dragged.
constexpr int kLiveGhosts = 6;
// A move of more objects than this reloads the nets even without a part among them.
constexpr int kManyMoved = 10;

int selectedCount()
{
    return std::clamp(g_selection.count, 0, static_cast<int>(g_selection.list.size()) - 1);
}

void paintGhosts(plat::Dc& dc)
{
    const int n = std::min(selectedCount(), kLiveGhosts);
    for (int i = 1; i <= n; ++i)
        PaintObject(dc, g_selection.list[static_cast<size_t>(i)], kModeInvert);
}

// The step from the move anchor to the cursor, in board units.
void stepFromAnchor(int32_t& dx, int32_t& dy)
{
    UpdateCursorBoardPoint();
    dx = g_gesture.boardX - g_gesture.moveAnchorX;
    dy = g_gesture.boardY - g_gesture.moveAnchorY;
}

// The selection frame follows the moved objects.
void moveSelectionRect(int32_t dx, int32_t dy)
{
    int32_t sx = dx, sy = dy;
    WorldToScreen(sx, sy);
    ShiftRubberBand(sx, sy);
}


// The end of a drag: the board repainted with the selection's marks back in place.
void finishDrag(plat::Dc& dc)
{
    g_gesture.frameHidden = false;
    if (g_selection.count == 1 && !g_gesture.multi)
        ComputeSelectionRect(1);
    RedrawActiveFrame();
    (void)dc;
}

int g_selectedBeforeMove = 0;

int selectedBeforeMove()
{
    return g_selectedBeforeMove;
}

// The first step of a move: the snapshot, with the traces a selected part drags along (each
// once) listed after the selection so that Undo restores them as well.
void startMove()
{
    g_selectedBeforeMove = selectedCount();
    ClearConnections();
    const int first = g_selection.list[1];
    if (g_boardSettings.rubber != 0 && first >= 1 && first <= g_board.count && g_board.objects[first].isPart()) {
        CollectSelectedPartConnections();
        AddConnectedTracesToSelection();
    }
    PushUndoSnapshot();
}

}  // namespace

namespace {

// A coordinate moved by d, held at the ends of its range: objects from a pasted or opened file
// may lie anywhere a word reaches, and moving one past the end must not wrap it around.
void shift(int32_t& v, int32_t d)
{
    v = static_cast<int32_t>(std::clamp<int64_t>(int64_t{v} + d, INT32_MIN, INT32_MAX));
}

}  // namespace

void OffsetBoardObject(BoardObject& o, int32_t dx, int32_t dy)
{
    switch (o.kind()) {
    case kKindLine:
    case 5:
    case 9:
    case kKindArc:
    case kKindFixedRectangle:
    case kKindNoRoute:
        shift(o.w[0], dx);
        shift(o.w[1], dy);
        shift(o.w[2], dx);
        shift(o.w[3], dy);
        break;
    case kKindRectangle:
    case kKindText:
    case kKindEllipse:
    case kKindPad:
    case kKindMarker:
        shift(o.w[0], dx);
        shift(o.w[1], dy);
        break;
    case kKindPolygon:
        shift(o.w[0], dx);
        shift(o.w[1], dy);
        if (int32_t* v = o.points())
            for (int i = 0; i < std::max(o.w[2], 0); ++i) {
                shift(v[i * kVertexWords], dx);
                shift(v[i * kVertexWords + 1], dy);
            }
        break;
    default:
        if (o.isPart()) {
            shift(o.w[0], dx);
            shift(o.w[1], dy);
        }
        break;
    }
}


void OffsetSelection(plat::Dc& dc, int32_t dx, int32_t dy)
{
    if (dx == 0 && dy == 0)
        return;
    paintGhosts(dc);
    const int n = selectedCount();
    for (int i = 1; i <= n; ++i) {
        const int index = g_selection.list[static_cast<size_t>(i)];
        // A trace held by a moving part keeps its far end; its near end follows the pad.
        if (index >= 1 && index <= g_board.count && !IsConnectedTrace(index))
            OffsetBoardObject(g_board.objects[index], dx, dy);
    }
    ReattachTraceEnds();
    paintGhosts(dc);
    moveSelectionRect(dx, dy);
    g_gesture.moveAnchorX += dx;
    g_gesture.moveAnchorY += dy;
}

void MoveSelection(plat::Dc& dc, int action)
{
    if (selectedCount() == 0)
        return;
    if (g_gesture.labelDrag && g_selection.count == 1) {
        if (!g_gesture.dragging)
            PushUndoSnapshot();
        MovePartLabel(dc, action);
        return;
    }
    if (!g_gesture.dragging)
        startMove();
    int32_t dx = 0, dy = 0;
    stepFromAnchor(dx, dy);
    OffsetSelection(dc, dx, dy);
    if (action == kMoveEnd) {
        ClearConnections();
        if (g_selection.count > selectedBeforeMove())
            g_selection.count = selectedBeforeMove();
        MarkBoardModified();
        finishDrag(dc);
        if (g_selection.count > kManyMoved || SelectionHoldsPart(g_selection.count))
            ReloadNetsForMovedParts();
    }
}

void DuplicateSelection(plat::Dc& dc, int action)
{
    const int n = selectedCount();
    if (!g_gesture.dragging && n > 0) {
        if (!StoreHasRoomFor(n)) {
            AppendObject();   // shows the store-full warning; appends nothing
            g_gesture.shift = false;
            return;
        }
        const int base = g_board.count;
        int copies = 0;
        for (int i = 1; i <= n; ++i) {
            const int source = g_selection.list[static_cast<size_t>(i)];
            // The outline's segment block belongs to the board's one outline.
            if (source < 1 || source > base || g_board.objects[source].kind() == kKindOutline)
                continue;
            const int index = AppendObject();
            if (index == 0)
                break;
            BoardObject& copy = g_board.objects[index];
            const BoardObject& from = g_board.objects[source];
            std::copy(from.w.begin(), from.w.begin() + 8, copy.w.begin());
            CloneObjectData(from, copy);
            g_selection.list[static_cast<size_t>(++copies)] = index;
        }
        g_selection.count = copies;
        PushAppendedStep(base, g_board.count - base);
    }
    int32_t dx = 0, dy = 0;
    stepFromAnchor(dx, dy);
    OffsetSelection(dc, dx, dy);
    if (action == kMoveEnd) {
        MarkBoardModified();
        g_gesture.frameHidden = false;
        ForgetSelection();
        RedrawActiveFrame();
    }
}
