#include "tracelyn/core/keyboard_edit.h"

#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_hit_test.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/package_geometry.h"

#include <algorithm>
#include <utility>

namespace {


void emptySelection()
{
    ForgetSelection();
    g_gesture.frameHidden = false;
}

}  // namespace

void ReorderSelectedObject(int command)
{
    if (g_selection.count != 1 || g_board.objects == nullptr)
        return;
    const int index = g_selection.list[1];
    // The outline keeps slot 1: the board reader takes object 1 as the outline.
    if (index <= 1 || index > g_board.count)
        return;
    const int other = command == kReorderToBack ? 2 : g_board.count;
    if (other == index || other < 2)
        return;
    g_selection.count = 2;
    g_selection.list[2] = other;
    PushUndoSnapshot();
    std::swap(g_board.objects[index], g_board.objects[other]);
    emptySelection();
    MarkBoardModified();
    RedrawActiveFrame();
}

void MoveSelectionHome()
{
    const int n = std::min(g_selection.count, static_cast<int>(g_selection.list.size()) - 1);
    if (n < 1 || g_board.objects == nullptr)
        return;
    PushUndoSnapshot();
    const int32_t dx = kPackageOriginX - g_gesture.pressBoardX;
    const int32_t dy = kPackageOriginY - g_gesture.pressBoardY;
    for (int i = 1; i <= n; ++i) {
        const int index = g_selection.list[static_cast<size_t>(i)];
        if (index < 1 || index > g_board.count)
            continue;
        BoardObject& o = g_board.objects[index];
        if (o.kind() == kKindOutline || o.kind() == kKindDeleted)
            continue;
        o.w[0] += dx;
        o.w[1] += dy;
        const int kind = o.kind();
        if (kind == kKindLine || kind == kKindArc || kind == kKindNoRoute || kind == kKindFixedRectangle) {
            o.w[2] += dx;
            o.w[3] += dy;
        }
        if (kind == kKindPolygon && o.points() != nullptr)
            for (int v = 0; v < std::max(o.w[2], 0); ++v) {
                o.points()[v * kVertexWords] += dx;
                o.points()[v * kVertexWords + 1] += dy;
            }
    }
    emptySelection();
    MarkBoardModified();
    RedrawActiveFrame();
}

int SelectEditableObjects()
{
    int n = 0;
    const int last = std::min({g_board.count, g_board.capacity - 1, static_cast<int>(g_selection.list.size()) - 1});
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindDeleted || o.kind() == kKindOutline || o.kind() == kKindMarker)
            continue;
        if (IsKindSelectable(i))
            g_selection.list[static_cast<size_t>(++n)] = i;
    }
    g_selection.count = n;
    return n;
}
