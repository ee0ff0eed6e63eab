#include "tracelyn/core/handle_hit_test.h"

#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/outline_editing.h"
#include "tracelyn/core/selection_move.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

HandlePick g_handlePick;

namespace {

constexpr int kHandleHalf = 6;

// The handle points of one object in board units.
std::vector<std::pair<int32_t, int32_t>> handlePoints(const BoardObject& o)
{
    std::vector<std::pair<int32_t, int32_t>> points;
    switch (o.kind()) {
    case kKindOutline:
        for (int i = 0; i < std::clamp(o.w[2], 0, kMaxOutlineSegments) && o.points(); ++i)
            points.emplace_back(o.points()[i * kSegmentWords], o.points()[i * kSegmentWords + 1]);
        break;
    case kKindPolygon:
        for (int i = 0; i < std::max(o.w[2], 0) && o.points(); ++i)
            points.emplace_back(o.points()[i * kVertexWords], o.points()[i * kVertexWords + 1]);
        break;
    case kKindLine:
    case kKindArc:
        points.emplace_back(o.w[0], o.w[1]);
        points.emplace_back(o.w[2], o.w[3]);
        break;
    default:
        points.emplace_back(o.w[0], o.w[1]);
        break;
    }
    return points;
}

bool dragging = false;

}  // namespace

void CursorBoardPoint(int& x, int& y)
{
    int32_t lx = g_board.viewOriginX - g_view.clientCentreX + g_view.cursorX;
    int32_t ly = g_board.viewOriginY - g_view.clientCentreY + g_view.cursorY;
    ScreenToWorld(lx, ly);
    x = lx;
    y = ly;
}

int HitTestHandle()
{
    g_handlePick.index = -1;
    if (g_selection.count != 1 || g_gesture.multi || g_board.objects == nullptr)
        return 0;
    const int index = g_selection.list[1];
    if (index < 1 || index > g_board.count)
        return 0;
    const BoardObject& o = g_board.objects[index];
    const bool outline = o.kind() == kKindOutline && g_edit.currentLayer == kLayerOutline;
    const int32_t half = (outline ? 2 : 1) * kHandleHalf * g_view.zoomDivisor;
    const int32_t cx = g_board.viewOriginX - g_view.clientCentreX + g_view.cursorX;
    const int32_t cy = g_board.viewOriginY - g_view.clientCentreY + g_view.cursorY;
    const auto points = handlePoints(o);
    for (size_t i = 0; i < points.size(); ++i) {
        int32_t hx = points[i].first, hy = points[i].second;
        WorldToScreen(hx, hy);
        if (std::abs(cx - hx) < half && std::abs(cy - hy) < half) {
            g_handlePick.index = static_cast<int>(i);
            return 1;
        }
    }
    return 0;
}

void DragOutlineVertex(int step)
{
    BoardObject* outline = EditableOutline();
    const int v = g_handlePick.index;
    if (outline == nullptr || v < 0 || v >= outline->w[2]) {
        dragging = false;
        return;
    }
    if (!dragging) {
        PushUndoSnapshot();
        dragging = true;
    }
    int x = 0, y = 0;
    CursorBoardPoint(x, y);
    const int n = outline->w[2];
    int32_t* segments = outline->points();
    segments[v * kSegmentWords] = x;
    segments[v * kSegmentWords + 1] = y;
    const int previous = (v + n - 1) % n;
    segments[previous * kSegmentWords + 2] = x;
    segments[previous * kSegmentWords + 3] = y;
    if (step == kMoveEnd)
        dragging = false;
    RedrawActiveFrame();
}
